#include "dictionary/tables.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

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
    return QStringList{WordField::tecken, WordField::teckenkoder, WordField::pinyin}
           + numbered(WordField::translation, translationCount);
}

QStringList characterFields()
{
    using namespace CharacterField;
    return QStringList{teckenkod,        nummer, forenklaform, traditionellform,
                       kinesisktradikal, summa,  pinyin1}
           + numbered(meaning, meaningCount) + numbered(kantonesiska, readingCount)
           + numbered(japanskkun, readingCount) + numbered(japanskon, readingCount)
           + numbered(koreanska, readingCount);
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
    m_missing.clear();
    const auto openStore = [&](RecordSource &source, QLatin1StringView file) {
        if (!source.open(Tables::storePath(programFolder, file)))
            m_missing << file;
    };
    openStore(words, Tables::wordStore);
    openStore(codes, Tables::codeStore);
    openStore(characters, Tables::characterStore);
    openStore(characters2, Tables::characterStore);
    m_missing.removeDuplicates();
    return m_missing.isEmpty();
}
