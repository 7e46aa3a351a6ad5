#pragma once

// Reading records by value, so that a search page never moves a cursor that a window's bound
// boxes follow.

#include "platform/recordsource.h"

#include <optional>

namespace RecordLookup {

// The first record that meets the criteria; none for no criteria.
inline std::optional<RecordSource::Record> first(RecordSource &source,
                                                 const std::optional<Criteria> &criteria)
{
    if (!criteria)
        return std::nullopt;
    const QList<RecordSource::Record> found = source.records(*criteria, -1, 1);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

// A field of a record of that source as text; empty for null or an unknown field.
inline QString text(const RecordSource &source, const RecordSource::Record &record,
                    const QString &field)
{
    const int at = source.fieldIndex(field);
    return at >= 0 && at < record.values.size() ? record.values.at(at).toString() : QString();
}

} // namespace RecordLookup
