#pragma once

// The three dictionary stores: file names, table, fields and schema.
// Every store is an SQLite file holding one table, Tabell1, read in rowid order.

#include "platform/recordsource.h"

#include <QLatin1StringView>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace Tables {

inline constexpr QLatin1StringView tableName{"Tabell1"};

inline constexpr QLatin1StringView wordStore{"kinesiskBIG5kod.mdb"};
inline constexpr QLatin1StringView pendingWordStore{"kinesiskBIG5kod1.mdb"};
inline constexpr QLatin1StringView emptyWordTemplate{"empty/kinesiskBIG5kod1.mdb"};
inline constexpr QLatin1StringView characterStore{"KVOdata.mdb"};
inline constexpr QLatin1StringView codeStore{"BIG5.mdb"};

inline constexpr int translationCount = 10;
inline constexpr int meaningCount = 10;
inline constexpr int readingCount = 3; // Cantonese, Japanese and Korean readings per character

// Word table: tecken, teckenkoder, Pinyin, translation1..translation10.
QStringList wordFields();
// Character table: teckenkod, nummer, forenklaform, traditionellform, kinesisktradikal, summa,
// pinyin1, meaning1..10, kantonesiska1..3, japanskkun1..3, japanskon1..3, Koreanska1..3.
QStringList characterFields();
// Code table: bigfive and big5 (the same four hex digits, under both names), unicode.
QStringList codeFields();

// Create Tabell1 with its key indexes in an open, empty database. Returns false on an SQL error.
bool createWordTable(QSqlDatabase &db);
bool createCharacterTable(QSqlDatabase &db);
bool createCodeTable(QSqlDatabase &db);
// The trigram index of the word table's Pinyin and translation fields, which makes the
// contains searches fast. Call after createWordTable, before or after the rows go in.
bool createWordSearchIndex(QSqlDatabase &db);

// Folder path + file name, the way every store is found.
QString storePath(const QString &programFolder, QLatin1StringView fileName);

} // namespace Tables

// The stores' field names, each written once: a misspelt name fails to compile instead of
// reading as an empty field. Numbered fields count from 1.
namespace WordField {
inline constexpr QLatin1StringView tecken{"tecken"};
inline constexpr QLatin1StringView teckenkoder{"teckenkoder"};
inline constexpr QLatin1StringView pinyin{"Pinyin"};
QString translation(int number); // 1..Tables::translationCount
} // namespace WordField

namespace CharacterField {
inline constexpr QLatin1StringView teckenkod{"teckenkod"};
inline constexpr QLatin1StringView nummer{"nummer"};
inline constexpr QLatin1StringView forenklaform{"forenklaform"};
inline constexpr QLatin1StringView traditionellform{"traditionellform"};
inline constexpr QLatin1StringView kinesisktradikal{"kinesisktradikal"};
inline constexpr QLatin1StringView summa{"summa"};
inline constexpr QLatin1StringView pinyin1{"pinyin1"};
QString meaning(int number);      // 1..Tables::meaningCount
QString kantonesiska(int number); // 1..Tables::readingCount, and so on
QString japanskkun(int number);
QString japanskon(int number);
QString koreanska(int number);
} // namespace CharacterField

namespace CodeField {
inline constexpr QLatin1StringView bigfive{"bigfive"};
inline constexpr QLatin1StringView big5{"big5"};
inline constexpr QLatin1StringView unicode{"unicode"};
} // namespace CodeField

// Why a store could not be used, for the user.
struct StoreFault
{
    enum class Kind {
        Missing,     // no such file
        Unreadable,  // a folder, a FIFO, or a file the user may not read
        Damaged,     // not an SQLite file, cut short, or failing its integrity check
        WrongLayout, // another table's columns (BIG5.mdb copied over KVOdata.mdb)
    };
    QString fileName; // as the program folder names it: "kinesiskBIG5kod.mdb"
    QString path;
    Kind kind = Kind::Missing;
    QString detail; // what SQLite said, or the columns missing
};

namespace Tables {
// The fields a store's Tabell1 must have: wordFields(), characterFields() or codeFields().
QStringList expectedFields(QLatin1StringView storeFileName);
// Why the store at path cannot be used, looked at without opening it: nullopt when it is a
// readable regular file.
std::optional<StoreFault> fileFault(const QString &path, QLatin1StringView storeFileName);
// SQLite's own check of every page of the store (PRAGMA quick_check): nullopt when sound.
// Reads the whole file: run it off the window thread.
std::optional<StoreFault> integrityFault(const QString &path, QLatin1StringView storeFileName);
} // namespace Tables

// The record sources of a main window: the word table (Data2), the code table (Data3) and two
// independent cursors on the character table (Data4 and Data1). A store that is missing,
// unreadable, damaged or laid out as another store stays closed and is listed in faults().
class DictionaryTables
{
public:
    RecordSource words;
    RecordSource codes;
    RecordSource characters;
    RecordSource characters2;

    // Returns false when any store cannot be used; the others are open all the same.
    bool open(const QString &programFolder);
    // Store file names that could not be opened by the last open().
    QStringList missing() const;
    QList<StoreFault> faults() const { return m_faults; }

private:
    QList<StoreFault> m_faults;
};
