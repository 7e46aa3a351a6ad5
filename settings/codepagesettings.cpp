#include "settings/codepagesettings.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

namespace {

std::optional<quint32> colour(const QString &text)
{
    const std::optional<double> value = SettingsText::strictNumber(text);
    if (!value || *value < 0 || *value > 0xFFFFFFFFu)
        return std::nullopt;
    return quint32(*value);
}

// "1" and "0" as stored; empty when nothing was ever chosen.
std::optional<bool> flag(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return SettingsText::leadingNumber(text) != 0;
}

} // namespace

CodePageSettings CodePageSettings::read(const SettingsRecord &record)
{
    CodePageSettings s;
    s.traditional = flag(record.value(F::codeTraditional)).value_or(false);
    s.fontName = record.value(F::codeFontName);
    if (const int size = int(SettingsText::leadingNumber(record.value(F::codeFontSize))); size > 0)
        s.fontSize = size;
    s.bold = !flag(record.value(F::codeNotBold)).value_or(true);
    s.italic = !flag(record.value(F::codeNotItalic)).value_or(true);
    s.backColor = colour(record.value(F::codeBackColor));
    s.textColor = colour(record.value(F::codeTextColor));
    return s;
}

void CodePageSettings::write(SettingsRecord &record) const
{
    const auto number = [](bool on) { return on ? u"1"_s : u"0"_s; };
    record.setValue(F::codeTraditional, number(traditional));
    record.setValue(F::codeFontName, fontName);
    // Three places: sizes are whole points up to 999.
    record.setValue(F::codeFontSize,
                    fontSize ? QString::number(std::clamp(*fontSize, 1, 999)) : QString());
    record.setValue(F::codeNotBold, number(!bold));
    record.setValue(F::codeNotItalic, number(!italic));
    record.setValue(F::codeBackColor, backColor ? QString::number(*backColor) : QString());
    record.setValue(F::codeTextColor, textColor ? QString::number(*textColor) : QString());
}
