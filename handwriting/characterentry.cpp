#include "handwriting/characterentry.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"

using namespace Qt::StringLiterals;

namespace CharacterEntry {

WordSearchResult lookUp(DictionaryTables &tables, const QString &character, DisplayOptions options)
{
    WordSearchResult result;
    result.text9Field = u"translation1"_s;
    QStringList codes{CharacterCode::codeString(character)};
    if (const auto record = RecordLookup::first(
            tables.characters,
            Criteria{u"teckenkod"_s, Criteria::Operator::Equals, codes.first()})) {
        const QString traditional =
            RecordLookup::text(tables.characters, *record, u"traditionellform"_s).trimmed();
        if (!traditional.isEmpty())
            codes.append(traditional);
    }
    for (const QString &code : codes) {
        tables.words.findFirst(Criteria{u"teckenkoder"_s, Criteria::Operator::Equals, code});
        if (!tables.words.noMatch()) {
            result.found = true;
            break;
        }
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
