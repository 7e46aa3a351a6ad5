#include "dictionary/readinglist.h"

#include "dictionary/charactercode.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/searchcriteria.h"
#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace {

struct ReadingFields
{
    QString first;         // always written
    QStringList following; // written when not empty
};

ReadingFields fieldsOf(Reading reading)
{
    switch (reading) {
    case Reading::Mandarin:
        return {CharacterField::pinyin1, {}};
    case Reading::Cantonese:
        return {CharacterField::kantonesiska(1),
                {CharacterField::kantonesiska(2), CharacterField::kantonesiska(3)}};
    case Reading::JapaneseKun:
        return {CharacterField::japanskkun(1), {CharacterField::japanskkun(2)}};
    case Reading::JapaneseOn:
        return {CharacterField::japanskon(1), {CharacterField::japanskon(2)}};
    case Reading::Korean:
        return {CharacterField::koreanska(1),
                {CharacterField::koreanska(2), CharacterField::koreanska(3)}};
    }
    return {};
}

// "中,  zhōng, middle, centre, \r\n" (Mandarin) or "中,  zung1, \r\n" (Cantonese): the
// character, two blanks, the first reading and every later non-empty one, each with ", ".
QString readingLine(const RecordSource &characters, Reading reading, QChar character)
{
    const ReadingFields fields = fieldsOf(reading);
    // Pinyin with its marks; Cantonese keeps its tone numbers, as Jyutping writes them.
    const QString first = characters.text(fields.first);
    QString line = character + u",  "_s +
                   (reading == Reading::Mandarin ? toneNumbersToUnicode(first) : first) + u", "_s;
    QStringList following = fields.following;
    if (reading == Reading::Mandarin) {
        line += characters.text(CharacterField::meaning(1)) + u", "_s;
        for (int i = 2; i <= Tables::meaningCount; ++i)
            following << CharacterField::meaning(i);
    }
    for (const QString &field : std::as_const(following)) {
        const QString text = characters.text(field);
        if (!text.isEmpty())
            line += text + u", "_s;
    }
    return line + u"\r\n"_s;
}

QChar simplifiedForm(const RecordSource &characters, QChar character)
{
    return CharacterCode::toCharacter(characters.text(CharacterField::forenklaform))
        .value_or(character);
}

} // namespace

ReadingList readingList(DictionaryTables &tables, Reading reading, const QString &codeString,
                        bool simplified)
{
    ReadingList list;
    if (codeString.isEmpty())
        return list;
    list.ran = true;
    for (const QString &code : CharacterCode::pieces(codeString.trimmed())) {
        const std::optional<QChar> character = CharacterCode::toCharacter(code);
        if (!character) {
            qCDebug(lcDictionary) << "no line for code string piece" << code;
            continue;
        }
        RecordSource &characters = tables.characters;
        characters.findFirst(SearchCriteria::characterCode(code));
        const bool found = !characters.noMatch();
        const QChar shown = reading == Reading::Mandarin && found
                                ? simplifiedForm(characters, *character)
                                : *character;
        list.characters += reading == Reading::Mandarin && simplified ? shown : *character;
        list.text += readingLine(characters, reading, shown);
    }
    if (reading != Reading::Mandarin)
        list.pinyin = tables.words.text(WordField::pinyin);
    return list;
}
