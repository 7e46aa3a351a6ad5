#include "dictionary/searchcriteria.h"

#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace {

std::optional<Criteria> text(const QString &field, Criteria::Operator op, const QString &operand)
{
    // The quote ended the text where the criteria was once built by concatenation.
    if (operand.contains(u'\''))
        return std::nullopt;
    return Criteria{field, op, operand};
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
    return text(WordField::translation(field), Op::Like, u'*' + typed.toLower() + u'*');
}

std::optional<Criteria> translationEquals(int field, const QString &typed)
{
    return text(WordField::translation(field), Op::Equals, typed.toLower());
}

std::optional<Criteria> pinyinContains(const QString &typed)
{
    // The word table spells ü "u:"; learners type v or ü.
    return text(u"pinyin"_s, Op::Like, u'*' + pinyinAsStored(typed) + u'*');
}

std::optional<Criteria> pinyinEquals(const QString &typed)
{
    return text(u"pinyin"_s, Op::Equals, pinyinAsStored(typed));
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
