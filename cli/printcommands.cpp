#include "commands.h"

#include "print/pageframe.h"
#include "print/practicesheet.h"
#include "print/printfont.h"
#include "print/readingtable.h"
#include "print/rubysegmenter.h"
#include "print/textpages.h"

#include <QFile>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace {

// Removes "--flag VALUE" from args; the value, or an empty text when the flag is absent.
// A flag without its value gives ok = false.
QString takeOption(QStringList &args, const QString &flag, bool &ok)
{
    const qsizetype at = args.indexOf(flag);
    if (at < 0)
        return {};
    if (at + 1 >= args.size()) {
        ok = false;
        args.remove(at);
        return {};
    }
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool hasUnknownOption(const QStringList &args)
{
    return std::any_of(args.cbegin(), args.cend(),
                       [](const QString &a) { return a.startsWith(u"--"); });
}

std::unique_ptr<QPdfWriter> pdfWriter(const QString &file)
{
    auto writer = std::make_unique<QPdfWriter>(file);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setResolution(600);
    writer->setCreator(u"Ordbok"_s);
    PageFrame::applyMargins(*writer);
    return writer;
}

// A UTF-8 text file on pages, as the editors print it.
int runPrint(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    bool ok = true;
    const QString pdf = takeOption(args, u"--pdf"_s, ok);
    const QString size = takeOption(args, u"--font-size"_s, ok);
    const bool pinyin = args.removeAll(u"--pinyin"_s) > 0;
    double pointSize = 12;
    if (!size.isEmpty())
        pointSize = size.toDouble(&ok);
    if (!ok || pdf.isEmpty() || args.size() != 1 || hasUnknownOption(args) || pointSize < 4 ||
        pointSize > 200) {
        err << "Usage: ordbok-cli print FILE --pdf OUT.pdf [--pinyin] [--font-size N]\n";
        return 2;
    }
    QFile input(args.first());
    if (!input.open(QIODevice::ReadOnly)) {
        err << "Cannot read " << args.first() << ": " << input.errorString() << '\n';
        return 1;
    }
    const QString text = QString::fromUtf8(input.readAll());

    const ReadingTable table = pinyin ? ReadingTable::load(folder) : ReadingTable();
    if (pinyin && table.isEmpty())
        err << "No dictionary stores in " << folder << ": characters print without pinyin\n";
    const RubySegmenter segmenter(table);
    std::unique_ptr<QPdfWriter> writer = pdfWriter(pdf);
    const TextPages pages(text, programPrintFont(folder, pointSize), *writer,
                          pinyin ? &segmenter : nullptr);
    if (!pages.print(*writer)) {
        err << "Cannot write " << pdf << '\n';
        return 1;
    }
    out << pages.pageCount() << " pages\n";
    return 0;
}

int runPracticeSheet(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    bool ok = true;
    const QString pdf = takeOption(args, u"--pdf"_s, ok);
    const QString perRow = takeOption(args, u"--per-row"_s, ok);
    const QString size = takeOption(args, u"--size"_s, ok);
    PracticeOptions options;
    if (ok && !perRow.isEmpty())
        options.perRow = perRow.toInt(&ok);
    if (ok && !size.isEmpty())
        options.squareMillimetres = size.toDouble(&ok);
    if (!ok || pdf.isEmpty() || args.size() != 1 || hasUnknownOption(args) || options.perRow < 1 ||
        options.perRow > PracticeGrid::mostPerRow || options.squareMillimetres < 5) {
        err << "Usage: ordbok-cli practice-sheet WORD --pdf OUT.pdf [--per-row N] [--size MM]\n";
        return 2;
    }
    const QList<PracticeRow> rows = practiceRows(args.first(), ReadingTable::load(folder));
    if (rows.isEmpty()) {
        err << "No Chinese characters in " << args.first() << '\n';
        return 1;
    }
    std::unique_ptr<QPdfWriter> writer = pdfWriter(pdf);
    if (!printPracticeSheet(*writer, rows, options, programPrintFont(folder, 12))) {
        err << "Cannot write " << pdf << '\n';
        return 1;
    }
    out << rows.size() << " rows\n";
    return 0;
}

} // namespace

bool cliCommandDraws(const QString &name)
{
    return name == u"print" || name == u"practice-sheet";
}

QList<CliCommand> printCommands()
{
    return {
        {u"print"_s,
         u"print FILE --pdf OUT.pdf [--pinyin] [--font-size N]   a UTF-8 text on pages, with "
         u"page numbers; --pinyin sets each word's pinyin above it"_s,
         runPrint,
         {u"--pinyin"_s},
         {u"--pdf"_s, u"--font-size"_s, u"--folder"_s}},
        {u"practice-sheet"_s,
         u"practice-sheet WORD --pdf OUT.pdf [--per-row N] [--size MM]   rows of squares to "
         u"practise writing the characters of WORD"_s,
         runPracticeSheet,
         {},
         {u"--pdf"_s, u"--per-row"_s, u"--size"_s, u"--folder"_s}},
    };
}
