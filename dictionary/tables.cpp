#include "dictionary/tables.h"

#include "platform/regularfile.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QFile>

#include <QSqlError>
#include <QSqlQuery>
#include <limits>

using namespace Qt::StringLiterals;

namespace Tables {
namespace {

QStringList numbered(QString (*field)(int), int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << field(i);
    return names;
}

// Integer columns compare as numbers ("summa =" + number); all others are text.
bool isIntegerField(const QString &name)
{
    return name == CharacterField::summa || name == CharacterField::nummer;
}

bool exec(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    return query.exec(sql);
}

bool createTable(QSqlDatabase &db, const QStringList &fields, const QStringList &indexed)
{
    QStringList columns;
    for (const QString &field : fields)
        columns << u'"' + field + (isIntegerField(field) ? u"\" INTEGER"_s : u"\" TEXT"_s);
    if (!exec(db, u"CREATE TABLE Tabell1 (%1)"_s.arg(columns.join(u", "))))
        return false;
    for (const QString &field : indexed) {
        const QString collate = isIntegerField(field) ? QString() : u" COLLATE NOCASE"_s;
        if (!exec(db, u"CREATE INDEX \"idx_%1\" ON Tabell1 (\"%1\"%2)"_s.arg(field, collate)))
            return false;
    }
    return true;
}

} // namespace

QStringList wordFields()
{
    return QStringList{WordField::tecken, WordField::teckenkoder, WordField::pinyin} +
           numbered(WordField::translation, translationCount);
}

QStringList characterFields()
{
    using namespace CharacterField;
    return QStringList{teckenkod,        nummer, forenklaform, traditionellform,
                       kinesisktradikal, summa,  pinyin1} +
           numbered(meaning, meaningCount) + numbered(kantonesiska, readingCount) +
           numbered(japanskkun, readingCount) + numbered(japanskon, readingCount) +
           numbered(koreanska, readingCount);
}

QStringList codeFields()
{
    return {CodeField::bigfive, CodeField::big5, CodeField::unicode};
}

bool createWordTable(QSqlDatabase &db)
{
    return createTable(db, wordFields(), {WordField::teckenkoder, WordField::pinyin});
}

bool createCharacterTable(QSqlDatabase &db)
{
    return createTable(db, characterFields(),
                       {CharacterField::teckenkod, CharacterField::nummer,
                        CharacterField::kinesisktradikal, CharacterField::summa});
}

bool createCodeTable(QSqlDatabase &db)
{
    return createTable(db, codeFields(), {CodeField::bigfive, CodeField::unicode});
}

bool createWordSearchIndex(QSqlDatabase &db)
{
    // teckenkoder for the code search page's words that contain the copied word.
    return RecordSource::createSearchIndex(db, tableName,
                                           QStringList{WordField::teckenkoder, WordField::pinyin} +
                                               numbered(WordField::translation, translationCount));
}

QString storePath(const QString &programFolder, QLatin1StringView fileName)
{
    return QDir(programFolder).filePath(fileName);
}

QStringList expectedFields(QLatin1StringView storeFileName)
{
    if (storeFileName == wordStore || storeFileName == pendingWordStore)
        return wordFields();
    if (storeFileName == characterStore)
        return characterFields();
    if (storeFileName == codeStore)
        return codeFields();
    return {};
}

std::optional<StoreFault> fileFault(const QString &path, QLatin1StringView storeFileName)
{
    // A FIFO in a store's place would block SQLite's open for ever.
    switch (RegularFile::check(path, std::numeric_limits<qint64>::max())) {
    case RegularFile::Refusal::None:
        break;
    case RegularFile::Refusal::Missing:
        return StoreFault{storeFileName, path, StoreFault::Kind::Missing, {}};
    default:
        return StoreFault{storeFileName, path, StoreFault::Kind::Unreadable,
                          u"not a regular file"_s};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreFault{storeFileName, path, StoreFault::Kind::Unreadable, file.errorString()};
    return std::nullopt;
}

std::optional<StoreFault> integrityFault(const QString &path, QLatin1StringView storeFileName)
{
    if (std::optional<StoreFault> fault = fileFault(path, storeFileName))
        return fault;
    SqliteConnection connection(path, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    // quick_check answers "ok" alone, or up to the number asked for of its findings.
    if (!query.exec(u"PRAGMA quick_check(5)"_s)) {
        return StoreFault{storeFileName, path, StoreFault::Kind::Damaged, query.lastError().text()};
    }
    QStringList findings;
    while (query.next())
        findings << query.value(0).toString().split(u'\n', Qt::SkipEmptyParts);
    if (findings == QStringList{u"ok"_s})
        return std::nullopt;
    // "*** in database main ***" heads the findings; the first of them says enough.
    findings.removeIf([](const QString &line) { return line.startsWith(u"***"_s); });
    return StoreFault{storeFileName, path, StoreFault::Kind::Damaged,
                      findings.value(0, u"integrity check failed"_s)};
}

} // namespace Tables

namespace {

QString numberedField(QLatin1StringView stem, int number, int count)
{
    Q_ASSERT(number >= 1 && number <= count);
    Q_UNUSED(count);
    return stem + QString::number(number);
}

} // namespace

QString WordField::translation(int number)
{
    return numberedField("translation"_L1, number, Tables::translationCount);
}

QString CharacterField::meaning(int number)
{
    return numberedField("meaning"_L1, number, Tables::meaningCount);
}

QString CharacterField::kantonesiska(int number)
{
    return numberedField("kantonesiska"_L1, number, Tables::readingCount);
}

QString CharacterField::japanskkun(int number)
{
    return numberedField("japanskkun"_L1, number, Tables::readingCount);
}

QString CharacterField::japanskon(int number)
{
    return numberedField("japanskon"_L1, number, Tables::readingCount);
}

QString CharacterField::koreanska(int number)
{
    return numberedField("Koreanska"_L1, number, Tables::readingCount);
}

bool DictionaryTables::open(const QString &programFolder)
{
    m_faults.clear();
    const auto openStore = [&](RecordSource &source, QLatin1StringView file) {
        const QString path = Tables::storePath(programFolder, file);
        const auto fault = [&](StoreFault::Kind kind, const QString &detail) {
            source.close();
            for (const StoreFault &known : std::as_const(m_faults)) {
                if (known.fileName == file)
                    return;
            }
            m_faults << StoreFault{file, path, kind, detail};
        };
        if (const std::optional<StoreFault> problem = Tables::fileFault(path, file)) {
            fault(problem->kind, problem->detail);
            return;
        }
        if (!source.open(path)) {
            fault(StoreFault::Kind::Damaged, {});
            return;
        }
        QStringList absent;
        for (const QString &field : Tables::expectedFields(file)) {
            if (!source.hasField(field))
                absent << field;
        }
        if (!absent.isEmpty())
            fault(StoreFault::Kind::WrongLayout, absent.join(u", "_s));
    };
    openStore(words, Tables::wordStore);
    openStore(codes, Tables::codeStore);
    openStore(characters, Tables::characterStore);
    openStore(characters2, Tables::characterStore);
    return m_faults.isEmpty();
}

QStringList DictionaryTables::missing() const
{
    QStringList files;
    for (const StoreFault &fault : m_faults)
        files << fault.fileName;
    return files;
}
