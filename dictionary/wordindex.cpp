#include "dictionary/wordindex.h"

#include "dictionary/characterforms.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/wordrows.h"

#include <QSet>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int toneBits = 3;
constexpr quint16 toneMask = (1 << toneBits) - 1;

bool isLetters(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || c == u':';
    });
}

} // namespace

std::shared_ptr<const WordIndex> WordIndex::build(const QString &programFolder,
                                                  const Frequencies &frequencies)
{
    auto index = std::make_shared<WordIndex>();
    const QHash<char16_t, char16_t> simplified = CharacterForms::simplifiedTable(programFolder);
    QList<Syllable> syllables;
    const bool read = WordRows::read(programFolder, 1, [&](const WordRow &row) {
        const QString &traditional = row.characters;
        const bool properNoun = !row.pinyin.isEmpty() && row.pinyin.front().isUpper();
        const QStringList readings = row.pinyin.toLower().split(u' ', Qt::SkipEmptyParts);
        // Words whose reading is not one syllable per character (AA制, ...) cannot be typed.
        if (readings.size() != traditional.size() || readings.size() > 255)
            return;
        syllables.clear();
        for (const QString &syllable : readings) {
            const QString letters = PinyinRun::canonical(syllable);
            const QChar last = syllable.back();
            const int tone = last >= u'1' && last <= u'5' ? last.digitValue() : 0;
            const int id = isLetters(letters) ? index->syllableId(letters) : -1;
            if (id < 0)
                break;
            syllables << Syllable(id << toneBits | tone);
        }
        if (syllables.size() != readings.size())
            return;
        const QString simple = CharacterForms::simplifiedBy(simplified, traditional);
        const quint64 count =
            std::max(frequencies.wordCount(simple), frequencies.wordCount(traditional));
        index->add(traditional, simple, syllables, row.glosses.value(0), count, properNoun);
    });
    if (!read)
        qCDebug(lcDictionary) << "No word table in" << programFolder
                              << "- the editor offers characters";
    index->finish();
#ifdef __GLIBC__
    // Reading left megabytes of freed scratch (query rows, the frequency list) that glibc
    // would otherwise keep for the life of the program.
    malloc_trim(0);
#endif
    return index;
}

int WordIndex::syllableId(const QString &letters)
{
    const auto found = m_syllableIds.constFind(letters);
    if (found != m_syllableIds.cend())
        return *found;
    // Ids share 16 bits with the tone; Mandarin has some 400 syllables, so only a malformed
    // table runs out of them.
    if (m_syllableNames.size() >= 1 << (16 - toneBits))
        return -1;
    const auto id = int(m_syllableNames.size());
    m_syllableNames << letters;
    m_syllableIds.insert(letters, quint16(id));
    return id;
}

void WordIndex::add(QStringView traditional, QStringView simplified,
                    const QList<Syllable> &syllables, const QString &gloss, quint64 frequency,
                    bool properNoun)
{
    Entry entry;
    entry.text = quint32(m_texts.size());
    entry.length = quint16(traditional.size());
    m_texts += traditional;
    m_texts += simplified;
    entry.syllables = quint32(m_syllables.size());
    entry.syllableCount = quint8(syllables.size());
    m_syllables.insert(m_syllables.end(), syllables.cbegin(), syllables.cend());
    const QByteArray utf8 = gloss.toUtf8().left(0xFFFF);
    entry.gloss = quint32(m_glosses.size());
    entry.glossLength = quint16(utf8.size());
    m_glosses += utf8;
    entry.frequency = quint32(std::min<quint64>(frequency, 0xFFFFFFFF));
    entry.properNoun = properNoun;
    m_entries.push_back(entry);
}

void WordIndex::finish()
{
    for (quint32 i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        if (entry.syllableCount >= 2) {
            const quint32 first = m_syllables[entry.syllables] >> toneBits;
            m_byStart[first << 8 | entry.syllableCount].push_back(i);
        } else if (entry.syllableCount == 1) {
            m_byCharacter[m_texts.at(entry.text).unicode()].push_back(i);
            const QChar simple = m_texts.at(entry.text + entry.length);
            if (simple != m_texts.at(entry.text))
                m_byCharacter[simple.unicode()].push_back(i);
        }
    }
    // Most frequent first; among words as frequent, common words before names (中古 medieval
    // before 中古 Sino-Cuban), then the table's order.
    const auto byFrequency = [this](quint32 a, quint32 b) {
        const Entry &x = m_entries[a];
        const Entry &y = m_entries[b];
        if (x.frequency != y.frequency)
            return x.frequency > y.frequency;
        return !x.properNoun && y.properNoun;
    };
    for (auto &list : m_byStart)
        std::stable_sort(list.begin(), list.end(), byFrequency);
    for (auto &list : m_byCharacter)
        std::stable_sort(list.begin(), list.end(), byFrequency);
    m_texts.squeeze();
    m_glosses.squeeze();
    m_syllables.shrink_to_fit();
}

