// Checks on the stores the build put into the program folder; skipped when they are absent.

#include "cedict/cedictimporter.h"
#include "dictionary/tables.h"
#include "platform/recordsource.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDataStores : public QObject
{
    Q_OBJECT
private slots:
    void characterTable_figures_data();
    void characterTable_figures();
    void characterTable_inCodePointOrder();
    void codeTable();
    void wordTable();
    void big5Cedict();
    void big5Cedict_importsThroughTheCodeTable();

private:
    static QString store(QLatin1StringView name)
    {
        return Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR), name);
    }
    static qint64 count(RecordSource &source, const QString &sql)
    {
        QSqlQuery query(source.database());
        return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
    }
};

#define OPEN_OR_SKIP(source, file)                                                                 \
    if (!QFile::exists(store(file)))                                                               \
        QSKIP("store not built");                                                                  \
    QVERIFY(source.open(store(file)))

void TestDataStores::characterTable_figures_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("中 radical key") << u"&H4E2D"_s << u"kinesisktradikal"_s << QVariant(u"2.3"_s);
    QTest::newRow("中 strokes") << u"&H4E2D"_s << u"summa"_s << QVariant(qlonglong(4));
    QTest::newRow("中 pinyin") << u"&H4E2D"_s << u"pinyin1"_s << QVariant(u"zhong1"_s);
    QTest::newRow("中 Cantonese") << u"&H4E2D"_s << u"kantonesiska1"_s << QVariant(u"zung1"_s);
    QTest::newRow("中 number") << u"&H4E2D"_s << u"nummer"_s << QVariant(qlonglong(0x4E2D));
    QTest::newRow("中 has no simplified form") << u"&H4E2D"_s << u"forenklaform"_s << QVariant();
    QTest::newRow("國 simplified") << u"&H570B"_s << u"forenklaform"_s << QVariant(u"&H56FD"_s);
    QTest::newRow("国 traditional")
        << u"&H56FD"_s << u"traditionellform"_s << QVariant(u"&H570B"_s);
    QTest::newRow("綠 pinyin with ü") << u"&H7DA0"_s << u"pinyin1"_s << QVariant(u"luu4"_s);
}

void TestDataStores::characterTable_figures()
{
    QFETCH(QString, code);
    QFETCH(QString, field);
    QFETCH(QVariant, value);

    RecordSource characters;
    OPEN_OR_SKIP(characters, Tables::characterStore);
    QVERIFY(count(characters, u"SELECT count(*) FROM Tabell1 WHERE pinyin1 IS NOT NULL "
                              u"AND meaning1 IS NOT NULL"_s) >= 20000);
    characters.findFirst(u"teckenkod ='"_s + code + u"'"_s);
    QVERIFY(!characters.noMatch());
    QCOMPARE(characters.value(field).isNull(), value.isNull());
    if (!value.isNull())
        QCOMPARE(characters.value(field).toString(), value.toString());
}

void TestDataStores::characterTable_inCodePointOrder()
{
    RecordSource characters;
    OPEN_OR_SKIP(characters, Tables::characterStore);
    QCOMPARE(count(characters, u"SELECT count(*) FROM Tabell1 a JOIN Tabell1 b "
                               u"ON b.rowid = a.rowid + 1 WHERE b.nummer <= a.nummer"_s),
             0);
    QCOMPARE(count(characters, u"SELECT count(*) FROM Tabell1 WHERE nummer > 65535"_s), 0);
}

void TestDataStores::codeTable()
{
    RecordSource codes;
    OPEN_OR_SKIP(codes, Tables::codeStore);
    QVERIFY(codes.recordCount() >= 13000);
    codes.findFirst(u"bigfive ='A4A4'"_s);
    QVERIFY(!codes.noMatch());
    QCOMPARE(codes.text(u"unicode"_s), u"&H4E2D"_s);
    QCOMPARE(codes.text(u"big5"_s), u"A4A4"_s);
    codes.findFirst(u"unicode ='&H570B'"_s);
    QCOMPARE(codes.text(u"bigfive"_s), u"B0EA"_s);
    QCOMPARE(count(codes, u"SELECT count(*) FROM Tabell1 a JOIN Tabell1 b "
                          u"ON b.rowid = a.rowid + 1 WHERE b.bigfive <= a.bigfive"_s),
             0);
}

void TestDataStores::wordTable()
{
    RecordSource words;
    OPEN_OR_SKIP(words, Tables::wordStore);
    QVERIFY(words.recordCount() > 116000);
    QVERIFY(words.value(u"teckenkoder"_s).isNull());
    QVERIFY(words.value(u"translation1"_s).isNull());
    words.findFirst(u"teckenkoder ='&H4E2D&H570B'"_s);
    QVERIFY(!words.noMatch());
    QCOMPARE(words.text(u"Pinyin"_s), u"Zhong1 guo2"_s);
    QCOMPARE(words.text(u"tecken"_s), u"A4A4B0EA"_s);
    QCOMPARE(words.text(u"translation1"_s), u"China"_s);
}

void TestDataStores::big5Cedict()
{
    QFile file(QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(u"cedict.b5"_s));
    if (!file.exists())
        QSKIP("cedict.b5 not built");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith("# CC-CEDICT\r\n"));
    QVERIFY(content.contains("\r\n#! charset=Big5\r\n"));
    QVERIFY(content.contains("\r\n\xA4\xA4\xB0\xEA [Zhong1 guo2] /China/\r\n"));
    QCOMPARE(content.count('\n'), content.count("\r\n"));
    QVERIFY(content.count('\n') > 110000);
}

void TestDataStores::big5Cedict_importsThroughTheCodeTable()
{
    const QDir program(QStringLiteral(ORDBOK_PROGRAM_DIR));
    if (!program.exists(u"cedict.b5"_s) || !program.exists(Tables::codeStore) ||
        !program.exists(Tables::emptyWordTemplate))
        QSKIP("stores not built");
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(folder.mkpath(u"empty"_s));
    QVERIFY(QFile::copy(program.filePath(Tables::codeStore), folder.filePath(u"big5.mdb"_s)));
    QVERIFY(QFile::copy(program.filePath(Tables::emptyWordTemplate),
                        folder.filePath(Tables::emptyWordTemplate)));

    const CedictImportSummary summary =
        CedictImporter(dir.path()).importFile(program.filePath(u"cedict.b5"_s));
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.format, CedictFormat::Big5);
    QCOMPARE(summary.recordsWritten, summary.linesRead + 1);
    RecordSource words;
    QVERIFY(words.open(summary.targetFile));
    words.findFirst(u"teckenkoder ='&H4E2D&H570B'"_s);
    QVERIFY(!words.noMatch());
    QCOMPARE(words.text(u"Pinyin"_s), u"Zhong1 guo2"_s);
    QCOMPARE(words.text(u"translation1"_s), u"China"_s);
}

QTEST_GUILESS_MAIN(TestDataStores)
#include "tst_datastores.moc"
