#include "cedict/big5cedict.h"

#include "cedict/big5codec.h"
#include "cedict/utf8line.h"
#include "platform/savefile.h"

#include <QFile>
#include <QRegularExpression>

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

QByteArray big5CedictText(QByteArrayView utf8Content, Big5Codec &codec, Big5CedictSummary &summary)
{
    QByteArray header;
    QByteArray out;
    out.reserve(utf8Content.size());
    qsizetype entriesLineAt = -1;
    qsizetype from = 0;
    while (from < utf8Content.size()) {
        qsizetype end = utf8Content.indexOf('\n', from);
        if (end < 0)
            end = utf8Content.size();
        QString line = QString::fromUtf8(utf8Content.sliced(from, end - from)).trimmed();
        from = end + 1;
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.startsWith(u'#')) {
            ++summary.headerLines;
            const QString setting = QString(line).remove(u' ').toLower();
            if (setting == u"#!charset=utf-8")
                line = u"#! charset=Big5"_s;
            // It names the entries of the UTF-8 file; the Big5 one holds fewer. Filled in below.
            if (setting.startsWith(u"#!entries=")) {
                entriesLineAt = header.size();
                continue;
            }
            header += big5Text(line, codec, summary.replacedCharacters) + "\r\n";
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
        out += *big5 + "\r\n";
        ++summary.entries;
    }
    if (entriesLineAt >= 0)
        header.insert(entriesLineAt, "#! entries=" + QByteArray::number(summary.entries) + "\r\n");
    return header + out;
}

bool writeBig5Cedict(const QString &utf8File, const QString &targetFile, Big5CedictSummary &summary,
                     QString &error)
{
    QFile input(utf8File);
    if (!input.open(QIODevice::ReadOnly)) {
        error = u"cannot read "_s + utf8File;
        return false;
    }
    Big5Codec codec;
    if (!codec.isValid()) {
        error = u"this Qt has no Big5 codec"_s;
        return false;
    }
    const QByteArray text = big5CedictText(input.readAll(), codec, summary);
    if (!writeWholeFile(targetFile, text, &error)) {
        error = u"cannot write %1: %2"_s.arg(targetFile, error);
        return false;
    }
    return true;
}
