// Criteria text from outside: whatever parses renders back to text that parses to the same
// criteria, its field is a bare identifier and its text holds no quote, so nothing of it can
// reach SQL but as a bound value; the LIKE pattern escapes exactly the literal wildcards.

#include "fuzzcheck.h"
#include "platform/criteria.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace {

QString rendered(const Criteria &criteria)
{
    const QString op = criteria.op == Criteria::Operator::Equals ? u" ="_s : u" like"_s;
    if (criteria.isNumber())
        return criteria.field + op + QString::number(criteria.operand.toLongLong());
    return criteria.field + op + u'\'' + criteria.operand.toString() + u'\'';
}

bool isIdentifier(const QString &field)
{
    if (field.isEmpty() || field.front().isDigit())
        return false;
    for (const QChar c : field) {
        if (!(c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'_')))
            return false;
    }
    return true;
}

// The pattern read back: "\x" is x, "%" was "*", "_" was "?".
QString unescaped(const QString &pattern)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'\\' && i + 1 < pattern.size())
            text += pattern[++i];
        else if (c == u'%')
            text += u'*';
        else if (c == u'_')
            text += u'?';
        else
            text += c;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Criteria> criteria = Criteria::parse(text);
    if (!criteria)
        return 0;
    FUZZ_CHECK(isIdentifier(criteria->field), text << criteria->field);
    FUZZ_CHECK(criteria->isNumber() || !criteria->operand.toString().contains(u'\''), text);
    FUZZ_CHECK(!(criteria->isNumber() && criteria->op == Criteria::Operator::Like), text);

    const std::optional<Criteria> again = Criteria::parse(rendered(*criteria));
    FUZZ_CHECK(again.has_value(), text << rendered(*criteria));
    FUZZ_CHECK(again->field == criteria->field && again->op == criteria->op &&
                   again->operand == criteria->operand,
               text << rendered(*criteria));

    if (!criteria->isNumber()) {
        const QString pattern = criteria->sqlLikePattern();
        FUZZ_CHECK(unescaped(pattern) == criteria->operand.toString(), text << pattern);
    }
    return 0;
}
