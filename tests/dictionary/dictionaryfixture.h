#pragma once

// A program folder in a temporary directory holding tiny word, character and code stores.

#include "dictionary/tables.h"
#include "tests/common/storebuilder.h"

#include <QStringList>
#include <QTemporaryDir>

namespace DictionaryFixture {

// Fields given as a null text stay null, and so do numbered fields given as empty texts.
inline TestStores::Row fields(TestStores::Row row,
                              const QList<std::pair<QLatin1StringView, QString>> &named,
                              QString (*numbered)(int), const QStringList &values)
{
    for (const auto &[name, value] : named) {
        if (!value.isNull())
            row.insert(name, value);
    }
    for (int i = 0; i < values.size(); ++i) {
        if (!values.at(i).isEmpty())
            row.insert(numbered(i + 1), values.at(i));
    }
    return row;
}

// A character record: code, radical key, pinyin, meanings, and any further fields.
inline TestStores::Row character(const QString &code, const QString &radicalKey,
                                 const QString &pinyin = {}, const QStringList &meanings = {},
                                 const TestStores::Row &more = {})
{
    return fields(more,
                  {{CharacterField::teckenkod, code},
                   {CharacterField::kinesisktradikal, radicalKey},
                   {CharacterField::pinyin1, pinyin}},
                  CharacterField::meaning, meanings);
}

// A word record: code string, pinyin, translations.
inline TestStores::Row word(const QString &codes, const QString &pinyin,
                            const QStringList &translations = {})
{
    return fields({}, {{WordField::teckenkoder, codes}, {WordField::pinyin, pinyin}},
                  WordField::translation, translations);
}

class ProgramFolder
{
public:
    bool build(const QList<TestStores::Row> &words, const QList<TestStores::Row> &characters)
    {
        const auto store = [&](QLatin1StringView name) { return Tables::storePath(path(), name); };
        return m_dir.isValid() && TestStores::words(store(Tables::wordStore), words) &&
               TestStores::characters(store(Tables::characterStore), characters) &&
               TestStores::codes(store(Tables::codeStore), {});
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace DictionaryFixture
