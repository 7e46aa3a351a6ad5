#include "tools/data/frequencystore.h"

#include "cedict/pendingwordtable.h"
#include "dictionary/frequencies.h"
#include "platform/sqliteconnection.h"
#include "tools/common/unihan.h"
#include "tools/data/tonenumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// "word count pos" -> word: count; a word listed twice keeps its larger count.
bool readWordList(const QString &path, QHash<QString, quint64> &counts, qint64 &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split(' ');
        bool ok = false;
        const quint64 count = parts.size() >= 2 ? parts.at(1).toULongLong(&ok) : 0;
        if (!ok || count == 0)
            continue;
        ++lines;
        quint64 &kept = counts[QString::fromUtf8(parts.at(0))];
        kept = std::max(kept, count);
    }
    return true;
}

// "中國 中国 [Zhong1 guo2] /China/" -> key: count for both forms. A traditional form shared by
// several simplified words (乾 of 干 and 乾) keeps the largest count.
bool collectDictionaryWords(const QString &path, const QHash<QString, quint64> &corpus,
                            std::map<QString, quint64> &words)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 3)
            continue;
        const QString traditional = QString::fromUtf8(parts.at(0));
        const QString simplified = QString::fromUtf8(parts.at(1));
        const quint64 count = std::max(corpus.value(simplified), corpus.value(traditional));
        if (count == 0)
            continue;
        for (const QString &form : {simplified, traditional}) {
            quint64 &kept = words[form];
            kept = std::max(kept, count);
        }
    }
    return true;
}

// kFrequency ranks mostly traditional characters; a simplified character without a rank of its
// own takes the best rank of its traditional forms (绿 from 綠).
bool readCharacterRanks(const QString &unihanFolder, std::map<char32_t, int> &ranks)
{
    const QDir folder(unihanFolder);
    if (!readUnihanFile(
            folder.filePath(u"Unihan_DictionaryLikeData.txt.bz2"_s),
            [&ranks](char32_t codePoint, const QByteArray &field, const QByteArray &value) {
                const int rank = value.toInt();
                if (field == "kFrequency" && rank >= 1 && rank <= 5)
                    ranks[codePoint] = rank;
            }))
        return false;
    std::map<char32_t, int> borrowed;
    const QString variants = folder.filePath(u"Unihan_Variants.txt.bz2"_s);
    if (!QFileInfo::exists(variants))
        return true;
    const bool read = readUnihanFile(
        variants, [&](char32_t codePoint, const QByteArray &field, const QByteArray &value) {
            if (field != "kTraditionalVariant" || ranks.count(codePoint))
                return;
            for (const QByteArray &variant : value.split(' ')) {
                bool ok = false;
                const auto traditional = char32_t(variant.mid(2).toUInt(&ok, 16));
                const auto ranked = ranks.find(traditional);
                if (!ok || ranked == ranks.end())
                    continue;
                int &rank = borrowed[codePoint];
                rank = rank == 0 ? ranked->second : std::min(rank, ranked->second);
            }
        });
    ranks.insert(borrowed.begin(), borrowed.end());
    return read;
}

using ReadingCounts = std::map<std::pair<char32_t, QString>, qint64>;

// "U+4E86 kHanyuPinlu le(30101) liǎo(654)" -> (了, "le5"): 30101, (了, "liao3"): 654. Without
// the readings file every entry keeps its word's count.
bool readReadingCounts(const QString &unihanFolder, ReadingCounts &counts)
{
    const QString file = QDir(unihanFolder).filePath(u"Unihan_Readings.txt.bz2"_s);
    if (!QFileInfo::exists(file))
        return true;
    return readUnihanFile(file, [&counts](char32_t codePoint, const QByteArray &field,
                                          const QByteArray &value) {
        if (field != "kHanyuPinlu")
            return;
        for (const QByteArray &item : value.split(' ')) {
            const qsizetype open = item.indexOf('(');
            bool ok = false;
            const qint64 count = open > 0 && item.endsWith(')')
                                     ? item.mid(open + 1, item.size() - open - 2).toLongLong(&ok)
                                     : 0;
            if (!ok || count <= 0)
                continue;
            const QString reading =
                Frequencies::readingKey(toneNumberPinyin(QString::fromUtf8(item.left(open))));
            counts[{codePoint, reading}] += count;
        }
    });
}

bool writeStore(const QString &file, const std::map<QString, quint64> &words,
                const std::map<char32_t, int> &ranks, const ReadingCounts &readings, QString &error)
{
    SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    QSqlDatabase &db = connection.database();
    if (!connection.isOpen() || !Frequencies::createTables(db) || !db.transaction()) {
        error = u"cannot create %1: %2"_s.arg(file, connection.errorText());
        return false;
    }
    QSqlQuery insert(db);
    insert.prepare(u"INSERT INTO words (word, count) VALUES (?, ?)"_s);
    for (const auto &[word, count] : words) {
        insert.bindValue(0, word);
        insert.bindValue(1, qint64(count));
        if (!insert.exec()) {
            error = insert.lastError().text();
            return false;
        }
    }
    insert.prepare(u"INSERT INTO characters (code, rank) VALUES (?, ?)"_s);
    for (const auto &[code, rank] : ranks) {
        insert.bindValue(0, uint(code));
        insert.bindValue(1, rank);
        if (!insert.exec()) {
            error = insert.lastError().text();
            return false;
        }
    }
    insert.prepare(u"INSERT INTO readings (code, reading, count) VALUES (?, ?, ?)"_s);
    for (const auto &[key, count] : readings) {
        insert.bindValue(0, uint(key.first));
        insert.bindValue(1, key.second);
        insert.bindValue(2, count);
        if (!insert.exec()) {
            error = insert.lastError().text();
            return false;
        }
    }
    insert.finish();
    if (!db.commit()) {
        error = connection.errorText();
        return false;
    }
    return true;
}

} // namespace

bool buildFrequencyStore(const QString &wordListFile, const QString &unihanFolder,
                         const QString &cedictFile, const QString &targetFile,
                         FrequencyStoreSummary &summary, QString &error)
{
    QHash<QString, quint64> corpus;
    if (!readWordList(wordListFile, corpus, summary.corpusWords)) {
        error = u"cannot read the word list %1"_s.arg(wordListFile);
        return false;
    }
    std::map<QString, quint64> words;
    if (!collectDictionaryWords(cedictFile, corpus, words)) {
        error = u"cannot read CC-CEDICT at %1"_s.arg(cedictFile);
        return false;
    }
    std::map<char32_t, int> ranks;
    if (!readCharacterRanks(unihanFolder, ranks)) {
        error = u"cannot read Unihan_DictionaryLikeData.txt.bz2 in %1"_s.arg(unihanFolder);
        return false;
    }
    ReadingCounts readings;
    if (!readReadingCounts(unihanFolder, readings)) {
        error = u"cannot read Unihan_Readings.txt.bz2 in %1"_s.arg(unihanFolder);
        return false;
    }
    QDir().mkpath(QFileInfo(targetFile).absolutePath());
    const QString staging = stagingFileFor(targetFile);
    QFile::remove(staging);
    const bool written = writeStore(staging, words, ranks, readings, error);
    if (!written || !replaceFile(staging, targetFile)) {
        QFile::remove(staging);
        if (error.isEmpty())
            error = u"cannot rename %1 to %2"_s.arg(staging, targetFile);
        return false;
    }
    summary.words = qint64(words.size());
    summary.characters = qint64(ranks.size());
    summary.readings = qint64(readings.size());
    return true;
}
