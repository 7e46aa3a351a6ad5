#pragma once

#include "settings/settingsrecord.h"

#include <QString>

#include <optional>

// The Chinese editor's share of the settings record. Colours are the stored 32-bit values, red
// in the low byte, blue in the third (0x00BBGGRR). Fields that do not read as their type keep
// the window's own default (nullopt).
struct ChineseEditorSettings
{
    QString fontName;
    std::optional<double> fontSize;
    std::optional<quint32> textColor;
    std::optional<quint32> backColor;
    std::optional<quint32> lineTextColor; // the candidate line
    std::optional<quint32> lineBackColor;
    std::optional<bool> traditional; // editorTable: "0" the traditional table, "-1" simplified

    static ChineseEditorSettings read(const SettingsRecord &record);
    void write(SettingsRecord &record) const;

    static std::optional<quint32> colourValue(const QString &text);
    static QString colourText(quint32 value);
};
