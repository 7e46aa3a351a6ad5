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
        QVERIFY(
            TestFiles::write(folder.filePath(u"cut.u8"_s),
                             "#! charset=UTF-8\n中國 中国 [Zhong1 guo2] /China/\n中文 中文 [Zh"));
        QVERIFY(TestFiles::write(folder.filePath(u"small.b5"_s),
                                 "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/\r\n"_ba.repeated(899)));
    }

    // The Swedish main window opens the Swedish edition, refusals included. A file with fewer
    // than 90% of the entries in use makes the window ask first, with both counts; No leaves
    // everything as it was, Yes imports.
    void import_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("swedish");
        QTest::addColumn<QString>("ready");
        QTest::addColumn<QString>("status");   // how the status line begins
        QTest::addColumn<QString>("question"); // how it begins; empty: none asked
        QTest::newRow("CEDICT file") << u"cedict.b5"_s << false << false << u"Ready!"_s
                                     << u"20,000 entries imported. The new word table takes effect "
                                        u"the next time you start the program."_s
                                     << QString();
        QTest::newRow("cancelled")
            << u"cedict.b5"_s << true << false << QString()
            << u"Cancelled. The dictionary was left as it was."_s << QString();
        QTest::newRow("Swedish, cut short")
            << u"cut.u8"_s << false << true << QString()
            << u"cut.u8 lästes inte in (filen är avkortad: dess sista rad (rad 3) är ingen hel "
               u"post). Ordboken lämnades som den var."_s
            << QString();
        const QString smaller =
            u"small.b5 holds 899 entries, but the dictionary in use holds 1,000."_s;
        QTest::newRow("much smaller, no")
            << u"small.b5"_s << false << false << QString()
            << u"small.b5 was not imported: it holds 899 entries, the dictionary in use 1,000. "
               u"The dictionary was left as it was."_s
            << smaller;
        QTest::newRow("much smaller, yes")
            << u"small.b5"_s << false << false << u"Ready!"_s
            << u"899 entries imported. The new word table takes effect the next time you start "
               u"the program."_s
            << smaller;
    }

    void import()
    {
        QFETCH(QString, file);
        QFETCH(bool, cancel);
        QFETCH(bool, swedish);
        QFETCH(QString, ready);
        QFETCH(QString, question);
        if (!question.isEmpty()) // a dictionary of 1,000 entries in use
            QVERIFY(TestStores::words(
                m_folder->dir.filePath(u"kinesiskBIG5kod.mdb"_s),
                QList<TestStores::Row>(1000, {{WordField::teckenkoder, u"&H4E2D"_s}})));

        CedictImportWindow window(m_folder->context,
                                  swedish ? Language::Swedish : Language::English);
        QStringList questions;
        window.setMuchSmallerAnswer([&](const QString &asked) {
            questions << asked;
            return !ready.isEmpty();
        });
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

        QCOMPARE(questions.size(), question.isEmpty() ? 0 : 1);
        QVERIFY2(question.isEmpty() || questions.first().startsWith(question),
                 qPrintable(questions.join(u'\n')));
        QCOMPARE(window.findChild<QLineEdit *>(u"Text1"_s)->text(), ready);
        QTEST(window.findChild<QLabel *>(u"Label2"_s)->text(), "status");
        QVERIFY(start->isEnabled() && !stop->isEnabled());
        const QString pending = m_folder->dir.filePath(u"kinesiskBIG5kod1.mdb"_s);
        QCOMPARE(QFile::exists(pending), !ready.isEmpty());
        QCOMPARE(QFile::exists(m_folder->dir.filePath(u"cedict1.b5"_s)), !ready.isEmpty());
        QVERIFY(!QFile::exists(stagingFileFor(pending)));
    }

    // "Restore the previous dictionary" is there only when a previous one is kept, says what
    // each holds, and asks for it at the next start.
    void restoreButton()
    {
        const QDir folder(m_folder->dir.path());
        QVERIFY(TestStores::words(folder.filePath(u"kinesiskBIG5kod.mdb"_s),
                                  {{{WordField::teckenkoder, u"&H4E2D"_s}}}));
        {
            CedictImportWindow window(m_folder->context);
            QVERIFY(!window.findChild<QPushButton *>(u"Command3"_s)->isEnabled());
            QVERIFY(window.findChild<QLabel *>(u"Label3"_s)->text().endsWith(u"Previous: none."_s));
        }
        QVERIFY(folder.mkpath(u"previous"_s));
        QVERIFY(
            TestStores::words(folder.filePath(u"previous/kinesiskBIG5kod.mdb"_s),
                              QList<TestStores::Row>(3, {{WordField::teckenkoder, u"&H6587"_s}})));
        CedictImportWindow window(m_folder->context);
        auto *restore = window.findChild<QPushButton *>(u"Command3"_s);
        QVERIFY(restore->isEnabled());
        const QString generations = window.findChild<QLabel *>(u"Label3"_s)->text();
        QVERIFY2(generations.contains(u", 1 entries. Previous: "_s) &&
                     generations.endsWith(u", 3 entries."_s),
                 qPrintable(generations));
        QTest::mouseClick(restore, Qt::LeftButton);
        QVERIFY(DictionaryUpdate(folder.path()).restoreRequested());
        QVERIFY(!restore->isEnabled());
        QVERIFY(
            window.findChild<QLabel *>(u"Label2"_s)
                ->text()
                .startsWith(u"The previous dictionary will be in use the next time you start"_s));
    }

private:
    std::unique_ptr<WindowFolder> m_folder;
};

QTEST_MAIN(TestCedictImportWindow)
#include "tst_cedictimportwindow.moc"
