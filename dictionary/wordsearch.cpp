#include "dictionary/wordsearch.h"

#include "dictionary/searchcriteria.h"

using namespace Qt::StringLiterals;

WordSearch::WordSearch(DictionaryTables &tables)
    : m_tables(tables)
{
}

QString WordSearch::text9Field() const
{
    return WordField::translation(m_text9Field);
}

bool WordSearch::findEnglish(const QString &text, Kind kind)
{
    RecordSource &words = m_tables.words;
    const auto criteria =
        kind == Exact ? SearchCriteria::translationEquals : SearchCriteria::translationContains;
    // Translation 1 decides whether an exact search starts from the top; the fallback fields
    // after it always continue after the current record.
    if (kind == FromStart || (kind == Exact && !m_exactSearchStarted))
        words.findFirst(criteria(1, text));
    else
        words.findNext(criteria(1, text));
    if (kind == Exact)
        m_exactSearchStarted = true;
    for (int field = 2; field <= Tables::translationCount && words.noMatch(); ++field) {
        m_text9Field = field;
        if (kind == FromStart)
            words.findFirst(criteria(field, text));
        else
            words.findNext(criteria(field, text));
    }
    return !words.noMatch();
}

bool WordSearch::findPinyin(const QString &text, Kind kind)
{
    RecordSource &words = m_tables.words;
    if (kind == Exact) {
        if (m_exactSearchStarted)
            words.findNext(SearchCriteria::pinyinEquals(text));
        else
            words.findFirst(SearchCriteria::pinyinEquals(text));
        m_exactSearchStarted = true;
    } else if (kind == FromStart) {
        words.findFirst(SearchCriteria::pinyinContains(text));
    } else {
        words.findNext(SearchCriteria::pinyinContains(text));
    }
    return !words.noMatch();
}

WordSearchResult WordSearch::english(const QString &text, Kind kind, DisplayOptions options)
{
    return result(findEnglish(text, kind), options);
}

WordSearchResult WordSearch::pinyin(const QString &text, Kind kind, DisplayOptions options)
{
    return result(findPinyin(text, kind), options);
}

WordSearchResult WordSearch::entry(const QString &codeString, qint64 rowId, DisplayOptions options)
{
    RecordSource &words = m_tables.words;
    const std::optional<Criteria> criteria = SearchCriteria::wordCodes(codeString);
    // Words spelt alike (a surname and a noun) share the code string: walk to the row.
    words.findFirst(criteria);
    while (!words.noMatch() && words.currentRowId() < rowId)
        words.findNext(criteria);
    return result(!words.noMatch() && words.currentRowId() == rowId, options);
}

WordSearchResult WordSearch::result(bool found, DisplayOptions options)
{
    WordSearchResult result;
    result.found = found;
    result.meaningsLine = meaningsLine(m_tables.words);
    result.text9Field = text9Field();
    result.word = showWord(m_tables, options);
    return result;
}

QString meaningsLine(const RecordSource &words)
{
    QStringList translations;
    for (int field = 1; field <= Tables::translationCount; ++field) {
        const QString translation = words.text(WordField::translation(field));
        if (!translation.isEmpty())
            translations << translation;
    }
    return translations.join(u",   "_s);
}
