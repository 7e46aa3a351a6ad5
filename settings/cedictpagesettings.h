#pragma once

#include "settings/settingsrecord.h"

#include <QRect>
#include <QString>

#include <optional>

// The CEDICT search page's share of the settings record. Colours are the stored 32-bit values,
// red in the low byte (0x00BBGGRR). The window's place is stored in twips, 15 to a pixel at
// 96 dots per inch. Fields that do not read as their type keep the page's own default (nullopt).
struct CedictPageSettings
{
    static constexpr int twipsPerPixel = 15;

    std::optional<quint32> backColor;
    std::optional<quint32> textColor;
    QString fontName;
    std::optional<double> fontSize;
    bool bold = false; // stored "1"/"0"; any number but 0 reads as on
    bool italic = false;
    std::optional<QRect> geometry; // in pixels; nullopt unless all four fields read

    static CedictPageSettings read(const SettingsRecord &record);
    // A font name too long for its field keeps the one stored before.
    void write(SettingsRecord &record) const;
};
