#include "commands.h"

#include "dictionary/tables.h"
#include "handwriting/candidateoffer.h"
#include "handwriting/inkfile.h"
#include "handwriting/recognizer.h"
#include "handwriting/strokestore.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// Takes "--name N" out of the arguments; false when N is missing or no positive number.
bool takeCount(QStringList &args, const QString &name, int &value)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    bool ok = false;
    value = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : 0;
    args.remove(at, qMin<qsizetype>(2, args.size() - at));
    return ok && value > 0;
}

int runRecognize(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    const bool traditional = args.removeAll(u"--traditional"_s) > 0;
    int limit = 10;
    if (!takeCount(args, u"--limit"_s, limit) || args.size() != 1 ||
        args.first().startsWith(u"--")) {
        err << "Usage: ordbok-cli recognize FILE [--limit N] [--traditional]\n";
        return 2;
    }
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        err << "Cannot read " << args.first() << ": " << file.errorString() << '\n';
        return 1;
    }
    QString error;
    const std::optional<Ink> ink = InkFile::parse(QString::fromUtf8(file.readAll()), &error);
    if (!ink) {
        err << args.first() << ": " << error << '\n';
        return 1;
    }
    HandwritingRecognizer recognizer;
    if (!recognizer.load()) {
        err << "No handwriting model: " << recognizer.problems().join(u"; ") << '\n';
        return 1;
    }
    recognizer.loadStrokes(StrokeStore::path(folder));
    // Without the stores every candidate counts as known.
    DictionaryTables tables;
    tables.open(folder);
    StoreCandidateRules storeRules(tables.characters, tables.words);
    CandidateRules rules = storeRules.rules(traditional);
    if (!tables.characters.isOpen() && !tables.words.isOpen())
        rules = {};
    for (const QString &character :
         offerCandidates(recognizer.recognize(*ink, limit * 3), limit, rules))
        out << character << '\n';
    return 0;
}

int runStrokesOf(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    if (args.size() != 1 || args.first().toUcs4().size() != 1) {
        err << "Usage: ordbok-cli strokes-of CHARACTER\n";
        return 2;
    }
    StrokeStore store;
    if (!store.open(StrokeStore::path(folder))) {
        err << "Cannot open the stroke store " << StrokeStore::path(folder)
            << "; run scripts/setup.sh to build it.\n";
        return 1;
    }
    const std::optional<CharacterStrokes> strokes = store.strokes(args.first());
    if (!strokes) {
        err << "No stroke data for " << args.first() << '\n';
        return 1;
    }
    out << strokes->count() << '\n';
    for (const QPolygonF &median : strokes->medians)
        out << InkFile::formatStroke(median) << '\n';
    return 0;
}

} // namespace

QList<CliCommand> handwritingCommands()
{
    return {
        {u"recognize"_s,
         u"recognize FILE [--limit N] [--traditional]   characters for the strokes in FILE (one "
         u"stroke a line, \"x,y x,y ...\" in a 1000x1000 box, y down), best first"_s,
         runRecognize,
         {u"--traditional"_s},
         {u"--limit"_s, u"--folder"_s}},
        {u"strokes-of"_s,
         u"strokes-of CHARACTER   the number of strokes, then each stroke's centre line as "
         u"\"x,y x,y ...\" in a 1000x1000 box, y down, in writing order"_s,
         runStrokesOf,
         {},
         {u"--folder"_s}},
    };
}
