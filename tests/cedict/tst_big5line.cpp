#include "cedict/big5line.h"

#include <QRandomGenerator>
#include <QTest>

class TestBig5Line : public QObject
{
    Q_OBJECT
private slots:
    void headwordHexKeepsOnlyCodeBytes_data();
    void headwordHexKeepsOnlyCodeBytes();
    void parse_data();
    void parse();
    void glossLimits_data();
    void glossLimits();
    void garbageGivesWellFormedPieces();
};

void TestBig5Line::headwordHexKeepsOnlyCodeBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("NUL") << QByteArray(1, '\0') << QByteArray();
    QTest::newRow("LF") << QByteArray("\n") << QByteArray();
    QTest::newRow("space") << QByteArray(" ") << QByteArray();
    QTest::newRow("! first kept") << QByteArray("!") << QByteArray("21");
    QTest::newRow("/ last before digits") << QByteArray("/") << QByteArray("2F");
    QTest::newRow("0") << QByteArray("0") << QByteArray();
    QTest::newRow("9") << QByteArray("9") << QByteArray();
    QTest::newRow(":") << QByteArray(":") << QByteArray("3A");
    QTest::newRow("~") << QByteArray("~") << QByteArray("7E");
    QTest::newRow("DEL") << QByteArray("\x7F") << QByteArray();
    QTest::newRow("0x80") << QByteArray("\x80") << QByteArray();
    QTest::newRow("0xA0") << QByteArray("\xA0") << QByteArray();
    QTest::newRow("0xA1") << QByteArray("\xA1") << QByteArray("A1");
    QTest::newRow("0xFF") << QByteArray("\xFF") << QByteArray("FF");
    QTest::newRow("two Big5 characters")
        << QByteArray("\xA4\xA4\xA4\xE5 ") << QByteArray("A4A4A4E5");
    QTest::newRow("mixed") << QByteArray("3C\xA4\xA4") << QByteArray("43A4A4");
}

void TestBig5Line::headwordHexKeepsOnlyCodeBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, hex);
    QCOMPARE(headwordHex(bytes), hex);
}

namespace {

QByteArrayList producedGlosses(const Big5Line &line)
{
    QByteArrayList glosses;
    for (const QByteArray &gloss : line.glosses) {
        if (gloss.isEmpty())
            break;
        glosses << gloss;
    }
    return glosses;
}

QByteArray glossLine(int count)
{
    QByteArray line = "AB [a1 b2] /";
    for (int i = 1; i <= count; ++i)
        line += "g" + QByteArray::number(i) + "/";
    return line;
}

QByteArrayList numberedGlosses(int count)
{
    QByteArrayList glosses;
    for (int i = 1; i <= count; ++i)
        glosses << "g" + QByteArray::number(i);
    return glosses;
}

enum Flag { None = 0, NoHeadword = 1, Unclosed = 2, Cut = 4, Extra = 8 };

int flagsOf(const Big5Line &line)
{
    return (line.noHeadword ? NoHeadword : 0) | (line.unclosedReading ? Unclosed : 0) |
           (line.glossesCut ? Cut : 0) | (line.extraGlosses ? Extra : 0);
}

} // namespace

