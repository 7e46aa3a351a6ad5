#include "platform/recordsource.h"
#include "tests/common/storebuilder.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Row order is rowid order: the order a search walks.
static const QList<TestStores::Row> kWords = {
    {},                                                                     // 1: empty
    {{u"Pinyin"_s, u"shui3"_s}, {u"translation1"_s, u"water"_s}},           // 2
    {{u"Pinyin"_s, u"he2 shui3"_s}, {u"translation1"_s, u"river water"_s}}, // 3
    {{u"Pinyin"_s, u"shui3 ni2"_s}, {u"translation1"_s, u"Water"_s}},       // 4
    {{u"Pinyin"_s, u"bai3 fen1"_s}, {u"translation1"_s, u"100% pure"_s}},   // 5
    {{u"Pinyin"_s, u"xia4 hua2"_s}, {u"translation1"_s, u"under_score"_s}}, // 6
    {{u"Pinyin"_s, u"fan3"_s}, {u"translation1"_s, u"back\\slash"_s}},      // 7
    {{u"Pinyin"_s, u"ka1 fei1"_s}, {u"translation1"_s, u"café"_s}},         // 8
    {{u"Pinyin"_s, u"bu4"_s}, {u"translation1"_s, u"it's"_s}},              // 9
};

class TestRecordSource : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void opensAtFirstRecord();
    void missingFileIsNotCreated();
    void findFirstThenNext_data();
    void findFirstThenNext();
    void missLeavesCurrentRecord_data();
    void missLeavesCurrentRecord();
    void numberCriteria();
    void fieldNamesIgnoreCase();
    void movesAreSignalled();
    void addNewAndUpdate();

private:
    QStringList walk(const QString &criteria);
    QTemporaryDir m_dir;
    QString m_words;
};

void TestRecordSource::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_words = m_dir.filePath(u"words.mdb"_s);
    QVERIFY(TestStores::words(m_words, kWords));
}

QStringList TestRecordSource::walk(const QString &criteria)
{
    RecordSource source;
    if (!source.open(m_words))
        return {u"not opened"_s};
    QStringList found;
    source.findFirst(criteria);
    while (!source.noMatch()) {
        found << QString::number(source.currentRowId());
        source.findNext(criteria);
    }
    return found;
}

void TestRecordSource::opensAtFirstRecord()
{
    RecordSource source;
    QVERIFY(source.open(m_words));
    QCOMPARE(source.currentRowId(), 1);
    QVERIFY(source.value(u"translation1"_s).isNull());
    QCOMPARE(source.recordCount(), kWords.size());
}

void TestRecordSource::missingFileIsNotCreated()
{
    RecordSource source;
    const QString missing = m_dir.filePath(u"none.mdb"_s);
    QVERIFY(!source.open(missing));
    QVERIFY(!QFile::exists(missing));
    source.findFirst(u"pinyin ='a'"_s);
    QVERIFY(source.noMatch());
}

void TestRecordSource::findFirstThenNext_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("contains, any case")
        << u"translation1 like'*water*'"_s << QStringList{u"2"_s, u"3"_s, u"4"_s};
    QTest::newRow("equals ignores case")
        << u"translation1 ='WATER'"_s << QStringList{u"2"_s, u"4"_s};
    QTest::newRow("equals is not a wildcard") << u"translation1 ='wat*'"_s << QStringList{};
    QTest::newRow("question mark") << u"pinyin like'shui?'"_s << QStringList{u"2"_s};
    QTest::newRow("percent literal") << u"translation1 like'*0%*'"_s << QStringList{u"5"_s};
    QTest::newRow("percent does not match any") << u"translation1 like'w%'"_s << QStringList{};
    QTest::newRow("underscore literal") << u"translation1 like'*r_s*'"_s << QStringList{u"6"_s};
    QTest::newRow("underscore is not one char") << u"translation1 like'wat_r'"_s << QStringList{};
    QTest::newRow("backslash literal") << u"translation1 like'*k\\s*'"_s << QStringList{u"7"_s};
    QTest::newRow("non-ascii") << u"translation1 like'*fé*'"_s << QStringList{u"8"_s};
    QTest::newRow("stars skip nulls")
        << u"pinyin like'**'"_s
        << QStringList{u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s};
    QTest::newRow("field of other case") << u"PINYIN ='shui3'"_s << QStringList{u"2"_s};
    QTest::newRow("unknown field") << u"nofield ='x'"_s << QStringList{};
    QTest::newRow("quote in text") << u"translation1 ='it's'"_s << QStringList{};
}

