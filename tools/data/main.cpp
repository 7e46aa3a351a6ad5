// ordbok-datatool: builds the dictionary stores of the program folder from Unihan and
// CC-CEDICT. The build runs one subcommand per store.

#include "cedict/big5cedict.h"
#include "tools/data/characterstore.h"
#include "tools/data/codestore.h"
#include "tools/data/frequencystore.h"
#include "tools/data/wordstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString number(qint64 n)
{
    return QLocale::c().toString(n);
}

struct Subcommand
{
    QString name;
    QString usage;
    int argumentCount;
    // Builds the store and returns what it holds, or sets the error.
    std::function<QString(const QStringList &args, QString &error)> run;
};

QString buildCharacters(const QStringList &args, QString &error)
{
    CharacterStoreSummary summary;
    if (!buildCharacterStore(args.at(0), args.at(1), summary, error))
        return {};
    return u"%1 characters, %2 with pinyin and meaning"_s.arg(number(summary.records),
                                                              number(summary.withPinyinAndMeaning));
}

QString buildCodes(const QStringList &args, QString &error)
{
    qint64 records = 0;
    if (!buildCodeStore(args.at(0), records, error))
        return {};
    return u"%1 Big5 codes"_s.arg(number(records));
}

QString buildCedictB5(const QStringList &args, QString &error)
{
    Big5CedictSummary summary;
    if (!writeBig5Cedict(args.at(0), args.at(1), summary, error))
        return {};
    return u"%1 entries, %2 header lines; left out: %3 without a Big5 headword, %4 malformed; "
           u"%5 gloss characters without Big5 replaced"_s.arg(
               number(summary.entries), number(summary.headerLines), number(summary.withoutBig5),
               number(summary.malformed), number(summary.replacedCharacters));
}

QString buildTemplate(const QStringList &args, QString &error)
{
    if (!buildWordTemplate(args.at(0), error))
        return {};
    return u"empty word table"_s;
}

QString buildWords(const QStringList &args, QString &error)
{
    CedictImportSummary summary;
    if (!buildWordStore(args.at(0), args.at(1), args.at(2), summary, error))
        return {};
    return u"%1 records from %2 lines; %3 headwords without Big5, %4 characters outside the "
           u"BMP, %5 malformed lines"_s.arg(
               number(summary.recordsWritten), number(summary.linesRead),
               number(summary.headwordsWithoutBig5), number(summary.charactersOutsideBmp),
               number(summary.malformedLines));
}

QString buildFrequencies(const QStringList &args, QString &error)
{
    FrequencyStoreSummary summary;
    if (!buildFrequencyStore(args.at(0), args.at(1), args.at(2), args.at(3), summary, error))
        return {};
    return u"%1 word forms with a count (of %2 in the list), %3 ranked characters, %4 counted "
           u"readings"_s.arg(number(summary.words), number(summary.corpusWords),
                             number(summary.characters), number(summary.readings));
}

const QList<Subcommand> subcommands{
    {u"characters"_s, u"characters UNIHAN_FOLDER OUT      KVOdata.mdb from Unihan"_s, 2,
     buildCharacters},
    {u"codes"_s, u"codes OUT                         BIG5.mdb from the Big5 codec"_s, 1,
     buildCodes},
    {u"cedict-b5"_s, u"cedict-b5 CEDICT_U8 OUT           cedict.b5 from CC-CEDICT"_s, 2,
     buildCedictB5},
    {u"template"_s, u"template OUT                      the empty word table"_s, 1, buildTemplate},
    {u"words"_s, u"words CEDICT FOLDER OUT           the word table, imported"_s, 3, buildWords},
    {u"frequencies"_s,
     u"frequencies DICT_TXT UNIHAN_FOLDER CEDICT OUT   frequency.db from jieba and Unihan"_s, 4,
     buildFrequencies},
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString name = args.isEmpty() ? QString() : args.takeFirst();
    for (const Subcommand &command : subcommands) {
        if (command.name != name)
            continue;
        if (args.size() != command.argumentCount)
            break;
        QElapsedTimer timer;
        timer.start();
        QString error;
        const QString built = command.run(args, error);
        if (!error.isEmpty() || built.isEmpty()) {
            QTextStream(stderr) << "ordbok-datatool " << name << ": " << error << '\n';
            return 1;
        }
        out() << QFileInfo(args.last()).fileName() << ": " << built << " ("
              << QLocale::c().toString(timer.elapsed() / 1000.0, 'f', 2) << " s)\n";
        return 0;
    }
    QTextStream err(stderr);
    err << "Usage: ordbok-datatool COMMAND ARGS\n";
    for (const Subcommand &command : subcommands)
        err << "  " << command.usage << '\n';
    return 2;
}
