// Where the clipboard watcher sends a copy: rich text past 2000 bytes goes to the code search.

#include "shell/clipboardwatcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestShellServices : public QObject
{
    Q_OBJECT
private slots:
    void clipboardRoute_data()
    {
        QTest::addColumn<int>("rtfLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("route");
        using R = ClipboardWatcher::Route;
        QTest::newRow("plain text") << -1 << u"water"_s << int(R::CedictSearch);
        QTest::newRow("2000 rich") << 2000 << u"x"_s << int(R::CedictSearch);
        QTest::newRow("2001 rich") << 2001 << u"x"_s << int(R::CodeSearch);
        QTest::newRow("short rich without text") << 10 << QString() << int(R::None);
        QTest::newRow("empty") << -1 << QString() << int(R::None);
    }

    void clipboardRoute()
    {
        QFETCH(int, rtfLength);
        QFETCH(QString, text);
        QMimeData data;
        if (rtfLength >= 0)
            data.setData(u"text/rtf"_s, QByteArray(rtfLength, 'r'));
        if (!text.isNull())
            data.setText(text);
        QTEST(int(ClipboardWatcher::route(&data)), "route");
    }

    // A start looks at what is on the clipboard; a start from the next copy waits for one.
    void watcherStart_data()
    {
        QTest::addColumn<bool>("fromNextCopy");
        QTest::addColumn<bool>("copyAfter");
        QTest::addColumn<int>("lookups");
        QTest::newRow("start: the copy there") << false << false << 1;
        QTest::newRow("from the next copy: none yet") << true << false << 0;
        QTest::newRow("from the next copy: one made") << true << true << 1;
    }
    void watcherStart()
    {
        QFETCH(bool, fromNextCopy);
        QFETCH(bool, copyAfter);
        QGuiApplication::clipboard()->setText(u"水"_s);
        QCoreApplication::processEvents();
        ClipboardWatcher watcher;
        QSignalSpy lookups(&watcher, &ClipboardWatcher::cedictSearchWanted);
        if (fromNextCopy)
            watcher.startFromNextCopy();
        else
            watcher.start();
        watcher.check();
        if (copyAfter) {
            QGuiApplication::clipboard()->setText(u"火"_s);
            QCoreApplication::processEvents();
            watcher.check();
        }
        QTEST(int(lookups.count()), "lookups");
    }
};

QTEST_MAIN(TestShellServices)
#include "tst_shellservices.moc"
