#include "tools/data/big5cedict.h"

#include "cedict/big5codec.h"
#include "cedict/utf8line.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// "見|见[jian4]" -> "見[jian4]": the simplified half of a traditional|simplified pair, which
// runs to the next blank or ASCII punctuation (its own full-width punctuation included).
QString traditionalReferences(const QString &gloss)
{
    static const QRegularExpression simplifiedHalf(
        u"(?<=\\p{Han})\\|[^\\s\\x{00}-\\x{2F}\\x{3A}-\\x{40}\\x{5B}-\\x{60}\\x{7B}-\\x{7F}]+"_s);
    return QString(gloss).remove(simplifiedHalf);
}

QByteArray big5Text(const QString &text, Big5Codec &codec, qint64 &replaced)
{
    if (const std::optional<QByteArray> bytes = codec.encode(text))
        return *bytes;
    QByteArray result;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (const std::optional<QByteArray> bytes = codec.encode(character)) {
            result += *bytes;
            continue;
        }
        ++replaced;
        QString base = character.normalized(QString::NormalizationForm_D);
        base.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        const std::optional<QByteArray> bytes = codec.encode(base);
        result += bytes && !bytes->isEmpty() ? *bytes : QByteArray("?");
    }
    return result;
}

QByteArray glossBytes(const QString &gloss, Big5Codec &codec, qint64 &replaced)
{
    return big5Text(traditionalReferences(gloss), codec, replaced);
}

} // namespace

std::optional<QByteArray> big5CedictLine(const Utf8Line &entry, Big5Codec &codec, qint64 &replaced)
{
    const std::optional<QByteArray> headword = codec.encode(entry.traditional);
    if (!headword)
        return std::nullopt;
    QByteArray line = *headword + ' ';
    if (!entry.reading.isEmpty())
        line += '[' + big5Text(entry.reading, codec, replaced) + "] ";
    line += '/';
    for (const QString &gloss : entry.glosses)
        line += glossBytes(gloss, codec, replaced) + '/';
    return line;
}

bool writeBig5Cedict(const QString &utf8File, const QString &targetFile, Big5CedictSummary &summary,
                     QString &error)
{
    QFile input(utf8File);
    if (!input.open(QIODevice::ReadOnly)) {
        error = u"cannot read "_s + utf8File;
        return false;
    }
    QSaveFile output(targetFile);
    if (!output.open(QIODevice::WriteOnly)) {
        error = u"cannot write "_s + targetFile;
        return false;
    }
    Big5Codec codec;
    if (!codec.isValid()) {
        error = u"this Qt has no Big5 codec"_s;
        return false;
    }
    while (!input.atEnd()) {
        QString line = QString::fromUtf8(input.readLine()).trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.startsWith(u'#')) {
            ++summary.headerLines;
            if (QString(line).remove(u' ').compare(u"#!charset=UTF-8"_s, Qt::CaseInsensitive) == 0)
                line = u"#! charset=Big5"_s;
            output.write(big5Text(line, codec, summary.replacedCharacters) + "\r\n");
            continue;
        }
        if (line.isEmpty())
            continue;
        const std::optional<Utf8Line> entry = Utf8Line::parse(line);
        if (!entry) {
            ++summary.malformed;
            continue;
        }
        const std::optional<QByteArray> big5 =
            big5CedictLine(*entry, codec, summary.replacedCharacters);
        if (!big5) {
            ++summary.withoutBig5;
            continue;
        }
        output.write(*big5 + "\r\n");
        ++summary.entries;
    }
    if (!output.commit()) {
        error = u"cannot write "_s + targetFile;
        return false;
    }
    return true;
}
