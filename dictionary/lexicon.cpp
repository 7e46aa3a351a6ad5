#include "dictionary/lexicon.h"

#include "dictionary/charactercode.h"
#include "dictionary/characterforms.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/frequencies.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

Lexicon Lexicon::load(const QString &programFolder)
{
    Lexicon lexicon;
    lexicon.setSimplifiedForms(CharacterForms::simplifiedTable(programFolder));
    SqliteConnection store(Tables::storePath(programFolder, Tables::wordStore),
                           SqliteConnection::Mode::ReadOnly);
    if (!store.isOpen())
        return lexicon;
    QStringList columns{u"rowid"_s, WordField::teckenkoder, WordField::pinyin};
    for (int i = 1; i <= Tables::translationCount; ++i)
        columns << WordField::translation(i);
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT %1 FROM Tabell1 ORDER BY rowid"_s.arg(columns.join(u", "_s)))) {
        qCDebug(lcDictionary) << "lexicon: word table unreadable" << store.errorText();
        return lexicon;
    }
    QStringList glosses;
    lexicon.reserve(qsizetype(160000));
    while (query.next()) {
        LexiconEntry entry;
        entry.rowId = query.value(0).toLongLong();
        entry.traditional = CharacterCode::characters(query.value(1).toString().trimmed());
        if (entry.traditional.isEmpty())
            continue;
        entry.simplified = lexicon.toSimplified(entry.traditional);
        entry.pinyin = query.value(2).toString().trimmed();
        glosses.clear();
        for (int i = 0; i < Tables::translationCount; ++i) {
            const QString gloss = query.value(3 + i).toString().trimmed();
            if (!gloss.isEmpty())
                glosses << gloss;
        }
        entry.firstGloss = glosses.value(0);
        lexicon.append(std::move(entry), glosses);
    }
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
    for (QChar &c : text)
        c = QChar(m_simplified.value(c.unicode(), c.unicode()));
    return text;
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
