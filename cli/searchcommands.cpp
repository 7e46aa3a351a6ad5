#include "commands.h"
#include "dictionary/lexiconsearch.h"

using namespace Qt::StringLiterals;

namespace {

int runSearch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    const bool traditional = args.removeAll(u"--traditional"_s) > 0;
    int limit = 20;
    const qsizetype at = args.indexOf(u"--limit"_s);
    if (at >= 0) {
        bool ok = false;
        limit = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : 0;
        args.remove(at, std::min<qsizetype>(2, args.size() - at));
        if (!ok || limit < 0)
            limit = -1;
    }
    const bool unknownOption = std::any_of(args.cbegin(), args.cend(),
                                           [](const QString &a) { return a.startsWith(u"--"_s); });
    if (args.isEmpty() || limit < 0 || unknownOption) {
        err << "Usage: ordbok-cli search TEXT [--traditional] [--limit N] [--folder FOLDER]\n";
        return 2;
    }
    const Lexicon lexicon = Lexicon::load(folder);
    if (lexicon.isEmpty()) {
        err << "No words in " << folder << " (build the program folder, or give --folder FOLDER)\n";
        return 2;
    }
    LexiconResults results = LexiconSearch(lexicon).find(args.join(u' '));
    for (const LexiconHit &hit : results.hits(0, limit))
        out << LexiconSearch::line(lexicon.at(hit.entry), traditional) << '\n';
    out << results.total() << (results.total() == 1 ? " word" : " words") << '\n';
    return results.total() > 0 ? 0 : 1;
}

} // namespace

QList<CliCommand> searchCommands()
{
    return {
        {u"search"_s,
         u"search TEXT [--traditional] [--limit N]   find words by Chinese (either form), pinyin "
         u"(marks, numbers or none) or English, best first: characters, pinyin, first gloss, "
         u"then the number found; --limit N lines (20)"_s,
         runSearch,
         {u"--traditional"_s},
         {u"--limit"_s, u"--folder"_s}},
    };
}
