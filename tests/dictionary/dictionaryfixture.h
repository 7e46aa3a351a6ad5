#pragma once

// A program folder in a temporary directory holding tiny word, character and code stores.

#include "dictionary/tables.h"
#include "tests/common/storebuilder.h"

#include <QStringList>
#include <QTemporaryDir>

namespace DictionaryFixture {

// A character record: code, radical key, pinyin, meanings, and any further fields.
inline TestStores::Row character(const QString &code, const QString &radicalKey,
                                 const QString &pinyin = {}, const QStringList &meanings = {},
                                 const TestStores::Row &more = {})
{
    TestStores::Row row = more;
    row.insert(QStringLiteral("teckenkod"), code);
    if (!radicalKey.isNull())
        row.insert(QStringLiteral("kinesisktradikal"), radicalKey);
    if (!pinyin.isNull())
        row.insert(QStringLiteral("pinyin1"), pinyin);
    for (int i = 0; i < meanings.size(); ++i) {
        if (!meanings.at(i).isEmpty())
            row.insert(QStringLiteral("meaning%1").arg(i + 1), meanings.at(i));
    }
    return row;
}

// A word record: code string, pinyin, translations (an empty text leaves its field null).
inline TestStores::Row word(const QString &codes, const QString &pinyin,
                            const QStringList &translations = {})
{
    TestStores::Row row;
    if (!codes.isNull())
        row.insert(QStringLiteral("teckenkoder"), codes);
    if (!pinyin.isNull())
        row.insert(QStringLiteral("Pinyin"), pinyin);
    for (int i = 0; i < translations.size(); ++i) {
        if (!translations.at(i).isEmpty())
            row.insert(QStringLiteral("translation%1").arg(i + 1), translations.at(i));
    }
    return row;
}

class ProgramFolder
{
public:
    bool build(const QList<TestStores::Row> &words, const QList<TestStores::Row> &characters)
    {
        return m_dir.isValid() &&
               TestStores::words(Tables::storePath(m_dir.path(), Tables::wordStore), words) &&
               TestStores::characters(Tables::storePath(m_dir.path(), Tables::characterStore),
                                      characters) &&
               TestStores::codes(Tables::storePath(m_dir.path(), Tables::codeStore), {});
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace DictionaryFixture
