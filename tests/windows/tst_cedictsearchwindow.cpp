#include "cedict/big5codec.h"
#include "cedict/studylist.h"
#include "tests/common/files.h"
#include "tests/windows/windowfolder.h"
#include "windows/cedictsearch/cedictsearchwindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

class TestCedictSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_folder = std::make_unique<WindowFolder>();
        const QString lines =
            u"山水 [shan1 shui3] /landscape/\r\n水 [shui3] /water/river/\r\n"
            u"水 [Shui3] /surname Shui/\r\n喝水 [he1 shui3] /to drink water/\r\n"_s;
        QVERIFY(
            TestFiles::write(m_folder->dir.filePath(u"cedict.b5"_s), *Big5Codec().encode(lines)));
        copy(u"水"_s);
        m_window = new CedictSearchWindow(m_folder->context);
        m_window->show();
    }

    void cleanup() { delete m_window.data(); }

    void searchesEachCopyOnceAndKeepsTheClipboard()
    {
        // Opened with a search of what was on the clipboard.
        QVERIFY(!m_window->isSearching());
        QCOMPARE(text1()->toPlainText().section(u'\n', 0, 0), u"水 [Shuǐ] /surname Shui/"_s);
        QCOMPARE(m_window->windowTitle(), u" SEARCH COMPLETED: 4 matching entries for  { 水 }"_s);
        QSignalSpy searched(m_window.data(), &CedictSearchWindow::searched);
        copy(u"Water"_s);
        QTRY_COMPARE(searched.count(), 1);
        QVERIFY(m_window->windowTitle().endsWith(u"{ Water }"_s));
        // The same copy again, or the focus back: nothing new to search.
        copy(u"Water"_s);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(m_window, &activate);
        QTest::qWait(200);
        QCOMPARE(searched.count(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Water"_s);
        // A copy brings the page back from the taskbar.
        m_window->showMinimized();
        copy(u"drink"_s);
        QTRY_COMPARE(searched.count(), 2);
        QTRY_VERIFY(!m_window->isMinimized());
    }

    void saveCharacterTwiceThenLookUp()
    {
        QTextCursor cursor = text1()->textCursor();
        cursor.movePosition(QTextCursor::Down);
        cursor.movePosition(QTextCursor::Right);
        text1()->setTextCursor(cursor);
        QAction *save = m_window->findChild<QAction *>(u"sparastudier"_s);
        save->trigger();
        save->trigger();
        const QString line = u"水 [shuǐ] /water/river/"_s;
        QCOMPARE(StudyList::lines(m_folder->dir.path()), QStringList({line}));
        QCOMPARE(text1()->textCursor().selectedText(), line);
        QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"Already in studera.txt"_s));

        // Look up searches the selection.
        text1()->setTextCursor(text1()->document()->find(u"landscape"_s));
        QTest::mouseClick(m_window->findChild<QPushButton *>(u"lookup1"_s), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"landscape"_s);
        QCOMPARE(text1()->toPlainText().section(u'\n', 0, 0), u"山水 [shān shuǐ] /landscape/"_s);

        m_window->exportStudyList(m_folder->dir.filePath(u"cards.tsv"_s));
        QCOMPARE(TestFiles::read(m_folder->dir.filePath(u"cards.tsv"_s)),
                 u"水\tshuǐ\twater; river\n"_s.toUtf8());
        QTRY_VERIFY(m_window->findChild<QMessageBox *>(u"message"_s));
    }

    void closingStoresSettingsAndHandsBack()
    {
        QSignalSpy closed(m_window.data(), &CedictSearchWindow::closed);
        m_window->resize(600, 400);
        m_window->close();
        QCOMPARE(closed.count(), 1);
        SettingsStore reread(m_folder->dir.path());
        QVERIFY(reread.load());
        QCOMPARE(reread.record().value(SettingsRecord::pageWidth), u"9000"_s); // twips
        QCOMPARE(reread.record().value(SettingsRecord::pageHeight), u"6000"_s);
        QTRY_VERIFY(!m_window); // closing ends the page
    }

    void fieldsThatDoNotReadKeepDefaults_data()
    {
        QTest::addColumn<QString>("text"); // in every field
        QTest::addColumn<bool>("read");    // colours and place read
        QTest::addColumn<bool>("bold");    // any number but 0 is bold
        QTest::newRow("numbers") << u"15"_s << true << true;
        QTest::newRow("empty") << QString() << false << false;
        QTest::newRow("negative: a system colour, no width") << u"-1"_s << false << true;
        QTest::newRow("text") << u"x"_s << false << false;
    }

    void fieldsThatDoNotReadKeepDefaults()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        SettingsRecord record;
        for (F field : {F::pageBackColor, F::pageTextColor, F::pageBold, F::pageLeft, F::pageTop,
                        F::pageWidth, F::pageHeight})
            record.setValue(field, text);
        const CedictPageSettings settings = CedictPageSettings::read(record);
        QCOMPARE(settings.backColor.has_value(), read);
        QCOMPARE(settings.textColor.has_value(), read);
        QTEST(settings.bold, "bold");
        QCOMPARE(settings.geometry.has_value(), read);
    }

private:
    QPlainTextEdit *text1() const { return m_window->findChild<QPlainTextEdit *>(u"text1"_s); }
    static void copy(const QString &text) { QGuiApplication::clipboard()->setText(text); }

    std::unique_ptr<WindowFolder> m_folder;
    QPointer<CedictSearchWindow> m_window;
};

QTEST_MAIN(TestCedictSearchWindow)
#include "tst_cedictsearchwindow.moc"
