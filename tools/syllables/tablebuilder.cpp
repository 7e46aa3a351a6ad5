#include "tools/syllables/tablebuilder.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class SyllableOrder
{
public:
    SyllableOrder(const QMap<char32_t, CharacterReadings> &characters, const TableRules &rules)
        : m_characters(characters)
        , m_rules(rules)
    {
    }

    QString keyOf(const QString &reading) const
    {
        return m_rules.keySpellings.value(reading, reading);
    }

    // Most frequent first: kHanyuPinlu, then CC-CEDICT words, then code point.
    QString sorted(QList<char32_t> codePoints, const QString &key) const
    {
        std::sort(codePoints.begin(), codePoints.end(), [&](char32_t a, char32_t b) {
            const auto rankA = rank(a, key);
            const auto rankB = rank(b, key);
            return rankA != rankB ? rankA > rankB : a < b;
        });
        QString text;
        for (const char32_t codePoint : codePoints)
            text += QChar(char16_t(codePoint));
        return text;
    }

    std::pair<int, int> rank(char32_t codePoint, const QString &key) const
    {
        const CharacterReadings &readings = m_characters[codePoint];
        return {countFor(readings.pinlu, key), countFor(readings.wordCount, key)};
    }

    // Readings spelled differently may share a key ("lu:e" and "lue").
    int countFor(const QHash<QString, int> &counts, const QString &key) const
    {
        int total = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (keyOf(it.key()) == key)
                total += it.value();
        }
        return total;
    }

    const QMap<char32_t, CharacterReadings> &m_characters;
    const TableRules &m_rules;
};

QString withFixedRow(const FixedRow &fixed, const QString &fromData, const QString &fillers,
                     bool hasZhuyin)
{
    QString row = fixed.leading;
    for (const QChar c : fromData) {
        if (!row.contains(c))
            row += c;
    }
    if (fixed.size < 0)
        return row;
    const qsizetype room = fixed.size - (hasZhuyin ? 1 : 0);
    row.truncate(room);
    for (const QChar c : fillers) {
        if (row.size() >= room)
            break;
        if (!row.contains(c))
            row += c;
    }
    return row;
}

// Takes candidates out until the table holds rules.entries: each time the least used reading
// of a character that has another reading in the table, never from a fixed row.
void dropRarestReadings(BuiltTable &table, const TableRules &rules, const SyllableOrder &order)
{
    QHash<QChar, int> rowsOf;
    qsizetype entries = 0;
    for (const TableRow &row : table.rows) {
        entries += row.candidates.size();
        for (const QChar c : row.candidates)
            ++rowsOf[c];
    }
    QSet<QString> fixed;
    for (const FixedRow &row : rules.fixedRows)
        fixed.insert(row.syllable);
    struct Reading
    {
        int row;
        QChar character;
        std::pair<int, int> rank;
    };
    QList<Reading> secondary;
    for (int r = 0; r < table.rows.size(); ++r) {
        const TableRow &row = table.rows.at(r);
        if (fixed.contains(row.syllable))
            continue;
        for (const QChar c : row.candidates) {
            if (rowsOf.value(c) > 1 && c != rules.zhuyin.value(row.syllable))
                secondary.append({r, c, order.rank(c.unicode(), row.syllable)});
        }
    }
    std::stable_sort(secondary.begin(), secondary.end(), [](const Reading &a, const Reading &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.character.unicode() > b.character.unicode();
    });
    for (const Reading &reading : secondary) {
        if (entries <= rules.entries)
            break;
        if (rowsOf.value(reading.character) < 2)
            continue; // its other readings went first: this one is now its only one
        QString &candidates = table.rows[reading.row].candidates;
        candidates.remove(candidates.indexOf(reading.character), 1);
        --rowsOf[reading.character];
        --entries;
        ++table.droppedRareReadings;
    }
}

} // namespace

BuiltTable buildSyllableTable(const QMap<char32_t, CharacterReadings> &characters,
                              const TableRules &rules)
{
    BuiltTable table;
    const SyllableOrder order(characters, rules);
    const QSet<QString> keys(rules.syllables.cbegin(), rules.syllables.cend());
    QHash<QString, QList<char32_t>> bySyllable;
    QHash<QString, QList<char32_t>> classicalOnly;

    for (auto it = characters.cbegin(); it != characters.cend(); ++it) {
        const char32_t codePoint = it.key();
        const CharacterReadings &readings = it.value();
        if (codePoint > 0xFFFF) {
            table.leftOut << codePoint; // a candidate is one UTF-16 unit
            continue;
        }
        const QStringList &used = readings.modern.isEmpty() ? readings.classical : readings.modern;
        QSet<QString> placed;
        for (const QString &reading : used) {
            const QString key = order.keyOf(reading);
            if (!keys.contains(key))
                ++table.droppedReadings;
            else if (!placed.contains(key))
                bySyllable[key] << codePoint;
            placed.insert(key);
        }
        if (!std::any_of(placed.cbegin(), placed.cend(),
                         [&](const QString &key) { return keys.contains(key); }))
            table.leftOut << codePoint;
        for (const QString &reading : readings.classical) {
            const QString key = order.keyOf(reading);
            if (keys.contains(key) && !placed.contains(key) &&
                !classicalOnly[key].contains(codePoint))
                classicalOnly[key] << codePoint;
        }
    }

    for (const QString &key : rules.syllables) {
        QString candidates = order.sorted(bySyllable.value(key), key);
        const QChar zhuyin = rules.zhuyin.value(key);
        const auto fixed = std::find_if(rules.fixedRows.cbegin(), rules.fixedRows.cend(),
                                        [&](const FixedRow &row) { return row.syllable == key; });
        if (fixed != rules.fixedRows.cend()) {
            const QString forced = withFixedRow(
                *fixed, candidates, order.sorted(classicalOnly.value(key), key), !zhuyin.isNull());
            if (forced != candidates)
                table.forcedRows << u"%1: %2 -> %3"_s.arg(key, candidates, forced);
            candidates = forced;
        }
        if (!zhuyin.isNull())
            candidates += zhuyin;
        if (candidates.isEmpty() && !rules.placeholder.isNull())
            candidates = rules.placeholder;
        table.rows.append({key, candidates});
    }
    if (rules.entries > 0)
        dropRarestReadings(table, rules, order);
    return table;
}
