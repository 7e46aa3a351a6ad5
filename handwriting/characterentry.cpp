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
        // A character's first entry is often its use as a surname ("Shui3"): the first entry
        // in lower case is the one a learner is after.
        const Criteria criteria{u"teckenkoder"_s, Criteria::Operator::Equals, code};
        const QList<RecordSource::Record> entries = tables.words.records(criteria, -1, 8);
        if (entries.isEmpty())
            continue;
        qsizetype wanted = 0;
        for (; wanted < entries.size(); ++wanted) {
            const QString pinyin =
                RecordLookup::text(tables.words, entries.at(wanted), u"Pinyin"_s);
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
