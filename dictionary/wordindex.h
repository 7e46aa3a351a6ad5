#pragma once

// The word table by syllables, for the Chinese editor's input method: every word read once
// into a compact index, each with its corpus count, its simplified and traditional form, its
// reading and its first gloss, so that a keystroke never waits for the store.
//
//   typed "zhong guo"  -> 中国 (中國 with the traditional table), then 中果 ... by frequency
//   typed "zhong g"    -> 中国, 中共 ... (the last syllable may be only begun)

#include "dictionary/frequencies.h"
#include "pinyin/wordsource.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

class WordIndex final : public WordSource
{
public:
    // Reads the word table and the character table's simplified forms in programFolder; a
    // missing store gives an empty index. Takes a good tenth of a second on the full table:
    // windows build it off their thread.
    static std::shared_ptr<const WordIndex> build(const QString &programFolder,
                                                  const Frequencies &frequencies);

    QList<Candidate> words(const QList<TypedSyllable> &typed, bool traditional) const override;
    void describeCharacter(Candidate &character, QStringView syllableStart) const override;

    qsizetype size() const { return qsizetype(m_entries.size()); }

private:
    struct Entry
    {
        quint32 text = 0;      // into m_texts: the traditional form, then the simplified one
        quint32 syllables = 0; // into m_syllables
        quint32 gloss = 0;     // into m_glosses
        quint32 frequency = 0;
        quint16 length = 0; // UTF-16 units of each form
        quint16 glossLength = 0;
        quint8 syllableCount = 0;
        bool properNoun = false; // the reading is capitalised: a name
    };
    using Syllable = quint16; // id << 3 | tone

    void add(QStringView traditional, QStringView simplified, const QList<Syllable> &syllables,
             const QString &gloss, quint64 frequency, bool properNoun);
    void finish();
    int syllableId(const QString &letters); // -1 when the ids are used up
    bool matches(const Entry &entry, const QVector<int> &ids, const QVector<int> &tones,
                 const std::vector<bool> &lastBegins, int take) const;
    Candidate candidate(const Entry &entry, bool traditional, int take) const;
    QString pinyin(const Entry &entry) const;

    std::vector<Entry> m_entries;
    QString m_texts;
    std::vector<Syllable> m_syllables;
    QByteArray m_glosses; // UTF-8
    QVector<QString> m_syllableNames;
    QHash<QString, quint16> m_syllableIds;
    // Words of two syllables or more by (first syllable, syllable count), most frequent first.
    QHash<quint32, std::vector<quint32>> m_byStart;
    // One-syllable words by character, either form, most frequent first: the readings of a
    // candidate character.
    QHash<char16_t, std::vector<quint32>> m_byCharacter;
};
