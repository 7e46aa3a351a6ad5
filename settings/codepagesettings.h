#pragma once

#include "settings/settingsrecord.h"

#include <QString>

#include <optional>

// The code search page's share of the settings record. The page stores it the moment any of
// it changes. Colours are 32-bit colour values as stored: 0x00BBGGRR.
struct CodePageSettings
{
    bool traditional = false; // "Traditional Chinese characters" (codeTraditional "1")
    QString fontName;         // empty: the page's own font
    std::optional<int> fontSize;
    bool bold = false;   // codeNotBold "0"; an empty field is not bold
    bool italic = false; // codeNotItalic "0"
    std::optional<quint32> backColor;
    std::optional<quint32> textColor;

    static CodePageSettings read(const SettingsRecord &record);
    // A font name too long for its field keeps the one stored before.
    void write(SettingsRecord &record) const;
};
