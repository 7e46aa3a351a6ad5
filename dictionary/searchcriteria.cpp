#include "dictionary/searchcriteria.h"

#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace {

// The operand is bound, never spliced into SQL, so a quote in it is text like any other.
std::optional<Criteria> text(const QString &field, Criteria::Operator op, const QString &operand)
{
    return Criteria{field, op, operand};
}

// Typed or pasted quotes come in many shapes; CEDICT writes the ASCII ones ("Down's").
QString plainQuotes(const QString &typed)
{
    QString folded = typed;
    for (QChar &c : folded) {
        switch (c.unicode()) {
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
        case 0x02BC:
        case 0x00B4:
        case 0x0060:
        case 0xFF07:
            c = u'\'';
            break;
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
        case 0xFF02:
            c = u'"';
            break;
        default:
            break;
        }
    }
    return folded;
}

} // namespace

namespace SearchCriteria {

using Op = Criteria::Operator;

std::optional<Criteria> characterCode(const QString &code)
{
    return text(CharacterField::teckenkod, Op::Equals, code);
}

std::optional<Criteria> wordCodes(const QString &codeString)
{
    return text(WordField::teckenkoder, Op::Equals, codeString);
}

std::optional<Criteria> translationContains(int field, const QString &typed)
{
    return text(WordField::translation(field), Op::Like,
                u'*' + plainQuotes(typed).toLower() + u'*');
}

std::optional<Criteria> translationEquals(int field, const QString &typed)
{
    return text(WordField::translation(field), Op::Equals, plainQuotes(typed).toLower());
}

std::optional<Criteria> pinyinContains(const QString &typed)
{
    // The word table spells ü "u:"; learners type v or ü.
    return text(u"pinyin"_s, Op::Like, u'*' + pinyinAsStored(plainQuotes(typed)) + u'*');
}

std::optional<Criteria> pinyinEquals(const QString &typed)
{
    return text(u"pinyin"_s, Op::Equals, pinyinAsStored(plainQuotes(typed)));
}

std::optional<Criteria> radicalKey(const QString &key)
{
    return text(CharacterField::kinesisktradikal, Op::Equals, key);
}

std::optional<Criteria> radicalNumber(const QString &number)
{
    return text(CharacterField::kinesisktradikal, Op::Like, number + u".*"_s);
}

std::optional<Criteria> strokes(const QString &total)
{
    bool ok = false;
    const qlonglong number = total.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Criteria{CharacterField::summa, Op::Equals, number};
}

} // namespace SearchCriteria