void TestBig5Line::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("tecken");
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<QByteArrayList>("glosses");
    QTest::addColumn<int>("flags");

    QTest::newRow("two glosses") << QByteArray("AB [pin1 yin1] /g1/g2/") << QByteArray("4142")
                                 << QByteArray("pin1 yin1") << QByteArrayList{"g1", "g2"} << 0;
    QTest::newRow("Big5 headword")
        << QByteArray("\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/") << QByteArray("A4A4A4E5")
        << QByteArray("zhong1 wen2") << QByteArrayList{"Chinese"} << 0;
    QTest::newRow("one-character first gloss runs on")
        << QByteArray("AB [a1 b2] /x/y/") << QByteArray("4142") << QByteArray("a1 b2")
        << QByteArrayList{"x/y"} << 0;
    QTest::newRow("one-character later gloss kept")
        << QByteArray("AB [a1 b2] /xy/z/w/") << QByteArray("4142") << QByteArray("a1 b2")
        << QByteArrayList{"xy", "z", "w"} << 0;
    QTest::newRow("one-character reading is lost")
        << QByteArray("AB [a] /gloss/") << QByteArray("4142") << QByteArray()
        << QByteArrayList{"gloss"} << 0;
    QTest::newRow("two-character reading is kept")
        << QByteArray("AB [a1] /gloss/") << QByteArray("4142") << QByteArray("a1")
        << QByteArrayList{"gloss"} << 0;
    QTest::newRow("leading blanks of the reading dropped")
        << QByteArray("AB [  a1] /gloss/") << QByteArray("4142") << QByteArray("a1")
        << QByteArrayList{"gloss"} << 0;
    QTest::newRow("ten glosses") << glossLine(10) << QByteArray("4142") << QByteArray("a1 b2")
                                 << numberedGlosses(10) << 0;
    QTest::newRow("eleven glosses keep ten")
        << glossLine(11) << QByteArray("4142") << QByteArray("a1 b2") << numberedGlosses(10)
        << int(Extra);
    QTest::newRow("no reading") << QByteArray("AB /g1/g2/") << QByteArray("4142") << QByteArray()
                                << QByteArrayList{"g1", "g2"} << 0;
    QTest::newRow("digits dropped from headword")
        << QByteArray("\xA4\xA4"
                      "3 [san1] /three/")
        << QByteArray("A4A4") << QByteArray("san1") << QByteArrayList{"three"} << 0;
    QTest::newRow("letters kept in headword")
        << QByteArray("\xA4\xA4"
                      "A [a1] /an A/")
        << QByteArray("A4A441") << QByteArray("a1") << QByteArrayList{"an A"} << 0;
    QTest::newRow("headword of digits only")
        << QByteArray("88 [ba1 ba1] /bye-bye/") << QByteArray() << QByteArray("ba1 ba1")
        << QByteArrayList{"bye-bye"} << 0;
    QTest::newRow("empty line") << QByteArray() << QByteArray() << QByteArray() << QByteArrayList()
                                << int(NoHeadword);
    QTest::newRow("comment line") << QByteArray("# CC-CEDICT") << QByteArray() << QByteArray()
                                  << QByteArrayList() << int(NoHeadword);
    QTest::newRow("comment with a link is read like an entry")
        << QByteArray("# https://cc-cedict.org/wiki/") << QByteArray("2368747470733A")
        << QByteArray() << QByteArrayList{"/cc-cedict.org", "wiki"} << 0;
    QTest::newRow("headword of 29 bytes still found")
        << QByteArray(29, 'A') + " [a1] /g/h/" << QByteArray("41").repeated(29) << QByteArray("a1")
        << QByteArrayList{"g/h"} << 0;
    QTest::newRow("headword of 30 bytes is too long")
        << QByteArray(30, 'A') + " [a1] /g/" << QByteArray() << QByteArray() << QByteArrayList()
        << int(NoHeadword);
    QTest::newRow("unclosed reading: glosses after the next slash")
        << QByteArray("AB [pin1 yin1 /g1/g2/") << QByteArray("4142") << QByteArray()
        << QByteArrayList{"g1", "g2"} << int(Unclosed);
    QTest::newRow("unclosed reading, no slash")
        << QByteArray("AB [pin1 yin1") << QByteArray("4142") << QByteArray() << QByteArrayList()
        << int(Unclosed);
    QTest::newRow("reading without glosses") << QByteArray("AB [a1 b2]") << QByteArray("4142")
                                             << QByteArray("a1 b2") << QByteArrayList() << 0;
    QTest::newRow("unterminated first gloss")
        << QByteArray("AB [a1 b2] /gloss") << QByteArray("4142") << QByteArray("a1 b2")
        << QByteArrayList() << int(Cut);
    QTest::newRow("trailing blank ends the glosses")
        << QByteArray("AB [a1 b2] /g1/g2/ ") << QByteArray("4142") << QByteArray("a1 b2")
        << QByteArrayList{"g1", "g2"} << 0;
    QTest::newRow("unterminated later gloss")
        << QByteArray("AB [a1 b2] /g1/g2/tail") << QByteArray("4142") << QByteArray("a1 b2")
        << QByteArrayList{"g1", "g2"} << int(Cut);
}

void TestBig5Line::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, tecken);
    QFETCH(QByteArray, reading);
    QFETCH(QByteArrayList, glosses);
    QFETCH(int, flags);

    const Big5Line parsed = Big5Line::parse(line);
    QCOMPARE(parsed.tecken, tecken);
    QCOMPARE(parsed.reading, reading);
    QCOMPARE(producedGlosses(parsed), glosses);
    for (size_t i = size_t(glosses.size()); i < parsed.glosses.size(); ++i)
        QVERIFY2(parsed.glosses[i].isEmpty(), "a gloss after a missing one");
    QCOMPARE(flagsOf(parsed), flags);
}

void TestBig5Line::glossLimits_data()
{
    QTest::addColumn<int>("firstLength");
    QTest::addColumn<int>("secondLength");
    QTest::addColumn<int>("stored"); // how many of the three glosses are stored

    QTest::newRow("first 150") << 150 << 5 << 3;
    QTest::newRow("first 151") << 151 << 5 << 0;
    QTest::newRow("second 60") << 5 << 60 << 3;
    QTest::newRow("second 61 ends the line") << 5 << 61 << 1;
}

void TestBig5Line::glossLimits()
{
    QFETCH(int, firstLength);
    QFETCH(int, secondLength);
    QFETCH(int, stored);

    const QByteArray first(firstLength, 'f');
    const QByteArray second(secondLength, 's');
    const Big5Line parsed = Big5Line::parse("AB [a1 b2] /" + first + "/" + second + "/third/");
    const QByteArrayList expected = QByteArrayList{first, second, "third"}.mid(0, stored);
    QCOMPARE(producedGlosses(parsed), expected);
    QCOMPARE(parsed.glossesCut, stored < 3);
}

void TestBig5Line::garbageGivesWellFormedPieces()
{
    QRandomGenerator random(20240501);
    for (int n = 0; n < 20000; ++n) {
        QByteArray line(random.bounded(0, 400), '\0');
        // Mostly the bytes that steer the scans, so that they are met in every order.
        static const char steering[] = {'[', ']', '/', ' ', 'A', '\xA4', '\0', '\r'};
        for (char &c : line)
            c = random.bounded(2) ? steering[random.bounded(int(sizeof steering))]
                                  : char(random.bounded(256));
        const Big5Line parsed = Big5Line::parse(line);
        QVERIFY(parsed.tecken.size() % 2 == 0);
        QVERIFY(parsed.tecken.size() <= 60);
        QVERIFY(parsed.reading.size() <= 60);
        QVERIFY(parsed.glosses[0].size() <= 150);
        bool gap = false;
        for (size_t i = 0; i < parsed.glosses.size(); ++i) {
            QVERIFY(!gap || parsed.glosses[i].isEmpty());
            QVERIFY(i == 0 || parsed.glosses[i].size() <= 60);
            QVERIFY(line.contains(parsed.glosses[i]));
            gap = gap || parsed.glosses[i].isEmpty();
        }
        if (parsed.noHeadword)
            QVERIFY(parsed.tecken.isEmpty() && parsed.glosses[0].isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestBig5Line)
#include "tst_big5line.moc"
