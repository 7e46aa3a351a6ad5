#include "cedict/pendingwordtable.h"
#include "tests/cedict/importfolder.h"
#include "tests/windows/windowfolder.h"
#include "windows/cedictimport/cedictimportwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Form4 on a program folder of its own with a small code table.
class TestCedictImportWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_folder = std::make_unique<WindowFolder>();
        QVERIFY(ImportFolder::create(m_folder->dir));
        const QDir folder(m_folder->dir.path());
        QVERIFY(
            TestFiles::write(folder.filePath(u"cedict.b5"_s),
                             "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/\r\n"_ba.repeated(20000)));
        QVERIFY(TestFiles::write(folder.filePath(u"garbage.b5"_s),
                                 "Dear friend,\r\nthis is a letter.\r\n"_ba.repeated(50)));
    }

    void import_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("ready");
        QTest::addColumn<QString>("status"); // how the status line begins
        QTest::newRow("CEDICT file") << u"cedict.b5"_s << false << u"Ready!"_s
                                     << u"20,000 entries imported. The new word table takes effect "
                                        u"the next time you start the program."_s;
        QTest::newRow("not a CEDICT file")
            << u"garbage.b5"_s << false << QString()
            << u"garbage.b5 was not imported (not a CEDICT file: 0 of 100 lines are dictionary "
               u"entries). The dictionary was left as it was."_s;
        QTest::newRow("cancelled") << u"cedict.b5"_s << true << QString()
                                   << u"Cancelled. The dictionary was left as it was."_s;
    }

    void import()
    {
        QFETCH(QString, file);
        QFETCH(bool, cancel);
        QFETCH(QString, ready);

        CedictImportWindow window(m_folder->context);
        window.show();
        auto *start = window.findChild<QPushButton *>(u"Command1"_s);
        auto *stop = window.findChild<QPushButton *>(u"Command2"_s);
        QVERIFY(start && stop && start->isEnabled() && !stop->isEnabled());

        QSignalSpy finished(&window, &CedictImportWindow::importFinished);
        QVERIFY(window.startImport(m_folder->dir.filePath(file)));
        QVERIFY(!start->isEnabled() && stop->isEnabled());
        if (cancel)
            QTest::mouseClick(stop, Qt::LeftButton);
        // The window answers while the import runs: the wait below spins its event loop.
        QVERIFY(finished.wait(60000));

        QCOMPARE(window.findChild<QLineEdit *>(u"Text1"_s)->text(), ready);
        QTEST(window.findChild<QLabel *>(u"Label2"_s)->text(), "status");
        QVERIFY(start->isEnabled() && !stop->isEnabled());
        const QString pending = m_folder->dir.filePath(u"kinesiskBIG5kod1.mdb"_s);
        QCOMPARE(QFile::exists(pending), !ready.isEmpty());
        QVERIFY(!QFile::exists(stagingFileFor(pending)));
    }

private:
    std::unique_ptr<WindowFolder> m_folder;
};

QTEST_MAIN(TestCedictImportWindow)
#include "tst_cedictimportwindow.moc"
