// The services the main windows share: the clipboard watcher's routing and the menu clock.

#include "shell/clipboardwatcher.h"
#include "shell/menuclock.h"

#include <QMimeData>
#include <QTest>
#include <QTime>

using namespace Qt::StringLiterals;

class TestShellServices : public QObject
{
    Q_OBJECT
private slots:
    void clipboardRoute_data();
    void clipboardRoute();
    void clockFormat_data();
    void clockFormat();
};

void TestShellServices::clipboardRoute_data()
{
    QTest::addColumn<int>("rtfLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("route");
    using R = ClipboardWatcher::Route;
    QTest::newRow("plain text") << -1 << u"water"_s << int(R::CedictSearch);
    QTest::newRow("Chinese text") << -1 << u"中國"_s << int(R::CedictSearch);
    QTest::newRow("2000 rich") << 2000 << u"x"_s << int(R::CedictSearch);
    QTest::newRow("2001 rich") << 2001 << u"x"_s << int(R::CodeSearch);
    QTest::newRow("2001 rich without text") << 2001 << QString() << int(R::CodeSearch);
    QTest::newRow("short rich without text") << 10 << QString() << int(R::None);
    QTest::newRow("empty") << -1 << QString() << int(R::None);
}

void TestShellServices::clipboardRoute()
{
    QFETCH(int, rtfLength);
    QFETCH(QString, text);
    QFETCH(int, route);
    QMimeData data;
    if (rtfLength >= 0)
        data.setData(u"text/rtf"_s, QByteArray(rtfLength, 'r'));
    if (!text.isNull())
        data.setText(text);
    QCOMPARE(int(ClipboardWatcher::route(&data)), route);
}

void TestShellServices::clockFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("morning") << QTime(9, 5, 7) << u"9:05:07"_s;
    QTest::newRow("midnight") << QTime(0, 0, 0) << u"0:00:00"_s;
    QTest::newRow("last second") << QTime(23, 59, 59) << u"23:59:59"_s;
}

void TestShellServices::clockFormat()
{
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    QCOMPARE(MenuClock::format(time), shown);
}

QTEST_MAIN(TestShellServices)
#include "tst_shellservices.moc"
