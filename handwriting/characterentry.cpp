#include "handwriting/characterentry.h"
#include "dictionary/tables.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"

using namespace Qt::StringLiterals;

namespace CharacterEntry {

WordSearchResult lookUp(DictionaryTables &tables, const QString &character, DisplayOptions options)
{
    WordSearchResult result;
    result.text9Field = WordField::translation(1);
    QStringList codes{CharacterCode::codeString(character)};
    if (const auto record = RecordLookup::first(
            tables.characters,
            Criteria{CharacterField::teckenkod, Criteria::Operator::Equals, codes.first()})) {
        const QString traditional =
            RecordLookup::text(tables.characters, *record, CharacterField::traditionellform)
                .trimmed();
        if (!traditional.isEmpty())
            codes.append(traditional);
    }
    for (const QString &code : codes) {
        // A character's first entry is often its use as a surname ("Shui3"): the first entry
        // in lower case is the one a learner is after.
        const Criteria criteria{WordField::teckenkoder, Criteria::Operator::Equals, code};
        const QList<RecordSource::Record> entries = tables.words.records(criteria, -1, 8);
        if (entries.isEmpty())
            continue;
        qsizetype wanted = 0;
        for (; wanted < entries.size(); ++wanted) {
            const QString pinyin =
                RecordLookup::text(tables.words, entries.at(wanted), WordField::pinyin);
            if (pinyin.isEmpty() || !pinyin.front().isUpper())
                break;
        }
        tables.words.findFirst(criteria);
        for (qsizetype i = 0; i < wanted % entries.size(); ++i)
            tables.words.findNext(criteria);
        result.found = !tables.words.noMatch();
        break;
    }
    if (!result.found) {
        result.word.characters = character;
        return result;
    }
    result.meaningsLine = meaningsLine(tables.words);
    result.word = showWord(tables, options);
    return result;
}

} // namespace CharacterEntry
