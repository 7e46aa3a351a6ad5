#include "platform/regularfile.h"

#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace RegularFile {
namespace {

Refusal judge(const struct stat &status, qint64 maxBytes)
{
    if (!S_ISREG(status.st_mode))
        return Refusal::NotRegular;
    return qint64(status.st_size) > maxBytes ? Refusal::TooLarge : Refusal::None;
}

} // namespace

Refusal check(const QString &path, qint64 maxBytes)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::Unreadable;
    return judge(status, maxBytes);
}

Refusal open(QFile &file, const QString &path, qint64 maxBytes)
{
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::Unreadable;
    struct stat status
    {
    };
    Refusal refusal = ::fstat(fd, &status) == 0 ? judge(status, maxBytes) : Refusal::Unreadable;
    if (refusal == Refusal::None) {
        // Back to blocking reads, which a regular file never waits in anyway.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            refusal = Refusal::Unreadable;
        else
            return Refusal::None;
    }
    ::close(fd);
    return refusal;
}

std::optional<QByteArray> read(const QString &path, qint64 maxBytes, Refusal *refusal)
{
    QFile file;
    Refusal why = open(file, path, maxBytes);
    QByteArray bytes;
    if (why == Refusal::None) {
        // The file may have grown since it was measured: never more than maxBytes.
        bytes = file.read(maxBytes + 1);
        if (file.error() != QFileDevice::NoError)
            why = Refusal::Unreadable;
        else if (bytes.size() > maxBytes)
            why = Refusal::TooLarge;
    }
    if (refusal)
        *refusal = why;
    if (why != Refusal::None)
        return std::nullopt;
    return bytes;
}

QString describe(Refusal refusal, qint64 maxBytes)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::Missing:
        return u"does not exist"_s;
    case Refusal::NotRegular:
        return u"is not a regular file (a FIFO, a device or a folder)"_s;
    case Refusal::TooLarge:
        return u"is larger than %1, more than this program reads"_s.arg(
            QLocale(QLocale::English, QLocale::UnitedStates).formattedDataSize(maxBytes));
    case Refusal::Unreadable:
        return u"cannot be read"_s;
    }
    return {};
}

} // namespace RegularFile
