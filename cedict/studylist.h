#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The study list studera.txt in the program folder: CEDICT lines the user saved from the
// search page with "Save character", one a line, in UTF-8.
namespace StudyList {

inline constexpr QLatin1StringView fileName{"studera.txt"};

// Where a text line lies in a text: the line that holds the caret. A caret on a line end
// belongs to the line it ends.
struct TextLine
{
    qsizetype start = 0;
    qsizetype length = 0;
};
TextLine lineAt(QStringView text, qsizetype caret);

// Adds the line at the end of the list (the file is made when missing). The whole file is
// written anew and swapped in, so a save cut short leaves the earlier lines as they were.
// Returns false, with the reason in error, when the list could not be read or written.
bool append(const QString &programFolder, QStringView line, QString *error = nullptr);

// "Save character": a dictionary entry is added unless the list has the word already (the same
// characters and reading); a caption, a separator or any other line is refused.
enum class SaveOutcome { Saved, NotAnEntry, AlreadySaved, Failed };
SaveOutcome save(const QString &programFolder, QStringView line, QString *error = nullptr);

// The saved lines, blank ones left out. Lines saved by earlier versions in Big5 read as Big5.
QStringList lines(const QString &programFolder);

// One flashcard: "水 [shui3] /water/river/" -> 水, shuǐ, "water; river".
struct Flashcard
{
    QString characters;
    QString pinyin; // tone marks, a neutral tone without a digit
    QString english;
};
// nullopt for a line that is not a dictionary entry (a caption saved by mistake, say).
std::optional<Flashcard> flashcard(QStringView line);

struct ExportSummary
{
    int cards = 0;
    int skipped = 0;    // lines that are not dictionary entries
    int duplicates = 0; // words listed more than once, exported once
    QString error;      // empty when the file was written
};
// Writes the list as tab-separated UTF-8, one card a line (characters, pinyin, English), the
// form flashcard programs import. Writes nothing when no line makes a card.
ExportSummary exportFlashcards(const QString &programFolder, const QString &targetFile);

} // namespace StudyList
