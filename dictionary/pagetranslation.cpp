#include "dictionary/pagetranslation.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

using Record = RecordSource::Record;

// The character table is found by number: the code point, which is also the code's value.
std::optional<Criteria> numberCriteria(const QString &code)
{
    const std::optional<QChar> character = CharacterCode::toCharacter(code);
    if (!character)
        return std::nullopt;
    return Criteria{CharacterField::nummer, Criteria::Operator::Equals, qlonglong(character->unicode())};
}

} // namespace

QString PageCharacter::character() const
{
    const std::optional<QChar> c = CharacterCode::toCharacter(code);
    return c ? QString(*c) : QString();
}

PageTranslation::PageTranslation(RecordSource &characters, RecordSource &words)
    : m_characters(characters), m_words(words)
{
}

void PageTranslation::setPage(const QStringList &codes)
{
    m_page.clear();
    m_page.reserve(codes.size());
    QHash<QString, QString> traditional; // text repeats its characters
    for (const QString &code : codes) {
        auto known = traditional.constFind(code);
        if (known == traditional.cend()) {
            const std::optional<Record> record =
                RecordLookup::first(m_characters, numberCriteria(code));
            known = traditional.insert(
                code, record ? RecordLookup::text(m_characters, *record, CharacterField::traditionellform)
                                   .trimmed()
                             : QString());
        }
        m_page.append({code, *known});
    }
}

QString PageTranslation::keyCode(int index) const
{
    const PageCharacter &c = m_page.at(index);
    return c.traditional.isEmpty() ? c.code : c.traditional;
}

CharacterDetails PageTranslation::details(int index)
{
    CharacterDetails details;
    if (index < 0 || index >= m_page.size())
        return details;
    details.character = m_page.at(index).character() + u' ';
    const std::optional<Record> record =
        RecordLookup::first(m_characters, numberCriteria(m_page.at(index).code));
    if (record) {
        QStringList fields{CharacterField::pinyin1};
        for (int i = 1; i <= Tables::meaningCount; ++i)
            fields << CharacterField::meaning(i);
        for (const QString &field : fields) {
            QString value = RecordLookup::text(m_characters, *record, field);
            if (field == u"pinyin1")
                value = toneNumbersToUnicode(value);
            if (!value.isEmpty())
                details.readings += value + u" ,  "_s;
        }
    }

    // Longest first: a word of three or more characters reads better than its first two.
    const int longest = std::min<int>(longestWord, m_page.size() - index);
    for (int length = longest; length >= 2; --length) {
        QString key;
        for (int i = index; i < index + length; ++i)
            key += keyCode(i);
        const std::optional<Record> word = RecordLookup::first(m_words, SearchCriteria::wordCodes(key));
        if (!word)
            continue;
        for (int i = index; i < index + length; ++i)
            details.word += m_page.at(i).character();
        details.wordLine = toneNumbersToUnicode(RecordLookup::text(m_words, *word, WordField::pinyin)) +
                           u", "_s + RecordLookup::text(m_words, *word, WordField::translation(1));
        details.wordLength = length;
        return details;
    }
    details.word = details.character;
    details.wordLine = details.readings;
    return details;
}

QPoint PageTranslation::cellPosition(int index, int width, int cell)
{
    if (cell <= 0 || index < 0)
        return {};
    const int columns = std::max(1, width / cell);
    return {index % columns * cell, index / columns * cell};
}