bool WordIndex::matches(const Entry &entry, const QVector<int> &ids, const QVector<int> &tones,
                        const std::vector<bool> &lastBegins, int take) const
{
    const bool toLast = take == ids.size();
    for (int j = 0; j < take; ++j) {
        const Syllable syllable = m_syllables[entry.syllables + j];
        const int id = syllable >> toneBits;
        const bool fits = toLast && j == take - 1 ? lastBegins[id] : id == ids[j];
        if (!fits || (tones[j] != 0 && tones[j] != (syllable & toneMask)))
            return false;
    }
    return true;
}

QList<Candidate> WordIndex::words(const QList<TypedSyllable> &typed, bool traditional) const
{
    QList<Candidate> found;
    const int n = int(typed.size());
    if (n < 2)
        return found;
    QVector<int> ids(n, -1);
    QVector<int> tones(n, 0);
    for (int j = 0; j < n; ++j) {
        ids[j] = m_syllableIds.value(typed[j].letters, -1);
        tones[j] = typed[j].tone;
    }
    if (ids[0] < 0)
        return found;
    std::vector<bool> lastBegins(m_syllableNames.size());
    for (qsizetype id = 0; id < m_syllableNames.size(); ++id)
        lastBegins[id] = m_syllableNames[id].startsWith(typed.last().letters);

    QSet<QStringView> shown;
    for (int take = n; take >= 2; --take) {
        // A syllable before the last typed one must be whole and known.
        if (take < n && ids[take - 1] < 0)
            continue;
        const auto bucket = m_byStart.constFind(quint32(ids[0]) << 8 | quint32(take));
        if (bucket == m_byStart.cend())
            continue;
        for (const quint32 i : *bucket) {
            const Entry &entry = m_entries[i];
            if (!matches(entry, ids, tones, lastBegins, take))
                continue;
            const QStringView text = QStringView(m_texts).mid(
                entry.text + (traditional ? 0 : entry.length), entry.length);
            if (shown.contains(text))
                continue;
            shown.insert(text);
            found << candidate(entry, traditional, take);
        }
    }
    return found;
}

Candidate WordIndex::candidate(const Entry &entry, bool traditional, int take) const
{
    Candidate c;
    c.text = m_texts.mid(entry.text + (traditional ? 0 : entry.length), entry.length);
    c.syllables = take;
    c.pinyin = pinyin(entry);
    c.gloss = QString::fromUtf8(m_glosses.constData() + entry.gloss, entry.glossLength);
    return c;
}

// "zhong1 guo2"; ü as the dictionary writes it, "lu:e4".
QString WordIndex::pinyin(const Entry &entry) const
{
    QString text;
    for (int j = 0; j < entry.syllableCount; ++j) {
        const Syllable syllable = m_syllables[entry.syllables + j];
        QString letters = m_syllableNames.at(syllable >> toneBits);
        if (letters == u"lue" || letters == u"nue")
            letters.insert(2, u':');
        if (j > 0)
            text += u' ';
        text += letters;
        if (const int tone = syllable & toneMask)
            text += QChar(char16_t(u'0' + tone));
    }
    return text;
}

void WordIndex::describeCharacter(Candidate &character, QStringView syllableStart) const
{
    if (character.text.size() != 1)
        return;
    const auto readings = m_byCharacter.constFind(character.text.at(0).unicode());
    if (readings == m_byCharacter.cend() || readings->empty())
        return;
    // The reading typed, the commonest first; any reading when none begins so.
    quint32 best = readings->front();
    for (const quint32 i : *readings) {
        const Syllable syllable = m_syllables[m_entries[i].syllables];
        if (m_syllableNames.at(syllable >> toneBits).startsWith(syllableStart)) {
            best = i;
            break;
        }
    }
    const Entry &entry = m_entries[best];
    character.pinyin = pinyin(entry);
    character.gloss = QString::fromUtf8(m_glosses.constData() + entry.gloss, entry.glossLength);
}
