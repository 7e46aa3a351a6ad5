#include "handwriting/strokestore.h"

#include "handwriting/strokestorewriter.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace {

constexpr qsizetype headerSize = 12;
constexpr qsizetype indexEntrySize = 8;

// The package's units: a 1024 box with y up and the baseline 900 units from its top.
QPointF toBox(qint16 x, qint16 y)
{
    constexpr double scale = StrokeBox::size / 1024.0;
    return {x * scale, (900 - y) * scale};
}

// Reads forward through one record, refusing to run past the end of the file.
class Reader
{
public:
    Reader(const QByteArray &data, qsizetype at)
        : m_data(data)
        , m_at(at)
    {
    }

    template <typename T> bool read(T &value)
    {
        if (m_at < 0 || m_at + qsizetype(sizeof(T)) > m_data.size())
            return false;
        value = qFromLittleEndian<T>(m_data.constData() + m_at);
        m_at += sizeof(T);
        return true;
    }
    bool readPoint(QPointF &point)
    {
        qint16 x = 0, y = 0;
        if (!read(x) || !read(y))
            return false;
        point = toBox(x, y);
        return true;
    }

private:
    const QByteArray &m_data;
    qsizetype m_at;
};

bool readOutline(Reader &reader, QPainterPath &path)
{
    quint16 commands = 0;
    if (!reader.read(commands))
        return false;
    for (int i = 0; i < commands; ++i) {
        quint8 command = 0;
        if (!reader.read(command))
            return false;
        QPointF p[3];
        const int points = command == 'M' || command == 'L' ? 1
                           : command == 'Q'                 ? 2
                           : command == 'C'                 ? 3
                                                            : 0;
        if (points == 0 && command != 'Z')
            return false;
        for (int k = 0; k < points; ++k) {
            if (!reader.readPoint(p[k]))
                return false;
        }
        switch (command) {
        case 'M':
            path.moveTo(p[0]);
            break;
        case 'L':
            path.lineTo(p[0]);
            break;
        case 'Q':
            path.quadTo(p[0], p[1]);
            break;
        case 'C':
            path.cubicTo(p[0], p[1], p[2]);
            break;
        default:
            path.closeSubpath();
        }
    }
    return true;
}

} // namespace

QString StrokeStore::path(const QString &programFolder)
{
    return QDir(programFolder).filePath(fileName);
}

StrokeStore::StrokeStore() = default;
StrokeStore::~StrokeStore() = default;
StrokeStore::StrokeStore(StrokeStore &&) noexcept = default;
StrokeStore &StrokeStore::operator=(StrokeStore &&) noexcept = default;

bool StrokeStore::open(const QString &file)
{
    m_data.clear();
    m_count = 0;
    m_file = std::make_unique<QFile>(file);
    // Mapped, not read: only the pages of the characters looked at are ever loaded.
    const uchar *mapped =
        m_file->open(QIODevice::ReadOnly) ? m_file->map(0, m_file->size()) : nullptr;
    if (!mapped) {
        m_file.reset();
        return false;
    }
    QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), m_file->size());
    if (data.size() < headerSize || !data.startsWith(StrokeStoreFormat::magic))
        return false;
    const quint32 count = qFromLittleEndian<quint32>(data.constData() + 8);
    if (count == 0 || headerSize + qsizetype(count) * indexEntrySize > data.size())
        return false;
    m_data = std::move(data);
    m_count = int(count);
    return true;
}

qsizetype StrokeStore::recordOffset(char32_t character) const
{
    // A binary search over the sorted index.
    int low = 0, high = m_count;
    while (low < high) {
        const int middle = (low + high) / 2;
        const char *entry = m_data.constData() + headerSize + middle * indexEntrySize;
        const quint32 at = qFromLittleEndian<quint32>(entry);
        if (at == character)
            return qFromLittleEndian<quint32>(entry + 4);
        if (at < character)
            low = middle + 1;
        else
            high = middle;
    }
    return -1;
}

bool StrokeStore::contains(char32_t character) const
{
    return recordOffset(character) >= 0;
}

std::optional<CharacterStrokes> StrokeStore::strokes(const QString &character) const
{
    const QList<uint> codePoints = character.toUcs4();
    if (codePoints.isEmpty())
        return std::nullopt;
    return strokes(char32_t(codePoints.first()));
}

std::optional<CharacterStrokes> StrokeStore::strokes(char32_t character) const
{
    const qsizetype at = recordOffset(character);
    if (at < 0)
        return std::nullopt;
    Reader reader(m_data, at);
    quint8 count = 0;
    if (!reader.read(count))
        return std::nullopt;
    CharacterStrokes result;
    result.character = QString::fromUcs4(&character, 1);
    for (int stroke = 0; stroke < count; ++stroke) {
        quint16 points = 0;
        if (!reader.read(points))
            return std::nullopt;
        QPolygonF median;
        median.reserve(points);
        for (int i = 0; i < points; ++i) {
            QPointF point;
            if (!reader.readPoint(point))
                return std::nullopt;
            median.append(point);
        }
        QPainterPath outline;
        if (!readOutline(reader, outline))
            return std::nullopt;
        result.medians.append(median);
        result.outlines.append(outline);
    }
    return result;
}

QList<char32_t> StrokeStore::characters() const
{
    QList<char32_t> result;
    result.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        result.append(
            qFromLittleEndian<quint32>(m_data.constData() + headerSize + i * indexEntrySize));
    return result;
}
