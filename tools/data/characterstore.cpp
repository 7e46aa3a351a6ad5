#include "tools/data/characterstore.h"

#include "dictionary/charactercode.h"
#include "dictionary/tables.h"
#include "tools/common/unihan.h"
#include "tools/data/storewriter.h"
#include "tools/data/tonenumbers.h"

#include <QDir>
#include <QStringList>

#include <map>

using namespace Qt::StringLiterals;

namespace {

const QList<QByteArray> readingFields{"kMandarin",   "kCantonese", "kJapaneseKun",
                                      "kJapaneseOn", "kHangul",    "kKorean"};
const QList<QByteArray> otherFields{"kDefinition", "kSimplifiedVariant", "kTraditionalVariant",
                                    "kRSUnicode", "kTotalStrokes"};

// Readings.txt holds the readings and definitions, Variants.txt the simplified and
// traditional forms, IRGSources.txt (Unicode 15.0) the radical and stroke counts.
const QStringList unihanFiles{u"Unihan_Readings.txt.bz2"_s, u"Unihan_Variants.txt.bz2"_s,
                              u"Unihan_IRGSources.txt.bz2"_s};

QStringList words(const QString &value)
{
    return value.split(u' ', Qt::SkipEmptyParts);
}

QString firstWord(const QString &value)
{
    return words(value).value(0);
}

// "U+4E7E U+5E72" for U+4E7E -> "&H5E72": the first variant that is another BMP character.
// A character that keeps its form in some words still gets the form it usually takes.
QVariant variantCode(char32_t codePoint, const QString &value)
{
    for (const QString &word : words(value)) {
        bool ok = false;
        const uint variant = word.mid(2).toUInt(&ok, 16);
        if (ok && word.startsWith(u"U+") && variant != codePoint && variant <= 0xFFFF)
            return CharacterCode::fromCharacter(QChar(char16_t(variant)));
    }
    return {};
}

// Fills count slots from the first words of a value; the rest stay null.
void appendWords(QVariantList &record, const QStringList &values, int count)
{
    for (int i = 0; i < count; ++i)
        record << (i < values.size() ? QVariant(values.at(i)) : QVariant());
}

QStringList meanings(const QString &definition)
{
    QStringList pieces;
    for (const QString &piece : definition.split(u';')) {
        if (!piece.trimmed().isEmpty())
            pieces << piece.trimmed();
    }
    if (pieces.size() > Tables::meaningCount) {
        const QStringList rest = pieces.sliced(Tables::meaningCount - 1);
        pieces.resize(Tables::meaningCount - 1);
        pieces << rest.join(u"; "_s);
    }
    return pieces;
}

QStringList koreanReadings(const UnihanFields &fields)
{
    QStringList hangul = words(fields.value("kHangul"));
    for (QString &reading : hangul)
        reading = reading.section(u':', 0, 0);
    return hangul.isEmpty() ? words(fields.value("kKorean")) : hangul;
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

bool belongsInCharacterTable(char32_t codePoint, const UnihanFields &fields)
{
    if (codePoint > 0xFFFF)
        return false;
    if (fields.contains("kDefinition"))
        return true;
    for (const QByteArray &field : readingFields) {
        if (fields.contains(field))
            return true;
    }
    return false;
}

QVariantList characterRecord(char32_t codePoint, const UnihanFields &fields)
{
    QVariantList record;
    record << CharacterCode::fromCharacter(QChar(char16_t(codePoint))) << qlonglong(codePoint);
    record << variantCode(codePoint, fields.value("kSimplifiedVariant"))
           << variantCode(codePoint, fields.value("kTraditionalVariant"));
    record << textOrNull(firstWord(fields.value("kRSUnicode")).remove(u'\''));
    bool strokesOk = false;
    const int strokes = firstWord(fields.value("kTotalStrokes")).toInt(&strokesOk);
    record << (strokesOk ? QVariant(qlonglong(strokes)) : QVariant());
    record << textOrNull(toneNumberPinyin(firstWord(fields.value("kMandarin"))));
    appendWords(record, meanings(fields.value("kDefinition")), Tables::meaningCount);
    appendWords(record, words(fields.value("kCantonese")), 3);
    appendWords(record, words(fields.value("kJapaneseKun")), 3);
    appendWords(record, words(fields.value("kJapaneseOn")), 3);
    appendWords(record, koreanReadings(fields), 3);
    return record;
}

bool buildCharacterStore(const QString &unihanFolder, const QString &targetFile,
                         CharacterStoreSummary &summary, QString &error)
{
    std::map<char32_t, UnihanFields> characters;
    const auto keep = [&](char32_t codePoint, const QByteArray &field, const QByteArray &value) {
        if (codePoint <= 0xFFFF && (readingFields.contains(field) || otherFields.contains(field)))
            characters[codePoint].insert(field, QString::fromUtf8(value));
    };
    for (const QString &file : unihanFiles) {
        if (!readUnihanFile(QDir(unihanFolder).filePath(file), keep)) {
            error = u"cannot read "_s + QDir(unihanFolder).filePath(file);
            return false;
        }
    }

    StoreWriter store(targetFile, Tables::createCharacterTable, Tables::characterFields());
    if (!store.begin()) {
        error = store.errorText();
        return false;
    }
    const qsizetype pinyinColumn = Tables::characterFields().indexOf(CharacterField::pinyin1);
    const qsizetype meaningColumn = Tables::characterFields().indexOf(CharacterField::meaning(1));
    for (const auto &[codePoint, fields] : characters) {
        if (!belongsInCharacterTable(codePoint, fields))
            continue;
        const QVariantList record = characterRecord(codePoint, fields);
        if (!store.insert(record)) {
            error = store.errorText();
            return false;
        }
        if (!record.at(pinyinColumn).isNull() && !record.at(meaningColumn).isNull())
            ++summary.withPinyinAndMeaning;
    }
    summary.records = store.recordCount();
    if (!store.finish()) {
        error = store.errorText();
        return false;
    }
    return true;
}
