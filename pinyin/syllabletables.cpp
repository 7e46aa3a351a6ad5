#include "pinyin/syllabletables.h"

#include <span>
#include <string_view>

QVector<SyllableEntry> SyllableIndex;
QVector<QString> CandidateList;
bool traditionalLoaded = false;
static bool traditionalInUse = false;

namespace {

struct GeneratedSyllable
{
    std::u16string_view syllable;
    std::u16string_view candidates;
};

#include "resources/syllabletables.inc"

constexpr std::size_t candidateCount(std::span<const GeneratedSyllable> syllables)
{
    std::size_t count = 0;
    for (const GeneratedSyllable &row : syllables)
        count += row.candidates.size();
    return count;
}

// Entry 0 and at least one empty entry frame the syllables; the data must fit its arrays.
static_assert(std::size(simplifiedSyllables) + 1 <= simplifiedIndexBound);
static_assert(std::size(traditionalSyllables) + 1 <= traditionalIndexBound);
static_assert(candidateCount(simplifiedSyllables) <= simplifiedCandidateBound);
static_assert(candidateCount(traditionalSyllables) <= traditionalCandidateBound);

// The strings point into the compiled-in data, so a load allocates only the two arrays.
QString staticText(const char16_t *units, qsizetype size)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(units), size);
}

void loadTable(std::span<const GeneratedSyllable> syllables, int indexBound, int candidateBound)
{
    QVector<SyllableEntry> index(indexBound + 1);
    QVector<QString> candidates(candidateBound + 1);
    qsizetype next = 0;
    for (std::size_t i = 0; i < syllables.size(); ++i) {
        const GeneratedSyllable &row = syllables[i];
        SyllableEntry &entry = index[qsizetype(i) + 1];
        entry.syllable = staticText(row.syllable.data(), qsizetype(row.syllable.size()));
        entry.first = float(next);
        for (std::size_t unit = 0; unit < row.candidates.size(); ++unit)
            candidates[next++] = staticText(row.candidates.data() + unit, 1);
        entry.last = float(next - 1);
    }
    SyllableIndex = std::move(index);
    CandidateList = std::move(candidates);
}

// By code unit; most entries differ in the first unit, so a plain loop beats a string compare.
bool beginsWith(QStringView text, QStringView prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (text[i] != prefix[i])
            return false;
    }
    return true;
}

} // namespace

void loadSimplifiedTable()
{
    traditionalInUse = false;
    loadTable(simplifiedSyllables, simplifiedIndexBound, simplifiedCandidateBound);
}

void loadTraditionalTable()
{
    traditionalLoaded = true;
    traditionalInUse = true;
    loadTable(traditionalSyllables, traditionalIndexBound, traditionalCandidateBound);
}

SyllableEntry findSyllableRange(const QString &input)
{
    SyllableEntry range;
    bool found = false;
    for (qsizetype i = 1; i < SyllableIndex.size(); ++i) {
        const SyllableEntry &entry = SyllableIndex.at(i);
        if (beginsWith(entry.syllable, input)) {
            if (!found)
                range.first = entry.first;
            range.last = entry.last;
            found = true;
        } else if (found) {
            return range;
        }
    }
    // Also the answer for empty input, which matches the empty entries at the end as well.
    return {QString(), -1, 0};
}

bool traditionalTableInUse()
{
    return traditionalInUse;
}

QVector<QStringView> simplifiedSyllableKeys()
{
    QVector<QStringView> keys;
    keys.reserve(qsizetype(std::size(simplifiedSyllables)));
    for (const GeneratedSyllable &row : simplifiedSyllables)
        keys << QStringView(row.syllable.data(), qsizetype(row.syllable.size()));
    return keys;
}
