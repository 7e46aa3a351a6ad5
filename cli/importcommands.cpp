#include "cedict/cedictimporter.h"
#include "commands.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString outcomeText(const CedictImportSummary &summary)
{
    using Outcome = CedictImportSummary::Outcome;
    switch (summary.outcome) {
    case Outcome::Imported:
        return u"imported"_s;
    case Outcome::Cancelled:
        return u"no file given"_s;
    case Outcome::InputUnreadable:
        return u"cannot read the CEDICT file"_s;
    case Outcome::NotCedict:
        return summary.check.reason();
    case Outcome::TemplateMissing:
        return u"the folder has no empty/kinesiskBIG5kod1.mdb"_s;
    case Outcome::CodeTableMissing:
        return u"the folder has no readable big5.mdb"_s;
    case Outcome::CodecMissing:
        return u"this Qt has no Big5 codec"_s;
    case Outcome::WriteFailed:
        return u"cannot write %1"_s.arg(summary.targetFile);
    }
    return {};
}

void printSummary(const CedictImportSummary &summary, QTextStream &out)
{
    const QLocale c = QLocale::c();
    const auto line = [&](const QString &label, qint64 count) {
        out << "  " << label << ": " << c.toString(count) << '\n';
    };
    out << "Format: " << (summary.format == CedictFormat::Big5 ? "Big5" : "UTF-8") << '\n';
    line(u"lines read"_s, summary.linesRead);
    line(u"records written (first one empty)"_s, summary.recordsWritten);
    line(u"records refused"_s, summary.recordsRefused);
    out << "Skipped pieces:\n";
    if (summary.format == CedictFormat::Big5) {
        line(u"lines without headword (empty records)"_s, summary.linesWithoutHeadword);
        line(u"Big5 codes not in the code table"_s, summary.unknownCodes);
        line(u"unclosed readings"_s, summary.unclosedReadings);
        line(u"gloss scans cut at the length limit"_s, summary.glossScansCut);
        line(u"lines with more than ten glosses"_s, summary.linesWithExtraGlosses);
    } else {
        line(u"comment and blank lines"_s, summary.nonEntryLines);
        line(u"malformed lines"_s, summary.malformedLines);
        line(u"headwords without Big5 (no tecken)"_s, summary.headwordsWithoutBig5);
        line(u"characters outside the BMP"_s, summary.charactersOutsideBmp);
    }
    out << "Time: " << c.toString(summary.milliseconds / 1000.0, 'f', 2) << " s\n";
}

int runImport(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    if (args.size() != 1) {
        err << "Usage: ordbok-cli import FILE [--into FOLDER]\n";
        return 2;
    }
    CedictImporter importer(folder);
    const CedictImportSummary summary = importer.importFile(args.first());
    if (!summary.succeeded()) {
        err << "Import failed: " << outcomeText(summary) << '\n';
        return 1;
    }
    out << "Wrote " << summary.targetFile << '\n';
    printSummary(summary, out);
    return 0;
}

} // namespace

QList<CliCommand> importCommands()
{
    return {{u"import"_s,
             u"import FILE [--into FOLDER]   rebuild the word table from a CEDICT file (Big5 or "
             u"UTF-8) into FOLDER/kinesiskBIG5kod1.mdb"_s,
             runImport}};
}
