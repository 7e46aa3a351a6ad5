#include "cedict/cedictformat.h"

#include "cedict/utf8line.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>

namespace {

constexpr int sampledLines = 20;

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool hasTwoHeadwords(const Utf8Line &entry)
{
    return entry.traditional.size() == entry.simplified.size();
}

} // namespace

CedictFormat detectCedictFormat(QByteArrayView head, bool wholeFile)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return CedictFormat::Utf8;
    // A sample may end inside a line, even inside a character.
    const qsizetype lastNewline = head.lastIndexOf('\n');
    if (!wholeFile && lastNewline >= 0)
        head = head.first(lastNewline + 1);
    const QList<QByteArray> lines = QByteArray::fromRawData(head.data(), head.size()).split('\n');

    for (const QByteArray &line : lines) {
        if (!line.startsWith("#!"))
            continue;
        const QByteArray setting = line.toLower().replace(' ', "").trimmed();
        if (setting == "#!charset=utf-8")
            return CedictFormat::Utf8;
        if (setting == "#!charset=big5")
            return CedictFormat::Big5;
    }
    if (!isUtf8(head))
        return CedictFormat::Big5;
    // Lines of another shape may occur in either edition; the two headwords must prevail.
    int entries = 0;
    int others = 0;
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const std::optional<Utf8Line> entry = Utf8Line::parse(QString::fromUtf8(trimmed));
        if (entry && hasTwoHeadwords(*entry))
            ++entries;
        else
            ++others;
        if (entries + others == sampledLines)
            break;
    }
    return entries > 0 && entries >= others ? CedictFormat::Utf8 : CedictFormat::Big5;
}