void TestRecordSource::findFirstThenNext()
{
    QFETCH(QString, criteria);
    QFETCH(QStringList, rows);
    QCOMPARE(walk(criteria), rows);
}

void TestRecordSource::missLeavesCurrentRecord_data()
{
    QTest::addColumn<QString>("criteria");
    QTest::newRow("nothing matches") << u"translation1 ='fire'"_s;
    QTest::newRow("refused criteria") << u"translation1 like'*it's*'"_s;
    QTest::newRow("unknown field") << u"meaning1 ='water'"_s;
    QTest::newRow("trailing words") << u"pinyin ='a' or 1=1"_s;
}

void TestRecordSource::missLeavesCurrentRecord()
{
    QFETCH(QString, criteria);
    RecordSource source;
    QVERIFY(source.open(m_words));
    source.findFirst(u"translation1 ='river water'"_s);
    QCOMPARE(source.currentRowId(), 3);
    source.findFirst(criteria);
    QVERIFY(source.noMatch());
    QCOMPARE(source.currentRowId(), 3);
    QCOMPARE(source.text(u"translation1"_s), u"river water"_s);
    source.findNext(criteria);
    QVERIFY(source.noMatch());
    QCOMPARE(source.currentRowId(), 3);
}

void TestRecordSource::numberCriteria()
{
    const QString file = m_dir.filePath(u"chars.mdb"_s);
    QVERIFY(TestStores::characters(file, {{{u"summa"_s, 4}, {u"teckenkod"_s, u"&H4E2D"_s}},
                                          {{u"summa"_s, 14}, {u"teckenkod"_s, u"&H6F22"_s}},
                                          {{u"summa"_s, 4}, {u"teckenkod"_s, u"&H6C34"_s}}}));
    RecordSource source;
    QVERIFY(source.open(file));
    source.findFirst(u"summa =4"_s);
    QCOMPARE(source.text(u"teckenkod"_s), u"&H4E2D"_s);
    source.findNext(u"summa =4"_s);
    QCOMPARE(source.text(u"teckenkod"_s), u"&H6C34"_s);
    source.findNext(u"summa =4"_s);
    QVERIFY(source.noMatch());
    source.findFirst(u"summa =1"_s); // 14 must not match 1
    QVERIFY(source.noMatch());
    source.findFirst(u"teckenkod ='&h6f22'"_s);
    QCOMPARE(source.value(u"summa"_s).toInt(), 14);
}

void TestRecordSource::fieldNamesIgnoreCase()
{
    RecordSource source;
    QVERIFY(source.open(m_words));
    source.findFirst(u"translation1 ='water'"_s);
    QCOMPARE(source.text(u"pinyin"_s), u"shui3"_s);
    QCOMPARE(source.text(u"PINYIN"_s), u"shui3"_s);
    QVERIFY(source.hasField(u"pinyin"_s));
    QVERIFY(!source.hasField(u"meaning1"_s));
    QVERIFY(source.value(u"meaning1"_s).isNull());
}

void TestRecordSource::movesAreSignalled()
{
    RecordSource source;
    QVERIFY(source.open(m_words));
    QSignalSpy moved(&source, &RecordSource::currentChanged);
    source.findFirst(u"translation1 ='water'"_s);
    QCOMPARE(moved.count(), 1);
    source.findFirst(u"translation1 ='none'"_s);
    QCOMPARE(moved.count(), 1);
}

void TestRecordSource::addNewAndUpdate()
{
    const QString file = m_dir.filePath(u"new.mdb"_s);
    QVERIFY(TestStores::words(file, {}));
    RecordSource source;
    QVERIFY(source.open(file, u"Tabell1"_s, RecordSource::Mode::ReadWrite));
    QVERIFY(source.beginTransaction());
    source.addNew();
    QVERIFY(source.update()); // an empty record
    source.addNew();
    source.setValue(u"pinyin"_s, u"zhong1 wen2"_s);
    source.setValue(u"translation1"_s, u"Chinese"_s);
    source.setValue(u"nosuchfield"_s, u"ignored"_s);
    QVERIFY(source.update());
    QVERIFY(!source.update()); // nothing pending
    QVERIFY(source.commit());
    QCOMPARE(source.recordCount(), 2);
    source.findFirst(u"pinyin like'*wen*'"_s);
    QCOMPARE(source.currentRowId(), 2);
    QCOMPARE(source.text(u"translation1"_s), u"Chinese"_s);

    RecordSource readOnly;
    QVERIFY(readOnly.open(file));
    readOnly.addNew();
    QVERIFY(!readOnly.update());
}

QTEST_GUILESS_MAIN(TestRecordSource)
#include "tst_recordsource.moc"
