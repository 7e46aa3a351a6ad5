#include "handwriting/strokestorewriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace StrokeStoreWriter {
namespace {

int pointsOf(char command)
{
    switch (command) {
    case 'M':
    case 'L':
        return 1;
    case 'Q':
        return 2;
    case 'C':
        return 3;
    case 'Z':
        return 0;
    default:
        return -1;
    }
}

template <typename T> void append(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

bool fitsShort(double value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

} // namespace

std::optional<QByteArray> encodeOutline(const QString &svgPath)
{
    const QStringList tokens = svgPath.split(u' ', Qt::SkipEmptyParts);
    QByteArray out;
    quint16 commands = 0;
    out.append(2, '\0'); // the command count, filled in at the end
    for (qsizetype at = 0; at < tokens.size();) {
        const QString &token = tokens.at(at++);
        const int points = token.size() == 1 ? pointsOf(token.at(0).toLatin1()) : -1;
        if (points < 0 || at + 2 * points > tokens.size())
            return std::nullopt;
        out.append(token.at(0).toLatin1());
        for (int i = 0; i < 2 * points; ++i) {
            bool ok = false;
            const double value = tokens.at(at++).toDouble(&ok);
            if (!ok || !fitsShort(value))
                return std::nullopt;
            append<qint16>(out, qint16(std::lround(value)));
        }
        ++commands;
    }
    if (commands == 0)
        return std::nullopt;
    qToLittleEndian(commands, out.data());
    return out;
}

std::optional<SourceCharacter> parseJson(char32_t character, const QByteArray &json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const QJsonArray strokes = object.value(u"strokes").toArray();
    const QJsonArray medians = object.value(u"medians").toArray();
    if (strokes.isEmpty() || strokes.size() != medians.size() || strokes.size() > 255)
        return std::nullopt;
    SourceCharacter result{character, {}};
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        SourceStroke stroke;
        const std::optional<QByteArray> outline = encodeOutline(strokes.at(i).toString());
        if (!outline)
            return std::nullopt;
        stroke.outline = *outline;
        const QJsonArray points = medians.at(i).toArray();
        if (points.isEmpty() || points.size() > 0xffff)
            return std::nullopt;
        for (const QJsonValue &point : points) {
            const QJsonArray xy = point.toArray();
            if (xy.size() != 2 || !xy.at(0).isDouble() || !xy.at(1).isDouble() ||
                !fitsShort(xy.at(0).toDouble()) || !fitsShort(xy.at(1).toDouble()))
                return std::nullopt;
            stroke.median.append(QPoint(int(std::lround(xy.at(0).toDouble())),
                                        int(std::lround(xy.at(1).toDouble()))));
        }
        result.strokes.append(stroke);
    }
    return result;
}

QByteArray build(QList<SourceCharacter> characters)
{
    std::sort(characters.begin(), characters.end(),
              [](const SourceCharacter &a, const SourceCharacter &b) {
                  return a.character < b.character;
              });
    characters.erase(std::unique(characters.begin(), characters.end(),
                                 [](const SourceCharacter &a, const SourceCharacter &b) {
                                     return a.character == b.character;
                                 }),
                     characters.end());
    QByteArray records;
    QByteArray index;
    const quint32 headerSize = 8 + 4 + 8 * quint32(characters.size());
    for (const SourceCharacter &character : characters) {
        append<quint32>(index, quint32(character.character));
        append<quint32>(index, headerSize + quint32(records.size()));
        append<quint8>(records, quint8(character.strokes.size()));
        for (const SourceStroke &stroke : character.strokes) {
            append<quint16>(records, quint16(stroke.median.size()));
            for (const QPoint &point : stroke.median) {
                append<qint16>(records, qint16(point.x()));
                append<qint16>(records, qint16(point.y()));
            }
            records.append(stroke.outline);
        }
    }
    QByteArray out(StrokeStoreFormat::magic, 8);
    append<quint32>(out, quint32(characters.size()));
    return out + index + records;
}

std::optional<Report> buildFromFolder(const QString &folder, const QString &storeFile,
                                      QString *error)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({u"*.json"_s}, QDir::Files, QDir::Name);
    Report report;
    QList<SourceCharacter> characters;
    for (const QString &file : files) {
        if (file == u"package.json")
            continue;
        const QList<uint> codePoints = file.chopped(5).toUcs4();
        QFile in(dir.filePath(file));
        std::optional<SourceCharacter> character;
        if (codePoints.size() == 1 && in.open(QIODevice::ReadOnly))
            character = parseJson(codePoints.first(), in.readAll());
        if (!character) {
            report.skipped.append(file);
            continue;
        }
        characters.append(*character);
    }
    if (characters.isEmpty()) {
        if (error)
            *error = u"no stroke files in "_s + folder;
        return std::nullopt;
    }
    report.written = int(characters.size());
    QSaveFile out(storeFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(build(characters)) < 0 || !out.commit()) {
        if (error)
            *error = u"cannot write "_s + storeFile + u": "_s + out.errorString();
        return std::nullopt;
    }
    return report;
}

} // namespace StrokeStoreWriter
