#pragma once

#include "settings/settingsrecord.h"

#include <QtGlobal>

#include <optional>

// The Swedish pinyin editor's share of the settings record: the text box's colours, as the
// record stores colour values (0x00BBGGRR: red in the low byte, 255 is red, 16777215 white).
// A field that holds no such value is nullopt and the window keeps its own colour.
struct PinyinEditorSettings
{
    std::optional<quint32> backColor;
    std::optional<quint32> textColor;

    static PinyinEditorSettings read(const SettingsRecord &record);
    // Writes the colours that are set, as plain decimal text.
    void write(SettingsRecord &record) const;

    static constexpr quint32 colourValue(int red, int green, int blue)
    {
        return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
    }
    static constexpr int red(quint32 value) { return int(value & 0xFF); }
    static constexpr int green(quint32 value) { return int(value >> 8 & 0xFF); }
    static constexpr int blue(quint32 value) { return int(value >> 16 & 0xFF); }
};
