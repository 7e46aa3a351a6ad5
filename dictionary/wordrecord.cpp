#include "dictionary/wordrecord.h"

#include "dictionary/tables.h"
#include "platform/recordsource.h"

using namespace Qt::StringLiterals;

QList<WordRecord> WordRecord::find(RecordSource &words, const Criteria &criteria, qint64 afterRowId,
                                   int limit)
{
    const int tecken = words.fieldIndex(WordField::tecken);
    const int codes = words.fieldIndex(WordField::teckenkoder);
    const int pinyin = words.fieldIndex(WordField::pinyin);
    int translation[Tables::translationCount];
    for (int i = 0; i < Tables::translationCount; ++i)
        translation[i] = words.fieldIndex(WordField::translation(i + 1));
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
