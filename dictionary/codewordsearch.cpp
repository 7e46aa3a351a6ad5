#include "dictionary/codewordsearch.h"

#include "dictionary/charactercode.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/recordlookup.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

using Record = RecordSource::Record;
using RecordLookup::first;
using RecordLookup::text;

// The reading and the ten translations of a word, as the result line lists them.
QStringList wordFields(const RecordSource &words, const Record &word)
{
    QStringList fields{toneNumbersToUnicode(text(words, word, WordField::pinyin))};
    for (int i = 1; i <= Tables::translationCount; ++i)
        fields << text(words, word, WordField::translation(i));
    return fields;
}

} // namespace

CodeWordSearch::CodeWordSearch(RecordSource &words, RecordSource &characters)
    : m_words(words)
    , m_characters(characters)
{
}

QString CodeWordSearch::line(const QString &characters, const QStringList &fields)
{
    QString joined = characters;
    for (const QString &field : fields) {
        if (!field.isEmpty())
            joined += u", "_s + field;
    }
    return joined;
}

QString CodeWordSearch::simplifiedForm(const QString &code)
{
    const auto cached = m_simplified.constFind(code);
    if (cached != m_simplified.cend())
        return *cached;
    // A code the character table lacks has no simplified form (not the one of whatever
    // record happens to be current).
    const std::optional<Record> record = first(m_characters, SearchCriteria::characterCode(code));
    const QString form =
        record ? text(m_characters, *record, CharacterField::forenklaform).trimmed() : QString();
    m_simplified.insert(code, form);
    return form;
}

QString CodeWordSearch::displayed(const QString &codeString, bool traditional)
{
    QString shownText;
    for (const QString &code : CharacterCode::pieces(codeString)) {
        const std::optional<QChar> character = CharacterCode::toCharacter(code);
        if (!character) {
            qCDebug(lcDictionary) << "code search: skipping code string piece" << code;
            continue;
        }
        const QString simplified = traditional ? QString() : simplifiedForm(code);
        const std::optional<QChar> shown = CharacterCode::toCharacter(simplified);
        shownText += shown ? *shown : *character;
    }
    return shownText;
}

QString CodeWordSearch::traditionalForm(const QString &code)
{
    const auto cached = m_traditional.constFind(code);
    if (cached != m_traditional.cend())
        return *cached;
    const std::optional<Record> record = first(m_characters, SearchCriteria::characterCode(code));
    const QString form =
        record ? text(m_characters, *record, CharacterField::traditionellform).trimmed()
               : QString();
    const std::optional<QChar> character = CharacterCode::toCharacter(form);
    const QString key = character ? CharacterCode::fromCharacter(*character) : code;
    m_traditional.insert(code, key);
    return key;
}

CodeWordResult CodeWordSearch::search(const QStringList &codes, bool traditional)
{
    CodeWordResult result;
    QString wordCodes; // words are keyed by their traditional characters
    for (const QString &code : codes) {
        result.otherForms << simplifiedForm(code);
        result.codeString += code;
        wordCodes += traditionalForm(code);
    }
    if (codes.isEmpty())
        return result;
    result.characters = displayed(result.codeString, traditional);

    const std::optional<Record> word = first(m_words, SearchCriteria::wordCodes(wordCodes));
    result.found = word.has_value();
    if (!word) {
        result.lines << result.characters;
        return result;
    }
    result.lines << line(result.characters, wordFields(m_words, *word));
    const Criteria containing{WordField::teckenkoder, Criteria::Operator::Like,
                              u'*' + wordCodes + u'*'};
    const QList<Record> later =
        m_words.records(containing, word->rowId, std::numeric_limits<int>::max());
    for (const Record &entry : later) {
        const QString entryCodes = text(m_words, entry, WordField::teckenkoder).trimmed();
        result.lines << line(displayed(entryCodes, traditional), wordFields(m_words, entry));
    }
    return result;
}
