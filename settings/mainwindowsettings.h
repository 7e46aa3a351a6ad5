#pragma once

#include "settings/settingsrecord.h"

#include <QString>

#include <optional>

// The main windows' share of the settings record. Fields that do not read as their type keep
// the window's own default (nullopt).
struct MainWindowSettings
{
    std::optional<bool> simplified;
    bool radicalsOn = true; // radicalMode 0
    QString fontName;
    std::optional<double> fontSize;
    std::optional<bool> alwaysOnTop;
    std::optional<bool> autoLookup;
    bool autoStartEnglish = false;
    bool autoStartSwedish = false;
    QString backgroundPath;

    static MainWindowSettings read(const SettingsRecord &record);
    // Writes every field but the background, which is stored the moment it is chosen.
    void write(SettingsRecord &record) const;
};
