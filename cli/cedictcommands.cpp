#include "cedict/cedictfilesearch.h"
#include "commands.h"
#include "dictionary/characterforms.h"
#include "dictionary/tables.h"

#include "platform/regularfile.h"
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// The CEDICT search page from a terminal: the results box, then the caption.
int runCedictSearch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const QString folder = cliProgramFolder(args);
    if (args.isEmpty()) {
        err << "Usage: ordbok-cli cedict-search TERM [--folder FOLDER]\n";
        return 2;
    }
    const QString file = QDir(folder).filePath(CedictFileSearch::fileName);
    const RegularFile::Refusal refusal = RegularFile::check(file, CedictFileSearch::maxFileBytes);
    if (refusal == RegularFile::Refusal::Missing) {
        err << "Missing in " << folder << ": " << CedictFileSearch::fileName
            << " (build the program folder, or give --folder FOLDER)\n";
        return 1;
    }
    if (refusal != RegularFile::Refusal::None) {
        err << file << ' ' << RegularFile::describe(refusal, CedictFileSearch::maxFileBytes)
            << '\n';
        return 1;
    }
    const QString term = args.join(u' ');
    RecordSource characters;
    characters.open(Tables::storePath(folder, Tables::characterStore));
    const CedictSearchResult result = CedictFileSearch::run(
        file, term, QStringList{CharacterForms::traditional(characters, term)});
    out << result.text << '\n' << result.caption << '\n';
    return 0;
}

} // namespace

QList<CliCommand> cedictCommands()
{
    return {
        {u"cedict-search"_s,
         u"cedict-search TERM [--folder FOLDER]   TERM looked up in cedict.b5 as the CEDICT "
         u"search page does: the lines it lists, then its caption"_s,
         runCedictSearch,
         {},
         {u"--folder"_s}},
    };
}
