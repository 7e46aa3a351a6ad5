#include "settings/pinyineditorsettings.h"

#include <cmath>

using F = SettingsRecord::Field;

namespace {

// Only plain colours: a negative value (a system colour) or one above white is no colour here.
std::optional<quint32> colour(const QString &text)
{
    const std::optional<double> value = SettingsText::strictNumber(text);
    if (!value || *value < 0 || *value > 0xFFFFFF || std::floor(*value) != *value)
        return std::nullopt;
    return quint32(*value);
}

} // namespace

PinyinEditorSettings PinyinEditorSettings::read(const SettingsRecord &record)
{
    return {colour(record.value(F::pinyinBackColor)), colour(record.value(F::pinyinTextColor))};
}

void PinyinEditorSettings::write(SettingsRecord &record) const
{
    if (backColor)
        record.setValue(F::pinyinBackColor, QString::number(*backColor));
    if (textColor)
        record.setValue(F::pinyinTextColor, QString::number(*textColor));
}
