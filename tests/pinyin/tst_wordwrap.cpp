#include "pinyin/wordwrap.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordWrap : public QObject
{
    Q_OBJECT
private slots:
    void wrap_data();
    void wrap();
    void paginate();
};

void TestWordWrap::wrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width"); // in characters, each one wide
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << 10 << QStringList();
    QTest::newRow("blank counts where it stands")
        << u"ni3 hao3 ma5"_s << 8 << QStringList{u"ni3 "_s, u"hao3 ma5"_s};
    QTest::newRow("exactly full") << u"abcd"_s << 4 << QStringList{u"abcd"_s};
    QTest::newRow("two CR LF give an empty line")
        << u"ab\r\n\r\ncd"_s << 10 << QStringList{u"ab"_s, QString(), u"cd"_s};
    QTest::newRow("LF and CR breaks") << u"a\nb\rc"_s << 10 << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("last break starts no line") << u"ab\r\n"_s << 10 << QStringList{u"ab"_s};
    QTest::newRow("too wide word ends even an empty line")
        << u"abcdefgh"_s << 5 << QStringList{QString(), u"abcdefgh"_s};
    QTest::newRow("too wide word after a word")
        << u"ab abcdefgh cd"_s << 5 << QStringList{u"ab "_s, u"abcdefgh "_s, u"cd"_s};
}

void TestWordWrap::wrap()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    QCOMPARE(WordWrap::wrap(text, width, [](const QString &word) { return qreal(word.size()); }),
             lines);
}

void TestWordWrap::paginate()
{
    const QStringList lines{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
    QCOMPARE(WordWrap::paginate(lines, 10, 25),
             (QList<QStringList>{{u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}, {u"5"_s}}));
    // A line taller than the page still gets a page of its own.
    QCOMPARE(WordWrap::paginate({u"a"_s, u"b"_s}, 30, 25),
             (QList<QStringList>{{u"a"_s}, {u"b"_s}}));
}

QTEST_GUILESS_MAIN(TestWordWrap)
#include "tst_wordwrap.moc"
