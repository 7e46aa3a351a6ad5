#include "print/readingtable.h"

#include "dictionary/charactercode.h"
#include "dictionary/tables.h"
#include "dictionary/wordrows.h"
#include "platform/sqliteconnection.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

void loadCharacters(ReadingTable &table, const QString &programFolder)
{
    SqliteConnection store(Tables::storePath(programFolder, Tables::characterStore),
                           SqliteConnection::Mode::ReadOnly);
    if (!store.isOpen())
        return;
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    const QStringList columns{CharacterField::nummer, CharacterField::traditionellform,
                              CharacterField::pinyin1, CharacterField::meaning(1)};
    if (!query.exec(u"SELECT %1 FROM Tabell1 ORDER BY rowid"_s.arg(columns.join(u", "_s))))
        return;
    while (query.next()) {
        const char32_t codePoint = char32_t(query.value(0).toLongLong());
        if (codePoint == 0 || codePoint > 0x10FFFF)
            continue;
        CharacterEntry entry;
        // A character with several traditional forms lists them all; the first is the usual one.
        entry.traditional = CharacterCode::characters(
            query.value(1).toString().trimmed().left(CharacterCode::length));
        // Several readings are separated by blanks; the first is the common one.
        entry.pinyin = query.value(2).toString().trimmed().section(u' ', 0, 0);
        entry.gloss = query.value(3).toString().trimmed();
        table.addCharacter(QString::fromUcs4(&codePoint, 1), entry);
    }
}

} // namespace

ReadingTable ReadingTable::load(const QString &programFolder)
{
    ReadingTable table;
    WordRows::read(programFolder, 0,
                   [&table](const WordRow &row) { table.addWord(row.characters, row.pinyin); });
    loadCharacters(table, programFolder);
    return table;
}

void ReadingTable::addWord(const QString &traditionalWord, const QString &pinyin)
{
    if (traditionalWord.isEmpty() || m_words.contains(traditionalWord))
        return;
    m_words.insert(traditionalWord, pinyin.trimmed());
    m_longestWord = std::max<int>(m_longestWord, traditionalWord.toUcs4().size());
}

void ReadingTable::addCharacter(const QString &character, const CharacterEntry &entry)
{
    if (!character.isEmpty() && !m_characters.contains(character))
        m_characters.insert(character, entry);
}

QString ReadingTable::traditionalOf(const QString &character) const
{
    const auto found = m_characters.constFind(character);
    return found == m_characters.cend() || found->traditional.isEmpty() ? character
                                                                        : found->traditional;
}
