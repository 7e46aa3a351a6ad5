#include "app/settingsrecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using F = SettingsRecord::Field;

class TestSettingsRecord : public QObject
{
    Q_OBJECT
private slots:
    void layoutMatchesTheFile_data();
    void layoutMatchesTheFile();
    void valuesAreCutToWidth_data();
    void valuesAreCutToWidth();
    void writtenBytesAreTheLayout();
    void roundTrip();
    void shortFileLeavesRestEmpty();
    void missingFileReadsEmpty();
    void writeKeepsBytesBeyondTheFields();
    void leadingNumber_data();
    void leadingNumber();
    void strictNumber_data();
    void strictNumber();
    void boolean_data();
    void boolean();
};

void TestSettingsRecord::layoutMatchesTheFile_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("simplifiedOn") << int(F::simplifiedOn) << 0 << 5;
    QTest::newRow("radicalMode") << int(F::radicalMode) << 5 << 2;
    QTest::newRow("mainFontName") << int(F::mainFontName) << 7 << 10;
    QTest::newRow("editorTable") << int(F::editorTable) << 67 << 6;
    QTest::newRow("pageFontName") << int(F::pageFontName) << 133 << 15;
    QTest::newRow("reserved20") << int(F::reserved20) << 162 << 2;
    QTest::newRow("alwaysOnTop") << int(F::alwaysOnTop) << 164 << 5;
    QTest::newRow("autoLookupOn") << int(F::autoLookupOn) << 169 << 5;
    QTest::newRow("backgroundPath") << int(F::backgroundPath) << 174 << 140;
    QTest::newRow("pageLeft") << int(F::pageLeft) << 314 << 10;
    QTest::newRow("autoStartSwedish") << int(F::autoStartSwedish) << 354 << 10;
    QTest::newRow("autoStartEnglish") << int(F::autoStartEnglish) << 364 << 10;
    QTest::newRow("codeTraditional") << int(F::codeTraditional) << 374 << 2;
    QTest::newRow("codeFontSize") << int(F::codeFontSize) << 376 << 3;
    QTest::newRow("codeFontName") << int(F::codeFontName) << 403 << 15;
}

void TestSettingsRecord::layoutMatchesTheFile()
{
    QFETCH(int, field);
    QFETCH(int, offset);
    QFETCH(int, width);
    const SettingsRecord::Layout layout = SettingsRecord::layout(F(field));
    QCOMPARE(layout.offset, offset);
    QCOMPARE(layout.width, width);
}

void TestSettingsRecord::valuesAreCutToWidth_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("16-character font name") << int(F::mainFontName) << u"Arial Unicode MS"_s
                                            << u"Arial Unic"_s;
    QTest::newRow("fits exactly") << int(F::mainFontName) << u"0123456789"_s << u"0123456789"_s;
    QTest::newRow("long background path") << int(F::backgroundPath) << QString(150, u'p')
                                          << QString(140, u'p');
    QTest::newRow("no half character") << int(F::radicalMode) << u"aé"_s << u"a"_s;
    QTest::newRow("trailing blanks dropped") << int(F::mainFontSize) << u"12  "_s << u"12"_s;
}

void TestSettingsRecord::valuesAreCutToWidth()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    SettingsRecord record;
    record.setValue(F(field), value);
    QCOMPARE(record.value(F(field)), stored);
}

void TestSettingsRecord::writtenBytesAreTheLayout()
{
    QTemporaryDir dir;
    SettingsRecord record;
    record.setValue(F::simplifiedOn, u"1"_s);
    record.setValue(F::radicalMode, u"0"_s);
    record.setValue(F::mainFontName, u"MS Song"_s);
    record.setValue(F::mainFontSize, u"36"_s);
    record.setValue(F::alwaysOnTop, u"True"_s);
    record.setValue(F::autoLookupOn, u"False"_s);
    record.setValue(F::backgroundPath, u"/opt/ordbok/2.gif"_s);
    record.setValue(F::autoStartEnglish, u"1"_s);
    record.setValue(F::codeFontName, u"MS Song"_s);
    QVERIFY(record.write(dir.path()));

    QFile file(dir.filePath(u"inst.ini"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), SettingsRecord::recordLength);
    QByteArray expected(SettingsRecord::recordLength, ' ');
    expected.replace(0, 5, "1    ");
    expected.replace(5, 2, "0 ");
    expected.replace(7, 10, "MS Song   ");
    expected.replace(17, 10, "36        ");
    expected.replace(164, 5, "True ");
    expected.replace(169, 5, "False");
    expected.replace(174, 17, "/opt/ordbok/2.gif");
    expected.replace(364, 10, "1         ");
    expected.replace(403, 15, "MS Song        ");
    QCOMPARE(bytes, expected);
}

