#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// A search criteria as the program builds it, parsed instead of handed to SQL:
//
//   "teckenkod ='&H4E2D'"          -> field teckenkod, Equals, text "&H4E2D"
//   "translation1 like'*water*'"   -> field translation1, Like, pattern "*water*"
//   "summa =12"                    -> field summa, Equals, number 12
//
// Anything else (a quote inside the text, a missing quote, trailing words, a bad number)
// does not parse; the caller treats that as a search that found nothing.
struct Criteria
{
    enum class Operator { Equals, Like };

    QString field;
    Operator op = Operator::Equals;
    QVariant operand; // QString for quoted text, qlonglong for a number

    static std::optional<Criteria> parse(const QString &text);

    bool isNumber() const { return operand.typeId() == QMetaType::LongLong; }

    // The Like operand as an SQL LIKE pattern with '\' as escape: '*' -> '%', '?' -> '_',
    // and literal '%', '_' and '\' escaped.
    QString sqlLikePattern() const;
};
