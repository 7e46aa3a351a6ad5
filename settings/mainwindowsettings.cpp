#include "settings/mainwindowsettings.h"

#include <QLocale>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

MainWindowSettings MainWindowSettings::read(const SettingsRecord &record)
{
    MainWindowSettings s;
    if (const std::optional<double> on = SettingsText::strictNumber(record.value(F::simplifiedOn)))
        s.simplified = int(*on) != 0;
    s.radicalsOn = SettingsText::leadingNumber(record.value(F::radicalMode)) == 0;
    s.fontName = record.value(F::mainFontName);
    if (const std::optional<double> size =
            SettingsText::strictNumber(record.value(F::mainFontSize));
        size && *size > 0)
        s.fontSize = *size;
    s.alwaysOnTop = SettingsText::boolean(record.value(F::alwaysOnTop));
    s.autoLookup = SettingsText::boolean(record.value(F::autoLookupOn));
    s.autoStartEnglish = SettingsText::leadingNumber(record.value(F::autoStartEnglish)) != 0;
    s.autoStartSwedish = SettingsText::leadingNumber(record.value(F::autoStartSwedish)) != 0;
    s.backgroundPath = record.value(F::backgroundPath);
    return s;
}

void MainWindowSettings::write(SettingsRecord &record) const
{
    const auto flag = [](bool on) { return on ? u"1"_s : u"0"_s; };
    if (simplified)
        record.setValue(F::simplifiedOn, flag(*simplified));
    record.setValue(F::radicalMode, radicalsOn ? u"0"_s : u"1"_s);
    record.setValue(F::mainFontName, fontName);
    if (fontSize)
        record.setValue(F::mainFontSize, QLocale().toString(*fontSize));
    if (autoLookup)
        record.setValue(F::autoLookupOn, SettingsText::booleanWord(*autoLookup));
    if (alwaysOnTop)
        record.setValue(F::alwaysOnTop, SettingsText::booleanWord(*alwaysOnTop));
    record.setValue(F::autoStartEnglish, flag(autoStartEnglish));
    record.setValue(F::autoStartSwedish, flag(autoStartSwedish));
}
