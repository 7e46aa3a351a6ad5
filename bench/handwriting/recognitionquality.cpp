// ordbok-recognition-quality [--count N] [--seed S] [--wobble-percent W] [--folder FOLDER]
//
// How often the recognizer finds a character from strokes made out of its hanzi-writer-data
// medians with some wobble (handwriting/syntheticink.h): N characters drawn at random from
// the stroke store, each written once, the candidates filtered and completed as the drawing
// window does, with the traditional table in use for a character that has a simplified form. Prints
// the share found first and among the first five, over all characters drawn, over those some
// model knows and over those only the stroke store's medians can find.
#include "dictionary/tables.h"
#include "handwriting/candidateoffer.h"
#include "handwriting/strokestore.h"
#include "handwriting/syntheticink.h"

#include <QCoreApplication>
#include <QTextStream>

#include <random>

using namespace Qt::StringLiterals;

namespace {

int option(const QStringList &args, const QString &name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

struct Tally
{
    int drawn = 0, first = 0, topFive = 0;
    QString line(const QString &what) const
    {
        return u"%1: %2 characters, first %3 (%4%), among the first five %5 (%6%)"_s.arg(what)
            .arg(drawn)
            .arg(first)
            .arg(100.0 * first / std::max(1, drawn), 0, 'f', 1)
            .arg(topFive)
            .arg(100.0 * topFive / std::max(1, drawn), 0, 'f', 1);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int count = option(args, u"--count"_s, 400);
    const quint32 seed = quint32(option(args, u"--seed"_s, 2026));
    const double wobble = option(args, u"--wobble-percent"_s, 100) / 100.0;
    const qsizetype folderAt = args.indexOf(u"--folder"_s);
    const QString folder = folderAt > 0 && folderAt + 1 < args.size()
                               ? args.at(folderAt + 1)
                               : QCoreApplication::applicationDirPath();
    StrokeStore store;
    if (!store.open(StrokeStore::path(folder))) {
        out << "No stroke store in " << folder << '\n';
        return 1;
    }
    HandwritingRecognizer recognizer;
    if (!recognizer.load()) {
        out << "No models: " << recognizer.problems().join(u"; ") << '\n';
        return 1;
    }
    recognizer.loadStrokes(StrokeStore::path(folder));
    DictionaryTables tables;
    tables.open(folder);
    StoreCandidateRules rules(tables.characters, tables.words);
    const QSet<QString> vocabulary = recognizer.vocabulary();

    QList<char32_t> characters;
    for (char32_t c : store.characters()) {
        if (isIdeograph(c))
            characters.append(c);
    }
    std::mt19937 random(seed);
    std::shuffle(characters.begin(), characters.end(), random);
    characters.resize(std::min<qsizetype>(count, characters.size()));

    Tally all, known, unknown;
    QStringList missed;
    for (char32_t c : characters) {
        const CharacterStrokes strokes = *store.strokes(c);
        const Ink ink = SyntheticInk::fromMedians(strokes.medians, seed ^ quint32(c), wobble);
        // Whoever writes a traditional form has the traditional table in use.
        const bool traditional = !rules.otherForm(strokes.character, false).isEmpty();
        const QStringList offered =
            offerCandidates(recognizer.recognize(ink, 30), 10, rules.rules(traditional));
        const qsizetype rank = offered.indexOf(strokes.character);
        const bool modelKnows = vocabulary.contains(strokes.character);
        for (Tally *tally : {&all, modelKnows ? &known : &unknown}) {
            ++tally->drawn;
            tally->first += rank == 0;
            tally->topFive += rank >= 0 && rank < 5;
        }
        if (rank < 0 || rank >= 5)
            missed.append(strokes.character);
    }
    out << all.line(u"All drawn"_s) << '\n'
        << known.line(u"Known to a model"_s) << '\n'
        << unknown.line(u"Known to no model"_s) << '\n';
    out << "Not among the first five: " << missed.join(QString()) << '\n';
    return 0;
}
