#include "commands.h"
#include "dictionary/charactercode.h"
#include "dictionary/characterlist.h"
#include "dictionary/frequencies.h"
#include "dictionary/readinglist.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/wordsearch.h"
#include "pinyin/tonemarks.h"

using namespace Qt::StringLiterals;

namespace {

// The arguments of one subcommand: flags and valued options taken out, the rest is the text.
class Arguments
{
public:
    explicit Arguments(const QStringList &arguments)
        : m_args(arguments)
    {
        m_folder = cliProgramFolder(m_args);
    }

    QString folder() const { return m_folder; }

    bool takeFlag(const QString &flag) { return m_args.removeAll(flag) > 0; }

    // The number after an option; fallback when absent, -1 when it is not a whole number from
    // 0 to limit.
    int takeNumber(const QString &option, int fallback, int limit)
    {
        const qsizetype at = m_args.indexOf(option);
        if (at < 0)
            return fallback;
        bool ok = false;
        const int number = at + 1 < m_args.size() ? m_args.at(at + 1).toInt(&ok) : 0;
        m_args.remove(at, qMin<qsizetype>(2, m_args.size() - at));
        return ok && number >= 0 && number <= limit ? number : -1;
    }

    // The remaining words joined by blanks, so that `pinyin zhong1 guo2` needs no quotes.
    // nullopt when there are none, or an unknown option is left.
    std::optional<QString> text() const
    {
        if (m_args.isEmpty())
            return std::nullopt;
        for (const QString &arg : m_args) {
            if (arg.startsWith(u"--"_s))
                return std::nullopt;
        }
        return m_args.join(u' ');
    }

private:
    QStringList m_args;
    QString m_folder;
};

// Terminals lack the pinyin font: standard tone-marked letters, spaced as typed.
QString unicodePinyin(const QString &toneNumbers)
{
    return toneNumbersToUnicode(toneNumbers);
}

bool openTables(DictionaryTables &tables, const QString &folder, QTextStream &err)
{
    if (tables.open(folder))
        return true;
    err << "Missing in " << folder << ": " << tables.missing().join(u", "_s)
        << " (build the program folder, or give --folder FOLDER)\n";
    return false;
}

void printWord(const WordSearchResult &result, QTextStream &out)
{
    out << result.word.characters << '\n';
    out << (result.word.completed ? unicodePinyin(result.word.pinyin) : QString()) << '\n';
    out << result.meaningsLine << '\n';
    QStringList keys;
    for (const RadicalSlot &slot : result.word.radicalSlots)
        keys << slot.key;
    if (!keys.isEmpty())
        out << keys.join(u' ') << '\n';
}

void printLines(const QString &listText, QTextStream &out)
{
    for (const QString &line : listText.split(u"\r\n"_s, Qt::SkipEmptyParts))
        out << line << '\n';
}

enum class Field { English, Pinyin };

// Each "Search more" is a search of its own; past this many a terminal is no place for them.
constexpr int maxMore = 1000;

const QStringList wordSearchFlags{u"--exact"_s, u"--simplified"_s, u"--no-radicals"_s};
const QStringList folderOption{u"--folder"_s};
const QStringList readingFlags{u"--mandarin"_s, u"--cantonese"_s, u"--kun"_s,
                               u"--on"_s,       u"--korean"_s,    u"--simplified"_s};

int runWordSearch(Field field, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Arguments args(arguments);
    const bool exact = args.takeFlag(u"--exact"_s);
    const DisplayOptions options{args.takeFlag(u"--simplified"_s),
                                 !args.takeFlag(u"--no-radicals"_s)};
    const int more = args.takeNumber(u"--more"_s, 0, maxMore);
    const std::optional<QString> text = args.text();
    if (!text || more < 0) {
        err << "Usage: ordbok-cli " << (field == Field::English ? "english" : "pinyin")
            << " TEXT [--exact] [--more N] [--simplified] [--no-radicals] [--folder FOLDER]\n"
            << "  N: 0 to " << maxMore << '\n';
        return 2;
    }
    DictionaryTables tables;
    if (!openTables(tables, args.folder(), err))
        return 2;

    WordSearch search(tables);
    const auto press = [&](WordSearch::Kind kind) {
        return field == Field::English ? search.english(*text, kind, options)
                                       : search.pinyin(*text, kind, options);
    };
    WordSearchResult result = press(exact ? WordSearch::Exact : WordSearch::FromStart);
    bool anyFound = result.found;
    for (int i = 0; i < more; ++i) {
        result = press(exact ? WordSearch::Exact : WordSearch::Onwards);
        anyFound = anyFound || result.found;
    }
    if (!anyFound) {
        err << "Not found: " << *text << '\n';
        return 1;
    }
    printWord(result, out);
    return 0;
}

enum class ListKind { RadicalKey, RadicalNumber, Strokes };

int runList(ListKind kind, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Arguments args(arguments);
    const std::optional<QString> entry = args.text();
    if (!entry) {
        err << "Usage: ordbok-cli "
            << (kind == ListKind::RadicalKey      ? "radical KEY"
                : kind == ListKind::RadicalNumber ? "radical-number N"
                                                  : "strokes N")
            << " [--folder FOLDER]\n";
        return 2;
    }
    DictionaryTables tables;
    if (!openTables(tables, args.folder(), err))
        return 2;
    CharacterList list = kind == ListKind::RadicalKey
                             ? CharacterLists::byRadicalKey(tables.characters, *entry)
                         : kind == ListKind::RadicalNumber
                             ? CharacterLists::byRadicalNumber(tables.characters, *entry)
                             : CharacterLists::byStrokes(tables.characters, *entry);
    CharacterLists::commonFirst(list, Frequencies(args.folder()));
    printLines(list.text, out);
    if (list.search != CharacterList::Search::Chart)
        out << list.count << (list.count == 1 ? " character" : " characters") << '\n';
    return 0;
}

int runReadings(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Arguments args(arguments);
    const bool simplified = args.takeFlag(u"--simplified"_s);
    const QList<std::pair<QString, Reading>> choices = {
        {u"--mandarin"_s, Reading::Mandarin}, {u"--cantonese"_s, Reading::Cantonese},
        {u"--kun"_s, Reading::JapaneseKun},   {u"--on"_s, Reading::JapaneseOn},
        {u"--korean"_s, Reading::Korean},
    };
    std::optional<Reading> reading;
    int chosen = 0;
    for (const auto &[flag, value] : choices) {
        if (args.takeFlag(flag)) {
            reading = value;
            ++chosen;
        }
    }
    const std::optional<QString> word = args.text();
    if (!word || chosen != 1) {
        err << "Usage: ordbok-cli readings WORD --mandarin|--cantonese|--kun|--on|--korean "
               "[--simplified] [--folder FOLDER]\n";
        return 2;
    }
    DictionaryTables tables;
    if (!openTables(tables, args.folder(), err))
        return 2;
    tables.words.findFirst(SearchCriteria::wordCodes(CharacterCode::codeString(*word)));
    if (tables.words.noMatch()) {
        err << "Not in the word table: " << *word << '\n';
        return 1;
    }
    // The lists read the code string the display leaves behind, as in the window.
    const WordView view = showWord(tables, {simplified, true});
    const ReadingList list = readingList(tables, *reading, view.codeString, simplified);
    printLines(list.text, out);
    return 0;
}

int runTones(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const std::optional<QString> text = Arguments(arguments).text();
    if (!text) {
        err << "Usage: ordbok-cli tones TEXT\n";
        return 2;
    }
    out << unicodePinyin(*text) << '\n';
    return 0;
}

} // namespace