void TestSettingsRecord::roundTrip()
{
    QTemporaryDir dir;
    SettingsRecord written;
    for (int i = 0; i < F::FieldCount; ++i)
        written.setValue(F(i), u"v%1"_s.arg(i));
    written.setValue(F::backgroundPath, u"/home/åsa/bilder/bakgrund.gif"_s);
    QVERIFY(written.write(dir.path()));
    SettingsRecord read;
    QVERIFY(read.read(dir.path()));
    for (int i = 0; i < F::FieldCount; ++i)
        QCOMPARE(read.value(F(i)), written.value(F(i)));
}

void TestSettingsRecord::shortFileLeavesRestEmpty()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"inst.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1    1 Arial     12"); // ends inside mainFontSize
    file.close();
    SettingsRecord record;
    record.setValue(F::autoStartEnglish, u"1"_s); // stale value must go
    QVERIFY(record.read(dir.path()));
    QCOMPARE(record.value(F::simplifiedOn), u"1"_s);
    QCOMPARE(record.value(F::radicalMode), u"1"_s);
    QCOMPARE(record.value(F::mainFontName), u"Arial"_s);
    QCOMPARE(record.value(F::mainFontSize), u"12"_s);
    QCOMPARE(record.value(F::editorFontName), QString());
    QCOMPARE(record.value(F::autoStartEnglish), QString());
}

void TestSettingsRecord::missingFileReadsEmpty()
{
    QTemporaryDir dir;
    SettingsRecord record;
    record.setValue(F::mainFontName, u"Arial"_s);
    QVERIFY(!record.read(dir.path()));
    QCOMPARE(record.value(F::mainFontName), QString());
    QCOMPARE(record.toBytes(), QByteArray(SettingsRecord::fieldsLength, ' '));
}

void TestSettingsRecord::writeKeepsBytesBeyondTheFields()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"inst.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(SettingsRecord::recordLength, 'x') + "second record");
    file.close();
    SettingsRecord record;
    record.setValue(F::simplifiedOn, u"0"_s);
    QVERIFY(record.write(dir.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(5), QByteArray("0    "));
    QCOMPARE(bytes.mid(SettingsRecord::fieldsLength),
             QByteArray(SettingsRecord::recordLength - SettingsRecord::fieldsLength, 'x')
                 + "second record");
}

void TestSettingsRecord::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("plain") << u"1"_s << 1.0;
    QTest::newRow("blanks") << u"   2   "_s << 2.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("word") << u"abc"_s << 0.0;
    QTest::newRow("leading digits") << u"12abc"_s << 12.0;
    QTest::newRow("blank inside number") << u"1 2"_s << 12.0;
    QTest::newRow("negative") << u"-1"_s << -1.0;
    QTest::newRow("decimal") << u"2.5x"_s << 2.5;
}

void TestSettingsRecord::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(SettingsText::leadingNumber(text), number);
}

void TestSettingsRecord::strictNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("number");
    QTest::newRow("integer") << u"1"_s << true << 1.0;
    QTest::newRow("surrounding blanks") << u"  12  "_s << true << 12.0;
    QTest::newRow("decimal") << u"10.5"_s << true << 10.5;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blanks only") << u"     "_s << false << 0.0;
    QTest::newRow("trailing word") << u"12pt"_s << false << 0.0;
    QTest::newRow("word") << u"True"_s << false << 0.0;
}

void TestSettingsRecord::strictNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, number);
    const std::optional<double> result = SettingsText::strictNumber(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, number);
}

void TestSettingsRecord::boolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: no boolean
    QTest::newRow("True") << u"True"_s << 1;
    QTest::newRow("False") << u"False"_s << 0;
    QTest::newRow("padded") << u"True "_s << 1;
    QTest::newRow("lower case") << u"false"_s << 0;
    QTest::newRow("one") << u"1"_s << 1;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("word") << u"Ja"_s << -1;
    QTest::newRow("cut True") << u"Tru"_s << -1;
}

void TestSettingsRecord::boolean()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> result = SettingsText::boolean(text);
    QCOMPARE(result.has_value() ? int(*result) : -1, expected);
}

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
