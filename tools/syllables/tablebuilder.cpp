#include "tools/syllables/tablebuilder.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class SyllableOrder
{
public:
    SyllableOrder(const QMap<char32_t, CharacterReadings> &characters, const TableRules &rules)
        : m_characters(characters), m_rules(rules)
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

private:
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
    return table;
}
