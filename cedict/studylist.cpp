#include "cedict/studylist.h"

#include "cedict/big5codec.h"
#include "pinyin/tonemarks.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace StudyList {

namespace {

// Lines saved one by one: a list this long is no study list.
constexpr qint64 maxListBytes = 64 * 1024 * 1024;

QString listPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(fileName);
}

QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return Big5Codec().decode(bytes);
}

// CEDICT readings to tone marks: "shui3 r5" -> "shuǐ r", "lu:5" -> "lü". Flashcards write the
// neutral tone without a mark or digit.
QString markedPinyin(QStringView reading)
{
    QStringList syllables;
    for (QStringView syllable : reading.split(u' ', Qt::SkipEmptyParts)) {
        QString text = syllable.toString();
        const bool neutral = text.size() > 1 && text.endsWith(u'5') &&
                             (text.at(text.size() - 2).isLetter() || text.endsWith(u":5"));
        if (neutral) {
            text.chop(1);
            text.replace(u"u:"_s, u"\u00FC"_s).replace(u"U:"_s, u"\u00DC"_s);
        }
        syllables << text;
    }
    return toneNumbersToUnicode(syllables.join(u' '));
}

// Tab-separated fields hold no tabs or line breaks; one that starts with a quote is quoted, or
// importers that read CSV rules would take the quote for theirs.
QString tsvField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    if (text.startsWith(u'"'))
        return u'"' + text.replace(u"\""_s, u"\"\""_s) + u'"';
    return text;
}

} // namespace

TextLine lineAt(QStringView text, qsizetype caret)
{
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    const qsizetype start = caret == 0 ? 0 : text.lastIndexOf(u'\n', caret - 1) + 1;
    qsizetype end = text.indexOf(u'\n', caret);
    if (end < 0)
        end = text.size();
    if (end > start && text.at(end - 1) == u'\r')
        --end;
    return {start, end - start};
}

bool append(const QString &programFolder, QStringView line, QString *error)
{
    QString text = line.toString();
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
    }
    text = text.trimmed();
    if (text.isEmpty())
        return true;

    const QString path = listPath(programFolder);
    QByteArray existing;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        // A list that cannot be read is not overwritten; a FIFO in its place would block.
        RegularFile::Refusal refusal = RegularFile::Refusal::None;
        const std::optional<QByteArray> read = RegularFile::read(path, maxListBytes, &refusal);
        if (!read) {
            if (error)
                *error = path + u' ' + RegularFile::describe(refusal, maxListBytes);
            return false;
        }
        existing = *read;
    }
    const QByteArray lineEnd = existing.contains("\r\n") ? "\r\n" : "\n";
    QByteArray content = existing;
    if (!content.isEmpty() && !content.endsWith('\n'))
        content += lineEnd;
    content += text.toUtf8() + lineEnd;
    return writeWholeFile(path, content, error);
}

SaveOutcome save(const QString &programFolder, QStringView line, QString *error)
{
    const std::optional<Flashcard> card = flashcard(line);
    if (!card)
        return SaveOutcome::NotAnEntry;
    for (const QString &saved : lines(programFolder)) {
        const std::optional<Flashcard> other = flashcard(saved);
        if (other && other->characters == card->characters && other->pinyin == card->pinyin)
            return SaveOutcome::AlreadySaved;
    }
    return append(programFolder, line, error) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

QStringList lines(const QString &programFolder)
{
    std::optional<QByteArray> read = RegularFile::read(listPath(programFolder), maxListBytes);
    if (!read)
        return {};
    QByteArray bytes = *read;
    if (bytes.startsWith("\xEF\xBB\xBF")) // saved again by an editor that marks UTF-8
        bytes.remove(0, 3);
    QStringList result;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = decodeLine(line).trimmed();
        if (!text.isEmpty())
            result << text;
    }
    return result;
}

std::optional<Flashcard> flashcard(QStringView line)
{
    line = line.trimmed();
    const qsizetype open = line.indexOf(u'[');
    const qsizetype close = open < 0 ? -1 : line.indexOf(u']', open);
    if (open <= 0 || close < 0)
        return std::nullopt;
    const QStringView glosses = line.sliced(close + 1).trimmed();
    if (!glosses.startsWith(u'/'))
        return std::nullopt;
    QStringList english;
    for (QStringView gloss : glosses.split(u'/', Qt::SkipEmptyParts)) {
        if (!gloss.trimmed().isEmpty())
            english << gloss.trimmed().toString();
    }
    if (english.isEmpty())
        return std::nullopt;
    return Flashcard{line.first(open).trimmed().toString(),
                     markedPinyin(line.sliced(open + 1, close - open - 1)), english.join(u"; "_s)};
}

ExportSummary exportFlashcards(const QString &programFolder, const QString &targetFile)
{
    ExportSummary summary;
    const QStringList saved = lines(programFolder);
    QByteArray content;
    QSet<QString> exported; // characters and reading: lists saved before refusals held repeats
    for (const QString &line : saved) {
        const std::optional<Flashcard> card = flashcard(line);
        if (!card) {
            ++summary.skipped;
            continue;
        }
        const QString word = card->characters + u'\t' + card->pinyin;
        if (exported.contains(word)) {
            ++summary.duplicates;
            continue;
        }
        exported.insert(word);
        ++summary.cards;
        content += (tsvField(card->characters) + u'\t' + tsvField(card->pinyin) + u'\t' +
                    tsvField(card->english) + u'\n')
                       .toUtf8();
    }
    if (summary.cards == 0) {
        summary.error =
            saved.isEmpty()
                ? u"The study list is empty: save lines with \"Save character\" first."_s
                : u"No line of the study list is a dictionary entry."_s;
        return summary;
    }
    writeWholeFile(targetFile, content, &summary.error);
    return summary;
}

} // namespace StudyList
