#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>

// The Unihan fields of one character that the character table is made from, raw:
// "kMandarin" -> "zhōng", "kRSUnicode" -> "2.3", "kHangul" -> "중:0E", ...
using UnihanFields = QHash<QByteArray, QString>;

// Whether a character gets a record: a BMP ideograph with a reading or a definition.
bool belongsInCharacterTable(char32_t codePoint, const UnihanFields &fields);

// The record of one character, in the order of Tables::characterFields().
QVariantList characterRecord(char32_t codePoint, const UnihanFields &fields);

struct CharacterStoreSummary
{
    qint64 records = 0;
    qint64 withPinyinAndMeaning = 0;
};

// Builds KVOdata.mdb from the Unihan files in unihanFolder, in code point order.
bool buildCharacterStore(const QString &unihanFolder, const QString &targetFile,
                         CharacterStoreSummary &summary, QString &error);
