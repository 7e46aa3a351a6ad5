#include "platform/criteria.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

std::optional<Criteria> Criteria::parse(const QString &text)
{
    // field, operator, then either a quoted text without inner quotes or a whole number.
    static const QRegularExpression form(
        uR"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(=|[Ll][Ii][Kk][Ee])\s*(?:'([^']*)'|([+-]?[0-9]+))\s*$)"_s);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    Criteria criteria;
    criteria.field = match.captured(1);
    criteria.op = match.captured(2) == u"=" ? Operator::Equals : Operator::Like;
    if (match.hasCaptured(3)) {
        criteria.operand = match.captured(3);
    } else {
        if (criteria.op == Operator::Like)
            return std::nullopt;
        bool ok = false;
        const qlonglong number = match.captured(4).toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        criteria.operand = number;
    }
    return criteria;
}

QString Criteria::sqlLikePattern() const
{
    const QString source = operand.toString();
    QString pattern;
    pattern.reserve(source.size() + 4);
    for (const QChar c : source) {
        if (c == u'*')
            pattern += u'%';
        else if (c == u'?')
            pattern += u'_';
        else if (c == u'%' || c == u'_' || c == u'\\')
            pattern += u'\\' + c;
        else
            pattern += c;
    }
    return pattern;
}
