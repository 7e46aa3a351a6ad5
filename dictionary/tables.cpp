#include "dictionary/tables.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace Tables {
namespace {

QStringList numbered(const QString &stem, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << stem + QString::number(i);
    return names;
}

// Integer columns compare as numbers ("summa =" + number); all others are text.
bool isIntegerField(const QString &name)
{
    return name == u"summa" || name == u"nummer";
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
    return QStringList{u"tecken"_s, u"teckenkoder"_s, u"Pinyin"_s}
           + numbered(u"translation"_s, translationCount);
}

QStringList characterFields()
{
    return QStringList{u"teckenkod"_s,     u"nummer"_s,           u"forenklaform"_s,
                       u"traditionellform"_s, u"kinesisktradikal"_s, u"summa"_s,
                       u"pinyin1"_s}
           + numbered(u"meaning"_s, meaningCount) + numbered(u"kantonesiska"_s, 3)
           + numbered(u"japanskkun"_s, 3) + numbered(u"japanskon"_s, 3)
           + numbered(u"Koreanska"_s, 3);
}

QStringList codeFields()
{
    return {u"bigfive"_s, u"big5"_s, u"unicode"_s};
}

bool createWordTable(QSqlDatabase &db)
{
    return createTable(db, wordFields(), {u"teckenkoder"_s, u"Pinyin"_s});
}

bool createCharacterTable(QSqlDatabase &db)
{
    return createTable(db, characterFields(),
                       {u"teckenkod"_s, u"nummer"_s, u"kinesisktradikal"_s, u"summa"_s});
}

bool createCodeTable(QSqlDatabase &db)
{
    return createTable(db, codeFields(), {u"bigfive"_s, u"unicode"_s});
}

bool createWordSearchIndex(QSqlDatabase &db)
{
    // teckenkoder for the code search page's words that contain the copied word.
    return RecordSource::createSearchIndex(db, tableName,
                                           QStringList{u"teckenkoder"_s, u"Pinyin"_s} +
                                               numbered(u"translation"_s, translationCount));
}

QString storePath(const QString &programFolder, QLatin1StringView fileName)
{
    return QDir(programFolder).filePath(fileName);
}

} // namespace Tables

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
