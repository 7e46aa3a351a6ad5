#include "dictionary/wordview.h"

#include "dictionary/charactercode.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/radicals.h"
#include "dictionary/searchcriteria.h"

using namespace Qt::StringLiterals;

namespace {

enum class Form { Traditional, Simplified };

// The slot for the current character record, or nullopt when its key has no radical number
// (empty, or not a number from 1 to 214): then no picture can be chosen.
std::optional<RadicalSlot> radicalSlot(const RecordSource &characters, Form form)
{
    RadicalSlot slot;
    slot.key = characters.text(CharacterField::kinesisktradikal);
    bool ok = false;
    slot.radical = Radicals::numberText(slot.key).toInt(&ok);
    if (!ok || slot.radical < 1 || slot.radical > Radicals::count)
        return std::nullopt;
    if (form == Form::Traditional) {
        slot.traditionalForm = Radicals::traditionalFormIndex(slot.radical);
        slot.pictureFile = Radicals::pictureFile(slot.radical);
    } else {
        slot.pictureFile = Radicals::simplifiedPictureFile(slot.radical);
    }
    return slot;
}

// The character a simplified display shows for the record just looked up: its simplified
// form when it has one. characters2 follows that form, as the window's second cursor does.
QChar simplifiedCharacter(DictionaryTables &tables, QChar character)
{
    const QString simplified = tables.characters.text(CharacterField::forenklaform);
    tables.characters2.findFirst(SearchCriteria::characterCode(simplified));
    if (simplified.isEmpty())
        return character;
    const std::optional<QChar> form = CharacterCode::toCharacter(simplified);
    if (!form) {
        qCDebug(lcDictionary) << "simplified form is no character code:" << simplified;
        return character;
    }
    return *form;
}

WordView display(DictionaryTables &tables, Form form, bool radicals)
{
    WordView view;
    const QString codeString = tables.words.text(WordField::teckenkoder);
    for (const QString &code : CharacterCode::pieces(codeString.trimmed())) {
        const std::optional<QChar> character = CharacterCode::toCharacter(code);
        if (!character) {
            qCDebug(lcDictionary) << "skipping code string piece" << code;
            continue;
        }
        tables.characters.findFirst(SearchCriteria::characterCode(code));
        // A code missing from the character table still shows its own character; only its
        // radical comes from whichever record is current.
        const bool found = !tables.characters.noMatch();
        view.characters += form == Form::Simplified && found
                               ? simplifiedCharacter(tables, *character)
                               : *character;
        if (!radicals || view.radicalSlots.size() == WordView::radicalSlotCount)
            continue;
        const std::optional<RadicalSlot> slot = radicalSlot(tables.characters, form);
        if (!slot) {
            qCDebug(lcDictionary) << "display ended: no radical number in key"
                                  << tables.characters.text(CharacterField::kinesisktradikal);
            return view;
        }
        view.radicalSlots << *slot;
    }
    view.pinyin = tables.words.text(WordField::pinyin);
    view.codeString = codeString;
    view.completed = true;
    return view;
}

} // namespace

WordView showWordTraditional(DictionaryTables &tables, bool radicals)
{
    return display(tables, Form::Traditional, radicals);
}

WordView showWordSimplified(DictionaryTables &tables, bool radicals)
{
    return display(tables, Form::Simplified, radicals);
}

WordView showWord(DictionaryTables &tables, DisplayOptions options)
{
    return options.simplified ? showWordSimplified(tables, options.radicals)
                              : showWordTraditional(tables, options.radicals);
}
