#include "commands.h"

#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"

using namespace Qt::StringLiterals;

namespace {

// No syllable has this many pages of candidates; the line stays on the last one anyway.
constexpr int maxPages = 1000;

// The Chinese editor's candidate line after TEXT has been typed into its input box, key by key
// as on a US keyboard, followed by N presses of "." (next page).
int runCandidates(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const bool traditional = args.removeAll(u"--traditional"_s) > 0;
    int pages = 0;
    bool ok = true;
    if (const qsizetype at = args.indexOf(u"--page"_s); at >= 0) {
        pages = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : -1;
        args.remove(at, qMin<qsizetype>(2, args.size() - at));
    }
    const bool unknownOption =
        std::any_of(args.cbegin(), args.cend(), [](const QString &a) { return a.startsWith(u"--"); });
    if (args.isEmpty() || !ok || pages < 0 || pages > maxPages || unknownOption) {
        err << "Usage: ordbok-cli candidates TEXT [--traditional] [--page N]\n  N: 0 to "
            << maxPages << '\n';
        return 2;
    }
    if (traditional)
        loadTraditionalTable();
    else
        loadSimplifiedTable();

    InputMethod input;
    const QString typed = args.join(u' ') + QString(pages, u'.');
    for (QChar ch : typed)
        input.press(KeyStroke::typed(ch));
    out << input.candidateLine() << '\n';
    return 0;
}

} // namespace

QList<CliCommand> pinyinCommands()
{
    return {
        {u"candidates"_s,
         u"candidates TEXT [--traditional] [--page N]   the Chinese editor's candidate line after "
         u"typing TEXT, then N times \".\" for the next page"_s,
         runCandidates,
         {u"--traditional"_s},
         {u"--page"_s}},
    };
}
