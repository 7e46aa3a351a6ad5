#include "commands.h"

#include "dictionary/frequencies.h"
#include "dictionary/wordindex.h"
#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"

using namespace Qt::StringLiterals;

namespace {

// No syllable has this many pages of candidates; the line stays on the last one anyway.
constexpr int maxPages = 1000;

// The Chinese editor's candidate line after TEXT has been put into its input box (as a paste:
// tone digits stay tones), followed by N presses of "." (next page); then each candidate shown
// with its reading and gloss, one a line.
int runCandidates(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    const bool traditional = args.removeAll(u"--traditional"_s) > 0;
    int pages = 0;
    bool ok = true;
    if (const qsizetype at = args.indexOf(u"--page"_s); at >= 0) {
        pages = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : -1;
        args.remove(at, qMin<qsizetype>(2, args.size() - at));
    }
    const bool unknownOption = std::any_of(args.cbegin(), args.cend(),
                                           [](const QString &a) { return a.startsWith(u"--"); });
    if (args.isEmpty() || !ok || pages < 0 || pages > maxPages || unknownOption) {
        err << "Usage: ordbok-cli candidates TEXT [--traditional] [--page N]\n  N: 0 to "
            << maxPages << '\n';
        return 2;
    }
    if (traditional)
        loadTraditionalTable();
    else
        loadSimplifiedTable();

    const std::shared_ptr<const WordIndex> words = WordIndex::build(folder, Frequencies(folder));
    InputMethod input;
    input.setWordSource(words.get());
    const QString typed = args.join(u' ');
    input.edited(typed, int(typed.size()));
    for (int page = 0; page < pages; ++page)
        input.press(KeyStroke::typed(u'.'));
    out << input.candidateLine() << '\n';
    for (int i = input.pageStart(); i <= input.pageEnd(); ++i)
        out << (i - input.pageStart() + 1) % 10 << ' ' << input.describe(i) << '\n';
    return 0;
}

} // namespace

QList<CliCommand> pinyinCommands()
{
    return {
        {u"candidates"_s,
         u"candidates TEXT [--traditional] [--page N] [--folder FOLDER]   the Chinese editor's "
         u"candidate line for the pinyin TEXT (zhongguo, zhong1guo2, xi'an, lvse), N pages on, "
         u"then each candidate with its reading and gloss"_s,
         runCandidates,
         {u"--traditional"_s},
         {u"--page"_s, u"--folder"_s}},
    };
}
