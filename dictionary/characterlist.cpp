#include "dictionary/characterlist.h"

#include "dictionary/charactercode.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/frequencies.h"
#include "dictionary/radicals.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace CharacterLists {
namespace {

// Every match counts, listed or not. The stroke search marks the record found first.
void runList(RecordSource &characters, const std::optional<Criteria> &criteria, bool strokes,
             CharacterList &list)
{
    list.ran = true;
    bool first = true;
    list.count = characters.findEach(criteria, [&] {
        const QString line = listLine(characters, strokes && first);
        first = false;
        if (line.isEmpty())
            return;
        list.text += line;
        const QString key = characters.text(CharacterField::kinesisktradikal);
        const qsizetype dot = key.indexOf(u'.');
        const qsizetype separator = line.indexOf(u',');
        qsizetype rest = separator + 1;
        while (rest < line.size() && line[rest] == u' ')
            ++rest;
        list.listed.append({line.first(separator).toUcs4().value(0),
                            dot < 0 ? 0 : key.sliced(dot + 1).toInt(), line.sliced(rest)});
    });
}

// The leading whole number of a text, 0 when there is none: " 12.3" -> 12, ".5" -> 0.
long long leadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    return text.first(end).toLongLong();
}

} // namespace

QString listLine(const RecordSource &characters, bool threeBlanks)
{
    const QString pinyin = toneNumbersToUnicode(characters.text(CharacterField::pinyin1));
    const QString meaning1 = characters.text(CharacterField::meaning(1));
    const std::optional<QChar> character =
        CharacterCode::toCharacter(characters.text(CharacterField::teckenkod));
    if (pinyin.isEmpty() || meaning1.isEmpty())
        return {};
    if (!character) {
        qCDebug(lcDictionary) << "not listed, no character code:"
                              << characters.text(CharacterField::teckenkod);
        return {};
    }
    QString line =
        *character + (threeBlanks ? u",   "_s : u",  "_s) + pinyin + u",  "_s + meaning1 + u", "_s;
    for (int i = 2; i <= Tables::meaningCount; ++i) {
        const QString meaning = characters.text(CharacterField::meaning(i));
        if (!meaning.isEmpty())
            line += meaning + u", "_s;
    }
    return line + u"\r\n"_s;
}

namespace {

// The list a search box gives: what criteria finds, with the search and what was typed.
CharacterList searched(RecordSource &characters, const std::optional<Criteria> &criteria,
                       CharacterList::Search search, const QString &entry, CharacterList list = {})
{
    runList(characters, criteria, search == CharacterList::Search::Strokes, list);
    list.search = search;
    list.typed = entry.trimmed();
    return list;
}

} // namespace

CharacterList byRadicalKey(RecordSource &characters, const QString &entry)
{
    const QString key = QString(entry).replace(u',', u'.');
    if (key.isEmpty())
        return {};
    return searched(characters, SearchCriteria::radicalKey(key), CharacterList::Search::Radical,
                    entry);
}

CharacterList byRadicalNumber(RecordSource &characters, const QString &entry)
{
    if (entry.isEmpty())
        return {};
    CharacterList list;
    list.pictureFile = Radicals::pictureFile(entry);
    // A key typed here ("12.3") becomes its radical number ("12").
    const QString number = Radicals::numberText(entry);
    list.rewrittenEntry =
        number.size() < entry.size() ? QString::number(leadingNumber(number)) : entry;
    return searched(characters, SearchCriteria::radicalNumber(list.rewrittenEntry),
                    CharacterList::Search::Radical, entry, list);
}

CharacterList byStrokes(RecordSource &characters, const QString &entry)
{
    if (entry.isEmpty())
        return {};
    return searched(characters, SearchCriteria::strokes(entry), CharacterList::Search::Strokes,
                    entry);
}

CharacterList radikalLista(RecordSource &characters, int selectedRadical)
{
    CharacterList list;
    runList(characters, SearchCriteria::radicalNumber(QString::number(selectedRadical)), false,
            list);
    return list;
}

void commonFirst(CharacterList &list, const Frequencies &frequencies)
{
    const auto rank = [&](char32_t c) {
        const int r = frequencies.characterRank(c);
        return r == 0 ? 6 : r;
    };
    std::stable_sort(list.listed.begin(), list.listed.end(),
                     [&](const ListedCharacter &a, const ListedCharacter &b) {
                         const int ra = rank(a.character), rb = rank(b.character);
                         if (ra != rb)
                             return ra < rb;
                         if (a.residualStrokes != b.residualStrokes)
                             return a.residualStrokes < b.residualStrokes;
                         return a.character < b.character;
                     });
    list.text.clear();
    bool first = true;
    for (const ListedCharacter &c : std::as_const(list.listed)) {
        const bool threeBlanks = first && list.search == CharacterList::Search::Strokes;
        list.text +=
            QString::fromUcs4(&c.character, 1) + (threeBlanks ? u",   "_s : u",  "_s) + c.rest;
        first = false;
    }
}

QString listedCharacters(QStringView listText)
{
    QString characters;
    for (const QStringView line : listText.split(u'\n')) {
        const QList<uint> points = line.trimmed().toUcs4();
        if (!points.isEmpty() && QChar::script(points.first()) == QChar::Script_Han)
            characters += QString::fromUcs4(reinterpret_cast<const char32_t *>(points.data()), 1);
    }
    return characters;
}

} // namespace CharacterLists
