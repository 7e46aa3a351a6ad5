#include "settings/fontinstaller.h"

#include "platform/regularfile.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A garbage or huge file holds no "nej" worth finding past this.
constexpr qint64 flagReadLimit = 4096;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool endsLine(char c)
{
    return c == '\r' || c == '\n';
}

bool copyFont(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCDebug(lcFonts) << "font not installed, cannot read" << source << in.errorString();
        return false;
    }
    // Written beside the target and renamed over it: a failed copy leaves any older
    // installed font as it was.
    QSaveFile out(target);
    // Unbuffered: a last block that fails as the buffer is flushed would go unseen by commit().
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCDebug(lcFonts) << "font not installed, cannot write" << target << out.errorString();
        return false;
    }
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(chunk);
        if (block.isEmpty() || out.write(block) != block.size()) {
            qCDebug(lcFonts) << "font not installed, copy failed:" << source << "to" << target
                             << in.errorString() << out.errorString();
            return false; // uncommitted, the save file drops what it wrote
        }
    }
    if (!out.commit()) {
        qCDebug(lcFonts) << "font not installed, cannot replace" << target << out.errorString();
        return false;
    }
    return true;
}

} // namespace

FontFlagFile::FontFlagFile(const QString &programFolder)
    : m_path(QDir(programFolder).filePath(fileName))
{
}

QString FontFlagFile::parseItem(QByteArrayView content)
{
    qsizetype pos = 0;
    while (pos < content.size() && isBlank(content[pos]))
        ++pos;

    qsizetype end = pos;
    if (pos < content.size() && content[pos] == '"') {
        ++pos;
        end = pos;
        while (end < content.size() && content[end] != '"' && !endsLine(content[end]))
            ++end;
    } else {
        while (end < content.size() && content[end] != ',' && !endsLine(content[end]))
            ++end;
        while (end > pos && isBlank(content[end - 1]))
            --end;
    }
    return QString::fromLatin1(content.sliced(pos, end - pos));
}

QByteArray FontFlagFile::formatItem(const QString &item)
{
    return '"' + item.toLatin1() + "\"\r\n";
}

std::optional<QString> FontFlagFile::item() const
{
    QFile file;
    if (RegularFile::open(file, m_path, std::numeric_limits<qint64>::max()) !=
        RegularFile::Refusal::None) {
        qCDebug(lcFonts) << "no font flag to read:" << m_path;
        return std::nullopt;
    }
    return parseItem(file.read(flagReadLimit));
}

bool FontFlagFile::fontsPending() const
{
    return item() == pending;
}

bool FontFlagFile::markInstalled() const
{
    // A save file replaces the old flag in one step: no moment without a flag file.
    QString error;
    if (writeWholeFile(m_path, formatItem(installed), &error))
        return true;
    qCDebug(lcFonts) << "font flag not written, the first start will run again:" << m_path << error;
    return false;
}

FontInstaller::FontInstaller(const QString &programFolder, const QString &userFontFolder)
    : m_programFolder(programFolder)
    , m_userFontFolder(userFontFolder)
{
}

QString FontInstaller::defaultUserFontFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/fonts"_s;
}

QStringList FontInstaller::install() const
{
    QStringList installedFonts;
    if (!QDir().mkpath(m_userFontFolder)) {
        qCDebug(lcFonts) << "user font folder cannot be made, fonts not installed:"
                         << m_userFontFolder;
        return installedFonts;
    }
    const QDir programFolder(m_programFolder);
    const QDir userFolder(m_userFontFolder);
    for (const QLatin1StringView name : {ProgramFonts::pinyinFile, ProgramFonts::chineseFile}) {
        const QString target = userFolder.filePath(name);
        if (copyFont(programFolder.filePath(name), target))
            installedFonts << target;
    }
    return installedFonts;
}

bool FontInstaller::installOnFirstStart() const
{
    const FontFlagFile flag(m_programFolder);
    if (!flag.fontsPending())
        return false;
    install();
    // The helper program the installation used to start after copying has no counterpart
    // here: the fonts are usable as soon as they are in the user folder.
    flag.markInstalled();
    return true;
}
