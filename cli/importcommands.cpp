#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"
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
        return u"the CEDICT file "_s +
               RegularFile::describe(summary.inputRefusal, CedictImporter::maxFileBytes);
    case Outcome::NotCedict:
        return summary.check.reason();
    case Outcome::MuchSmaller:
        return u"the new word table would hold %1 entries, the one in use holds %2; give "
               u"--force to import it all the same"_s.arg(
                   QLocale::c().toString(summary.check.entryLines),
                   QLocale::c().toString(summary.entriesInUse));
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
    line(u"entries in the Big5 file for the search page"_s, summary.big5Entries);
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
    const bool force = args.removeAll(u"--force"_s) > 0;
    if (args.size() != 1) {
        err << "Usage: ordbok-cli import FILE [--force] [--into FOLDER]\n";
        return 2;
    }
    CedictImporter importer(folder);
    importer.setMuchSmallerAllowed(force);
    const CedictImportSummary summary = importer.importFile(args.first());
    if (!summary.succeeded()) {
        err << "Import failed: " << outcomeText(summary) << '\n';
        return 1;
    }
    out << "Wrote " << summary.targetFile << " and " << summary.big5TargetFile
        << " (installed at the next start)\n";
    printSummary(summary, out);
    return 0;
}

QString describe(const DictionaryGeneration &generation)
{
    return u"%1, %2 entries"_s.arg(generation.written.toString(u"yyyy-MM-dd HH:mm"_s),
                                   QLocale::c().toString(generation.entries));
}

int runRestore(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    if (!args.isEmpty()) {
        err << "Usage: ordbok-cli restore [--into FOLDER]\n";
        return 2;
    }
    DictionaryUpdate update(folder);
    const DictionaryGeneration previous = update.previous();
    QString error;
    if (!update.requestRestore(&error)) {
        err << "Cannot restore: " << error << '\n';
        return 1;
    }
    out << "The previous dictionary (" << describe(previous) << ") replaces the one in use ("
        << describe(update.current()) << ") at the next start.\n";
    return 0;
}

} // namespace

QList<CliCommand> importCommands()
{
    return {{u"import"_s,
             u"import FILE [--force] [--into FOLDER]   rebuild the word table and cedict.b5 from "
             u"a CEDICT file (.b5: Big5, .u8/.txt: UTF-8) into FOLDER/kinesiskBIG5kod1.mdb and "
             u"cedict1.b5, installed at the next start; --force: also when it holds fewer than "
             u"90% of the entries in use"_s,
             runImport,
             {u"--force"_s},
             {u"--into"_s}},
            {u"restore"_s,
             u"restore [--into FOLDER]   the dictionary replaced by the last install comes back "
             u"at the next start"_s,
             runRestore,
             {},
             {u"--into"_s}}};
}
