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
    return Criteria{CharacterField::nummer, Criteria::Operator::Equals,
                    qlonglong(character->unicode())};
}

} // namespace

PageTranslation::PageTranslation(RecordSource &characters, RecordSource &words)
    : m_characters(characters)
    , m_words(words)
{
}

void PageTranslation::setPage(const QStringList &codes)
{
    QList<char32_t> points;
    points.reserve(codes.size());
    for (const QString &code : codes) {
        const std::optional<QChar> c = CharacterCode::toCharacter(code);
        if (!c)
            continue;
        if (c->isLowSurrogate() && !points.isEmpty() && QChar::isHighSurrogate(points.last()))
            points.last() = QChar::surrogateToUcs4(char16_t(points.last()), c->unicode());
        else
            points.append(c->unicode());
    }
    setPoints(points);
}

void PageTranslation::setPageText(QStringView text)
{
    QList<char32_t> points;
    points.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isPrint(c) && c != u' ' && c != 0x3000)
            continue;
        points.append(c);
    }
    setPoints(points);
}

void PageTranslation::setPoints(const QList<char32_t> &points)
{
    m_page.clear();
    m_page.reserve(points.size());
    QHash<char32_t, QString> traditional; // text repeats its characters
    for (const char32_t point : points) {
        PageCharacter cell{point, {}, {}};
        if (point <= 0xFFFF && !QChar::isSurrogate(point)) {
            cell.code = CharacterCode::fromCharacter(QChar(char16_t(point)));
            // Only ideographs have a traditional form to look up.
            if (QChar::script(point) == QChar::Script_Han) {
                auto known = traditional.constFind(point);
                if (known == traditional.cend()) {
                    const std::optional<Record> record =
                        RecordLookup::first(m_characters, numberCriteria(cell.code));
                    known = traditional.insert(
                        point, record ? RecordLookup::text(m_characters, *record,
                                                           CharacterField::traditionellform)
                                            .trimmed()
                                      : QString());
                }
                cell.traditional = *known;
            }
        }
        m_page.append(cell);
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
    const PageCharacter &cell = m_page.at(index);
    details.character = cell.character() + u' ';
    const std::optional<Record> record =
        RecordLookup::first(m_characters, numberCriteria(cell.code));
    if (!record) {
        // Nothing known but what the character is.
        details.readings = u"U+"_s +
                           QString::number(uint(cell.point), 16).toUpper().rightJustified(4, u'0') +
                           u" ,  "_s;
    } else {
        QStringList fields{CharacterField::pinyin1};
        for (int i = 1; i <= Tables::meaningCount; ++i)
            fields << CharacterField::meaning(i);
        for (const QString &field : fields) {
            QString value = RecordLookup::text(m_characters, *record, field);
            if (field == CharacterField::pinyin1)
                value = toneNumbersToUnicode(value);
            if (!value.isEmpty())
                details.readings += value + u" ,  "_s;
        }
    }

    // Longest first: a word of three or more characters reads better than its first two.
    // Words are made of ideographs with codes.
    int run = 0;
    while (index + run < m_page.size() && run < longestWord &&
           !m_page.at(index + run).code.isEmpty() &&
           QChar::script(m_page.at(index + run).point) == QChar::Script_Han)
        ++run;
    const int longest = run;
    for (int length = longest; length >= 2; --length) {
        QString key;
        for (int i = index; i < index + length; ++i)
            key += keyCode(i);
        const std::optional<Record> word =
            RecordLookup::first(m_words, SearchCriteria::wordCodes(key));
        if (!word)
            continue;
        for (int i = index; i < index + length; ++i)
            details.word += m_page.at(i).character();
        details.wordLine =
            toneNumbersToUnicode(RecordLookup::text(m_words, *word, WordField::pinyin)) + u", "_s +
            RecordLookup::text(m_words, *word, WordField::translation(1));
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
