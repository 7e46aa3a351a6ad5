#include "shell/capturefiles.h"

#include "platform/savefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLoggingCategory>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcCaptureFiles, "ordbok.capture")

namespace {
// The counter is a 16-bit number; past its top it starts again from 0 rather than going
// negative.
constexpr int lastNumber = 32767;

// Runs of digits compare by their value, the rest without case: "2.bmp" < "10.bmp" < "a.gif".
// Done here rather than by the collator, whose numeric mode the C locale does not offer.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            QStringView numberA = QStringView(a).sliced(startA, i - startA);
            QStringView numberB = QStringView(b).sliced(startB, j - startB);
            while (numberA.size() > 1 && numberA.front() == u'0')
                numberA = numberA.sliced(1);
            while (numberB.size() > 1 && numberB.front() == u'0')
                numberB = numberB.sliced(1);
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (const int order = numberA.compare(numberB); order != 0)
                return order < 0;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b; // names that differ only in case or leading zeros keep a fixed order
}
} // namespace

const QStringList CaptureFiles::pattern = {u"*.bmp"_s, u"*.jpg"_s, u"*.gif"_s, u"*.tif"_s};

CaptureFiles::CaptureFiles(const QString &programFolder)
    : m_programFolder(programFolder)
{
}

QString CaptureFiles::folder() const
{
    return QDir(m_programFolder).filePath(u"temp"_s);
}

void CaptureFiles::setCounter(int number)
{
    m_counter = std::clamp(number, 0, lastNumber);
}

QString CaptureFiles::fileFor(int number) const
{
    return QDir(folder()).filePath(QString::number(number) + u".bmp"_s);
}

QString CaptureFiles::save(const QImage &picture)
{
    if (picture.isNull() || !QDir().mkpath(folder())) {
        qCDebug(lcCaptureFiles) << "capture not saved: no picture or no folder" << folder();
        return {};
    }
    int number = m_counter;
    for (int tried = 0; QFileInfo::exists(fileFor(number)); ++tried) {
        if (tried > lastNumber) {
            qCDebug(lcCaptureFiles) << "capture not saved: every number is taken in" << folder();
            return {};
        }
        number = number >= lastNumber ? 0 : number + 1;
    }
    const QString path = fileFor(number);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "bmp");
    QString error;
    if (!writer.write(picture) || !writeWholeFile(path, encoded.data(), &error)) {
        qCDebug(lcCaptureFiles) << "capture not saved:" << path << writer.errorString() << error;
        return {};
    }
    m_counter = number >= lastNumber ? 0 : number + 1;
    return path;
}

bool CaptureFiles::isCapture(const QString &file) const
{
    const QFileInfo info(file);
    return info.isFile() && info.absoluteDir() == QDir(folder());
}

bool CaptureFiles::removePicture(const QString &file) const
{
    const bool removed = isCapture(file) && QFile::remove(file);
    if (!removed)
        qCDebug(lcCaptureFiles) << "picture not removed:" << file;
    return removed;
}

QStringList CaptureFiles::pictures(const QString &folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList(pattern, QDir::Files | QDir::Readable);
    std::sort(names.begin(), names.end(), naturalLess);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : std::as_const(names))
        paths.append(dir.filePath(name));
    return paths;
}

QStringList CaptureFiles::printablePictures(const QString &folder) const
{
    QStringList paths = pictures(folder);
    const QFileInfo background(QDir(m_programFolder).filePath(u"2.gif"_s));
    paths.removeIf([&background](const QString &path) { return QFileInfo(path) == background; });
    return paths;
}
