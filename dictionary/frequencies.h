#pragma once

// How common a word or a character is, for ranking: word counts from a published corpus count
// (jieba's dict.txt) and Unihan's kFrequency for characters, both read from frequency.db in
// the program folder. Only words that the word table knows are kept there, under both their
// simplified and their traditional form.
//
//   wordCount(u"中国") -> 61,290    wordCount(u"中國") -> the same    wordCount(u"xyz") -> 0
//   characterRank(U'的') -> 1 (most frequent) .. 5;  characterRank(U'𠀀') -> 0 (no rank)
//
// A character with several readings shares its count among them by Unihan's kHanyuPinlu
// (了: le 30101, liǎo 654, liào 19), so that a rare reading does not borrow the common one's:
//   entryCount(u"了", u"了", u"liao3") -> wordCount(u"了") * 654 / 30774

#include <QLatin1StringView>
#include <QSqlDatabase>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

class Frequencies
{
public:
    static constexpr QLatin1StringView storeFile{"frequency.db"};

    // Nothing is read until the first question; a missing or unreadable store answers 0 to
    // everything and says why once in the debug log. Copies share what has been loaded, and
    // the questions may be asked from any thread.
    explicit Frequencies(const QString &programFolder);

    // Corpus count of a simplified or traditional word; 0 for a word without one.
    quint64 wordCount(QStringView word) const;
    // 1 = among the most frequent characters .. 5; 0 when Unihan gives none.
    int characterRank(char32_t character) const;

    // The part of a character's uses that are in this reading ("shuo1", "le5", "lu:4"): 0 for
    // a reading the character's counts leave out; nothing when there are no reading counts
    // for the character at all.
    std::optional<double> readingShare(char32_t character, QStringView toneNumberReading) const;
    // The count that ranks a dictionary entry: the word's count, shared out by reading when
    // the entry is one character whose readings are counted.
    quint64 entryCount(QStringView traditional, QStringView simplified,
                       QStringView toneNumberReading) const;

    // "Shuo1" -> "shuo1", "lu:4"/"lü4"/"luu4" -> "lv4", "le" -> "le5": how readings are
    // compared and stored.
    static QString readingKey(QStringView toneNumberReading);

    // The store's tables, for the builder and for tests:
    //   words(word TEXT PRIMARY KEY, count INTEGER)   characters(code INTEGER PRIMARY KEY, rank
    //   INTEGER)   readings(code INTEGER, reading TEXT (a readingKey), count INTEGER)
    static bool createTables(QSqlDatabase &db);

private:
    struct Store;
    std::shared_ptr<Store> m_store;
};
