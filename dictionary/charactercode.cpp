#include "dictionary/charactercode.h"

using namespace Qt::StringLiterals;

namespace CharacterCode {
namespace {

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

} // namespace

std::optional<QChar> toCharacter(QStringView code)
{
    if (code.size() != length || !code.startsWith(u"&H", Qt::CaseInsensitive))
        return std::nullopt;
    char16_t value = 0;
    for (const QChar digit : code.sliced(2)) {
        const int nibble = hexDigit(digit);
        if (nibble < 0)
            return std::nullopt;
        value = char16_t(value * 16 + nibble);
    }
    return QChar(value);
}

QString fromCharacter(QChar character)
{
    return u"&H"_s + u"%1"_s.arg(uint(character.unicode()), 4, 16, QChar(u'0')).toUpper();
}

QString codeString(QStringView text)
{
    QString codes;
    codes.reserve(text.size() * length);
    for (const QChar character : text)
        codes += fromCharacter(character);
    return codes;
}

QString characters(QStringView codeString)
{
    QString text;
    text.reserve(codeString.size() / length);
    for (qsizetype at = 0; at < codeString.size(); at += length) {
        const std::optional<QChar> character = toCharacter(codeString.mid(at, length));
        if (!character)
            return {};
        text += *character;
    }
    return text;
}

QStringList pieces(QStringView codeString)
{
    QStringList result;
    for (qsizetype at = 0; at < codeString.size(); at += length)
        result << codeString.mid(at, length).toString();
    return result;
}

} // namespace CharacterCode
