#include "dictionary/lexicon.h"

#include "dictionary/characterforms.h"
#include "dictionary/frequencies.h"
#include "dictionary/tables.h"
#include "dictionary/wordrows.h"

Lexicon Lexicon::load(const QString &programFolder)
{
    Lexicon lexicon;
    lexicon.setSimplifiedForms(CharacterForms::simplifiedTable(programFolder));
    lexicon.reserve(qsizetype(160000));
    const bool read =
        WordRows::read(programFolder, Tables::translationCount, [&lexicon](const WordRow &row) {
            LexiconEntry entry;
            entry.rowId = row.rowId;
            entry.traditional = row.characters;
            entry.simplified = lexicon.toSimplified(row.characters);
            entry.pinyin = row.pinyin;
            entry.firstGloss = row.glosses.value(0);
            lexicon.append(std::move(entry), row.glosses);
        });
    if (!read)
        return lexicon;
    const Frequencies frequencies(programFolder);
    lexicon.setWordCounts([&frequencies](const LexiconEntry &entry) {
        return frequencies.entryCount(entry.traditional, entry.simplified, entry.pinyin);
    });
    return lexicon;
}

void Lexicon::append(LexiconEntry entry, const QStringList &glosses)
{
    const int index = int(m_entries.size());
    m_headwordStarts.append(m_headwords.size());
    m_headwords += entry.traditional + u'\t' + entry.simplified + u'\n';
    m_byHeadword[entry.traditional].append(index);
    if (entry.simplified != entry.traditional)
        m_byHeadword[entry.simplified].append(index);
    m_longestHeadword = std::max<int>(m_longestHeadword, int(entry.traditional.size()));

    // "Zhong1 guo2" -> "zhongguo" with tones 1111 2222 + 5 for the line end.
    m_readingStarts.append(m_readings.size());
    const QString reading = entry.pinyin.toLower();
    for (const QStringView syllable : QStringView(reading).tokenize(u' ', Qt::SkipEmptyParts)) {
        int tone = 0;
        if (!syllable.isEmpty() && syllable.back() >= u'1' && syllable.back() <= u'5')
            tone = syllable.back().unicode() - u'0';
        const qsizetype first = m_readings.size();
        for (qsizetype i = 0; i < syllable.size(); ++i) {
            QChar c = syllable[i];
            if (c == u'u' && i + 1 < syllable.size() && syllable[i + 1] == u':') {
                c = u'v';
                ++i;
            } else if (c == u'ü') {
                c = u'v';
            }
            if (c < u'a' || c > u'z')
                continue;
            m_readings += c;
            ++m_readingLetters[c.unicode()];
            m_tones.append(char(tone));
            m_edges.append(char(0));
        }
        if (m_readings.size() > first) {
            m_edges[first] = char(m_edges[first] | Start);
            m_edges[m_readings.size() - 1] = char(m_edges[m_readings.size() - 1] | End);
        }
    }
    m_readings += u'\n';
    m_tones.append(char(0));
    m_edges.append(char(Start | End));

    m_glossStarts.append(m_glosses.size());
    const qsizetype glossFrom = m_glosses.size();
    m_glosses += u'/';
    for (const QString &gloss : glosses)
        m_glosses += gloss.toLower() + u'/';
    m_glosses += u'\n';
    for (qsizetype i = glossFrom; i < m_glosses.size(); ++i) {
        if (m_glosses[i].unicode() < 128)
            ++m_glossLetters[m_glosses[i].unicode()];
    }

    m_entries.append(std::move(entry));
}

void Lexicon::reserve(qsizetype entries)
{
    m_entries.reserve(entries);
    m_byHeadword.reserve(entries * 3 / 2);
    m_headwordStarts.reserve(entries);
    m_readingStarts.reserve(entries);
    m_glossStarts.reserve(entries);
    m_headwords.reserve(entries * 8);
    m_readings.reserve(entries * 12);
    m_tones.reserve(entries * 12);
    m_edges.reserve(entries * 12);
    m_glosses.reserve(entries * 48);
}

QString Lexicon::toSimplified(QString text) const
{
    return CharacterForms::simplifiedBy(m_simplified, std::move(text));
}

void Lexicon::setWordCounts(const WordCounter &counter)
{
    for (LexiconEntry &entry : m_entries)
        entry.count = counter ? counter(entry) : 0;
}

int Lexicon::entryAt(const QVector<qsizetype> &starts, qsizetype at, int hint)
{
    int entry = std::max(hint, 0);
    while (entry + 1 < starts.size() && starts.at(entry + 1) <= at)
        ++entry;
    return entry;
}
