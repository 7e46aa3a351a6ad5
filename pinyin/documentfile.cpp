#include "pinyin/documentfile.h"

#include "platform/regularfile.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace DocumentFile {

namespace {

// Tab, line feed, vertical tab, form feed and carriage return occur in text; other C0 controls,
// NUL above all, mean a binary file.
bool looksBinary(QStringView text)
{
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x20 && (c < 0x09 || c > 0x0D))
            return true;
    }
    return false;
}

std::optional<QString> decode(const QByteArray &bytes)
{
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes);
        marked && (*marked == QStringConverter::Utf16LE || *marked == QStringConverter::Utf16BE))
        encoding = *marked;
    // The decoder drops a byte order mark of its own encoding; without a state to carry over,
    // a sequence cut off at the end is an error too.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

Result read(const QString &path)
{
    // A FIFO or a device would block the open or never end.
    QFile file;
    switch (RegularFile::open(file, path, maxSize)) {
    case RegularFile::Refusal::None:
        break;
    case RegularFile::Refusal::TooLarge:
        return {Problem::TooLarge, QString(), QString()};
    case RegularFile::Refusal::NotRegular:
        return {Problem::Unreadable, QString(), u"not a regular file"_s};
    default:
        return {Problem::Unreadable, QString(), u"cannot be read"_s};
    }
    const QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {Problem::Unreadable, QString(), file.errorString()};
    if (bytes.size() > maxSize) // a device or a file that grew while being read
        return {Problem::TooLarge, QString(), QString()};

    std::optional<QString> text = decode(bytes);
    if (!text || looksBinary(*text))
        return {Problem::NotText, QString(), QString()};
    text->replace(u"\r\n"_s, u"\n"_s);
    text->replace(u'\r', u'\n');
    return {Problem::None, *text, QString()};
}

Result write(const QString &path, const QString &text)
{
    QString reason;
    if (!writeWholeFile(path, text.toUtf8(), &reason))
        return {Problem::NotWritten, QString(), reason};
    return {};
}

QString Messages::about(const QString &path, const Result &result) const
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.problem) {
    case Problem::None:
        break;
    case Problem::Unreadable:
        return openFailed.arg(file, result.detail);
    case Problem::TooLarge:
        return tooLarge.arg(file).arg(maxSize / (1024 * 1024));
    case Problem::NotText:
        return notText.arg(file);
    case Problem::NotWritten:
        return saveFailed.arg(file, result.detail);
    }
    return {};
}

} // namespace DocumentFile
