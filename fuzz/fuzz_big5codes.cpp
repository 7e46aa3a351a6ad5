// The Big5 code table and codec, any bytes: a lookup answers a code or nothing, in either case
// of hex digit, and agrees with the codec; decoding never depends on what was decoded before;
// text that came from Big5 goes back to Big5.

#include "cedict/big5codec.h"
#include "cedict/big5codetable.h"
#include "dictionary/tables.h"
#include "fuzzcheck.h"
#include "platform/sqliteconnection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

Big5CodeTable table;
Big5Codec *sharedCodec = nullptr;

// The code table as the setup builds it: every double-byte code the codec maps to one character.
bool buildTable(const QString &file)
{
    Big5Codec codec;
    SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    QSqlDatabase &db = connection.database();
    if (!connection.isOpen() || !Tables::createCodeTable(db) || !db.transaction())
        return false;
    QSqlQuery insert(db);
    insert.prepare(
        u"INSERT INTO Tabell1 (%1) VALUES (?, ?, ?)"_s.arg(Tables::codeFields().join(u", ")));
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char bytes[] = {char(lead), char(trail)};
            const QString text = codec.decode(QByteArrayView(bytes, 2));
            if (text.size() != 1 || text == QChar(QChar::ReplacementCharacter))
                continue;
            const QString hex = QString::fromLatin1(upperHex(QByteArrayView(bytes, 2)));
            insert.addBindValue(hex);
            insert.addBindValue(hex);
            insert.addBindValue(u"&H%1"_s.arg(text.at(0).unicode(), 4, 16, QChar(u'0')).toUpper());
            if (!insert.exec())
                return false;
        }
    }
    return db.commit();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Qt Sql loads its SQLite driver as a plugin, which takes an application object.
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    const QString file = dir.filePath(u"BIG5.mdb"_s);
    if (!buildTable(file) || !table.load(file) || table.size() < 13000)
        qFatal("cannot build the code table in %s", qPrintable(file));
    sharedCodec = new Big5Codec;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayView digits = input.first(std::min<qsizetype>(4, input.size()));
    const QByteArrayView bytes = input.sliced(digits.size());

    static const QRegularExpression codeForm(u"^&H[0-9A-F]{4}$"_s);
    const QString unicode = table.unicodeFor(digits);
    FUZZ_CHECK(unicode.isNull() || codeForm.match(unicode).hasMatch(), unicode);
    FUZZ_CHECK(table.unicodeFor(digits.toByteArray().toLower()) == unicode, digits.toByteArray());
    FUZZ_CHECK(table.unicodeFor(digits.toByteArray().toUpper()) == unicode, digits.toByteArray());
    if (!unicode.isNull()) {
        const QString character = sharedCodec->decode(QByteArray::fromHex(digits.toByteArray()));
        FUZZ_CHECK(character.size() == 1 &&
                       character.at(0).unicode() == unicode.sliced(2).toUInt(nullptr, 16),
                   digits.toByteArray() << unicode << character);
    }

    // The shared codec has decoded every input before this one.
    Big5Codec fresh;
    const QString text = fresh.decode(bytes);
    FUZZ_CHECK(sharedCodec->decode(bytes) == text, bytes.toByteArray());
    if (!text.contains(QChar(QChar::ReplacementCharacter))) {
        const std::optional<QByteArray> encoded = fresh.encode(text);
        FUZZ_CHECK(encoded.has_value(), bytes.toByteArray() << text);
        FUZZ_CHECK(fresh.decode(*encoded) == text, bytes.toByteArray());
    }
    return 0;
}
