#include "dictionary/wordrecord.h"

#include "dictionary/tables.h"
#include "platform/recordsource.h"

using namespace Qt::StringLiterals;

QList<WordRecord> WordRecord::find(RecordSource &words, const Criteria &criteria,
                                   qint64 afterRowId, int limit)
{
    const int tecken = words.fieldIndex(u"tecken"_s);
    const int codes = words.fieldIndex(u"teckenkoder"_s);
    const int pinyin = words.fieldIndex(u"Pinyin"_s);
    int translation[Tables::translationCount];
    for (int i = 0; i < Tables::translationCount; ++i)
        translation[i] = words.fieldIndex(u"translation%1"_s.arg(i + 1));
    const auto field = [](const RecordSource::Record &record, int index) {
        return index >= 0 ? record.values.at(index).toString() : QString();
    };

    QList<WordRecord> found;
    for (const RecordSource::Record &record : words.records(criteria, afterRowId, limit)) {
        WordRecord word;
        word.rowId = record.rowId;
        word.characters = field(record, tecken);
        word.codeString = field(record, codes);
        word.pinyin = field(record, pinyin);
        for (int index : translation)
            word.translations.append(field(record, index));
        found.append(std::move(word));
    }
    return found;
}
