#pragma once

#include <QColor>

// Colours are kept in the settings record as 32-bit values with red in the low byte and blue
// in the third (0x00BBGGRR): 255 is red, 16777215 white.
inline QColor fromStoredColour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 toStoredColour(const QColor &colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}
