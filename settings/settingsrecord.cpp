#include "settings/settingsrecord.h"

#include "platform/regularfile.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QStringDecoder>

#include <limits>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcSettings, "ordbok.settings")

namespace {

constexpr std::array<int, SettingsRecord::FieldCount> kWidths = {
    5, 2, 10, 10, 10,  10, 10, 10, 6,  10, 10, 10, 10, 10, 10, 15, 10, 2,
    2, 2, 5,  5,  140, 10, 10, 10, 10, 10, 10, 2,  3,  2,  2,  10, 10, 15,
};

constexpr int offsetOf(int field)
{
    int offset = 0;
    for (int i = 0; i < field; ++i)
        offset += kWidths[i];
    return offset;
}
static_assert(offsetOf(SettingsRecord::FieldCount) == SettingsRecord::fieldsLength);
static_assert(offsetOf(SettingsRecord::backgroundPath) == 174);
static_assert(offsetOf(SettingsRecord::codeFontName) == 403);

// UTF-8 cut at a character boundary; files written elsewhere in a Western code page still read.
QString decodeField(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    while (text.endsWith(u' ') || text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

QString settingsPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(SettingsRecord::fileName);
}

} // namespace

SettingsRecord::Layout SettingsRecord::layout(Field field)
{
    return {offsetOf(field), kWidths[field]};
}

QString SettingsRecord::value(Field field) const
{
    return decodeField(m_fields[field]);
}

bool SettingsRecord::setValue(Field field, const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    // A cut value would be a different path or name, or end in half a character: keep the old.
    if (bytes.size() > kWidths[field])
        return false;
    m_fields[field] = bytes.leftJustified(kWidths[field], ' ');
    return true;
}

QByteArray SettingsRecord::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(fieldsLength);
    for (int i = 0; i < FieldCount; ++i)
        bytes += m_fields[i].isEmpty() ? QByteArray(kWidths[i], ' ') : m_fields[i];
    return bytes;
}

void SettingsRecord::fromBytes(const QByteArray &bytes)
{
    for (int i = 0; i < FieldCount; ++i) {
        const QByteArray part = bytes.mid(offsetOf(i), kWidths[i]);
        m_fields[i] = part.leftJustified(kWidths[i], ' ');
    }
}

bool SettingsRecord::read(const QString &programFolder)
{
    // A FIFO in the file's place would block the start.
    QFile file;
    if (RegularFile::open(file, settingsPath(programFolder), std::numeric_limits<qint64>::max()) !=
        RegularFile::Refusal::None) {
        qCDebug(lcSettings) << "no settings file at" << settingsPath(programFolder);
        fromBytes({});
        return false;
    }
    fromBytes(file.read(fieldsLength));
    return true;
}

bool SettingsRecord::write(const QString &programFolder) const
{
    const QString path = settingsPath(programFolder);
    QByteArray contents;
    QFile existing;
    if (RegularFile::open(existing, path, recordLength * 64) == RegularFile::Refusal::None)
        contents = existing.readAll();
    existing.close();
    if (contents.size() < recordLength)
        contents = contents.leftJustified(recordLength, ' ');
    contents.replace(0, fieldsLength, toBytes());

    QString error;
    if (!writeWholeFile(path, contents, &error)) {
        qCDebug(lcSettings) << "cannot write" << path << error;
        return false;
    }
    return true;
}

namespace SettingsText {

double leadingNumber(const QString &text)
{
    QString compact = text;
    compact.remove(u' ');
    compact.remove(u'\t');
    qsizetype end = 0;
    if (end < compact.size() && (compact[end] == u'-' || compact[end] == u'+'))
        ++end;
    bool dot = false;
    while (end < compact.size() && (compact[end].isDigit() || (compact[end] == u'.' && !dot))) {
        dot = dot || compact[end] == u'.';
        ++end;
    }
    bool ok = false;
    const double number = compact.left(end).toDouble(&ok);
    return ok ? number : 0.0;
}

std::optional<double> strictNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::system().toDouble(trimmed, &ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<bool> boolean(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"True"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False"_s, Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = strictNumber(trimmed))
        return *number != 0.0;
    return std::nullopt;
}

QString booleanWord(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

} // namespace SettingsText