QList<CliCommand> dictionaryCommands()
{
    using Args = const QStringList &;
    return {
        {u"english"_s,
         u"english TEXT [--exact] [--more N] [--simplified] [--no-radicals]   find a word by "
         u"an English translation: characters, pinyin, translations, radical keys; --more N "
         u"searches on N times (with --exact, N more exact matches)"_s,
         [](Args a, QTextStream &out, QTextStream &err) {
             return runWordSearch(Field::English, a, out, err);
         },
         wordSearchFlags, folderOption + QStringList{u"--more"_s}},
        {u"pinyin"_s,
         u"pinyin TEXT [--exact] [--more N] [--simplified] [--no-radicals]   find a word by "
         u"its pinyin (tone numbers: zhong1 guo2)"_s,
         [](Args a, QTextStream &out, QTextStream &err) {
             return runWordSearch(Field::Pinyin, a, out, err);
         },
         wordSearchFlags, folderOption + QStringList{u"--more"_s}},
        {u"radical"_s,
         u"radical KEY   list the characters with this radical key (9.5 or 9,5)"_s,
         [](Args a, QTextStream &out, QTextStream &err) {
             return runList(ListKind::RadicalKey, a, out, err);
         },
         {},
         folderOption},
        {u"radical-number"_s,
         u"radical-number N   list the characters of radical N"_s,
         [](Args a, QTextStream &out, QTextStream &err) {
             return runList(ListKind::RadicalNumber, a, out, err);
         },
         {},
         folderOption},
        {u"strokes"_s,
         u"strokes N   list the characters with N strokes"_s,
         [](Args a, QTextStream &out, QTextStream &err) {
             return runList(ListKind::Strokes, a, out, err);
         },
         {},
         folderOption},
        {u"readings"_s,
         u"readings WORD --mandarin|--cantonese|--kun|--on|--korean [--simplified]   list "
         u"the characters of a word in the word table with their readings"_s,
         runReadings, readingFlags, folderOption},
        // --folder is taken and ignored, as by every command that reads a folder.
        {u"tones"_s,
         u"tones TEXT   tone-number pinyin with tone marks: hao3 -> hǎo"_s,
         runTones,
         {},
         folderOption},
    };
}
