#include "cedict/cedictimporter.h"

#include "cedict/big5codec.h"
#include "cedict/big5codetable.h"
#include "cedict/big5line.h"
#include "cedict/cedictlog.h"
#include "cedict/pendingwordtable.h"
#include "cedict/utf8line.h"
#include "cedict/wordtablewriter.h"
#include "dictionary/charactercode.h"
#include "dictionary/tables.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A CEDICT line is a few hundred bytes; anything longer is not text worth keeping whole.
constexpr qint64 maxLineLength = 64 * 1024;
constexpr qint64 formatSampleLength = 64 * 1024;

using Outcome = CedictImportSummary::Outcome;

// Lines of a file without their LF or CR LF. An overlong line keeps its first maxLineLength
// bytes; the Big5 scans never reach that far.
class LineReader
{
public:
    explicit LineReader(QIODevice &device) : m_device(device), m_buffer(maxLineLength + 1, '\0') {}

    bool next(QByteArray &line)
    {
        qint64 length = m_device.readLine(m_buffer.data(), m_buffer.size());
        if (length <= 0)
            return false;
        line = QByteArray(m_buffer.constData(), length);
        m_cut = false;
        while (!line.endsWith('\n')) {
            length = m_device.readLine(m_buffer.data(), m_buffer.size());
            if (length <= 0)
                break;
            const QByteArrayView rest(m_buffer.constData(), length);
            m_cut = m_cut || rest.trimmed().size() > 0;
            if (rest.endsWith('\n'))
                break;
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        return true;
    }
    bool lastLineCut() const { return m_cut; }

private:
    QIODevice &m_device;
    QByteArray m_buffer;
    bool m_cut = false;
};

WordRecord recordFromBig5(const Big5Line &line, const Big5CodeTable &codes, Big5Codec &codec,
                          CedictImportSummary &summary)
{
    WordRecord record;
    summary.linesWithoutHeadword += line.noHeadword;
    summary.unclosedReadings += line.unclosedReading;
    summary.glossScansCut += line.glossesCut;
    summary.linesWithExtraGlosses += line.extraGlosses;

    if (!line.tecken.isEmpty()) {
        record.tecken = QString::fromLatin1(line.tecken);
        for (qsizetype k = 0; k < line.tecken.size(); k += 4) {
            const QString unicode =
                codes.unicodeFor(QByteArrayView(line.tecken)
                                     .sliced(k)
                                     .first(std::min<qsizetype>(4, line.tecken.size() - k)));
            if (unicode.isNull())
                ++summary.unknownCodes;
            record.teckenkoder += unicode;
        }
    }
    if (!line.reading.isEmpty())
        record.pinyin = codec.decode(line.reading);
    for (size_t i = 0; i < line.glosses.size(); ++i) {
        if (!line.glosses[i].isEmpty())
            record.translations[i] = codec.decode(line.glosses[i]);
    }
    return record;
}

WordRecord recordFromUtf8(const Utf8Line &entry, Big5Codec &codec, CedictImportSummary &summary)
{
    WordRecord record;
    if (const std::optional<QByteArray> big5 = codec.encode(entry.traditional))
        record.tecken = QString::fromLatin1(upperHex(*big5));
    else
        ++summary.headwordsWithoutBig5;
    for (const char32_t codePoint : entry.traditional.toUcs4()) {
        if (codePoint > 0xFFFF)
            ++summary.charactersOutsideBmp;
        else
            record.teckenkoder += CharacterCode::fromCharacter(QChar(char16_t(codePoint)));
    }
    record.pinyin = entry.reading;

    const qsizetype last = record.translations.size() - 1;
    for (qsizetype i = 0; i < entry.glosses.size() && i < last; ++i)
        record.translations[size_t(i)] = entry.glosses.at(i);
    // The tenth field takes every gloss from the tenth on, so nothing is dropped.
    if (entry.glosses.size() > last)
        record.translations[size_t(last)] = entry.glosses.sliced(last).join(u" / "_s);
    return record;
}

} // namespace

CedictImporter::CedictImporter(const QString &programFolder)
    : m_programFolder(programFolder),
      m_targetFile(Tables::storePath(programFolder, Tables::pendingWordStore))
{
}

CedictImportSummary CedictImporter::importFile(const QString &cedictFile)
{
    QElapsedTimer timer;
    timer.start();
    CedictImportSummary summary;
    summary.targetFile = m_targetFile;
    const auto finished = [&](Outcome outcome) {
        summary.outcome = outcome;
        summary.milliseconds = timer.elapsed();
        return summary;
    };

    if (cedictFile.isEmpty())
        return finished(Outcome::Cancelled);
    QFile input(cedictFile);
    if (!input.open(QIODevice::ReadOnly)) {
        qCDebug(lcCedict) << "cannot read" << cedictFile << input.errorString();
        return finished(Outcome::InputUnreadable);
    }
    summary.format =
        detectCedictFormat(input.peek(formatSampleLength), input.size() <= formatSampleLength);

    Big5Codec codec;
    if (!codec.isValid())
        return finished(Outcome::CodecMissing);
    Big5CodeTable codes;
    if (summary.format == CedictFormat::Big5 && !codes.load(Big5CodeTable::findIn(m_programFolder)))
        return finished(Outcome::CodeTableMissing);
    const QString emptyTemplate = Tables::storePath(m_programFolder, Tables::emptyWordTemplate);
    if (!QFileInfo(emptyTemplate).isFile())
        return finished(Outcome::TemplateMissing);

    const QString staging = stagingFileFor(m_targetFile);
    const auto failed = [&] {
        QFile::remove(staging);
        return finished(Outcome::WriteFailed);
    };
    QFile::remove(staging);
    if (!QFile::copy(emptyTemplate, staging)) {
        qCDebug(lcCedict) << "cannot copy" << emptyTemplate << "to" << staging;
        return failed();
    }
    QFile::setPermissions(staging, QFile::permissions(staging) | QFile::WriteOwner);

    WordTableWriter writer;
    if (!writer.open(staging))
        return failed();
    const auto store = [&](const WordRecord &record) {
        if (writer.write(record))
            ++summary.recordsWritten;
        else
            ++summary.recordsRefused;
    };
    store(WordRecord{});

    LineReader lines(input);
    QByteArray line;
    while (lines.next(line)) {
        ++summary.linesRead;
        if (summary.format == CedictFormat::Big5) {
            store(recordFromBig5(Big5Line::parse(line), codes, codec, summary));
            continue;
        }
        const QString text = QString::fromUtf8(line); // drops a byte order mark
        const QStringView trimmed = QStringView(text).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            ++summary.nonEntryLines;
            continue;
        }
        const std::optional<Utf8Line> entry = Utf8Line::parse(text);
        if (!entry || lines.lastLineCut()) {
            ++summary.malformedLines;
            continue;
        }
        store(recordFromUtf8(*entry, codec, summary));
    }
    if (input.error() != QFileDevice::NoError) {
        qCDebug(lcCedict) << "read error in" << cedictFile << input.errorString();
        writer.commit();
        return failed();
    }
    if (!writer.commit() || !replaceFile(staging, m_targetFile))
        return failed();
    return finished(Outcome::Imported);
}
