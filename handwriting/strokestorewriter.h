#pragma once

// Builds the stroke store from the package's folder of per-character JSON files
// ({"strokes": [SVG path, ...], "medians": [[[x, y], ...], ...]}, 1024 box, y up, the
// baseline at 900). The store keeps those units; the reader turns them into the 1000 box.
//
// Store layout, little-endian: "ORDSTRK1", u32 count, count x (u32 code point, u32 offset)
// sorted by code point, then per character: u8 strokes; per stroke u16 median points and
// their (i16 x, i16 y), u16 outline commands, each a byte 'M' 'L' 'Q' 'C' or 'Z' followed by
// 1, 1, 2, 3 or 0 points.

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace StrokeStoreFormat {
inline constexpr char magic[9] = "ORDSTRK1";
}

struct SourceStroke
{
    QByteArray outline;   // encoded commands, as stored
    QList<QPoint> median; // package units
};

struct SourceCharacter
{
    char32_t character = 0;
    QList<SourceStroke> strokes;
};

namespace StrokeStoreWriter {

// An SVG path of the package ("M 535 506 Q 538 699 560 762 ... Z") encoded as the store
// keeps it; none for anything else (lower-case, arcs, bad numbers).
std::optional<QByteArray> encodeOutline(const QString &svgPath);
// One package file's contents; none when it is not the package's shape.
std::optional<SourceCharacter> parseJson(char32_t character, const QByteArray &json);

QByteArray build(QList<SourceCharacter> characters);

struct Report
{
    int written = 0;
    QStringList skipped; // file names that were not one character or not the package's shape
};
// Every <character>.json of the folder into one store file.
std::optional<Report> buildFromFolder(const QString &folder, const QString &storeFile,
                                      QString *error);

} // namespace StrokeStoreWriter
