#include "shell/printpreview.h"
#include "shell/printpreviewtexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Language)

// What the print menu items show: the preview, or a message when there is nothing to print or
// the printer fails.
class TestPrintPreview : public QObject
{
    Q_OBJECT

    struct Shown
    {
        QString kind; // "preview", "message" or "" (nothing came up)
        QString title;
        QString text;
    };

    // Runs a print function and closes whatever modal window it opens. With printFails, the
    // preview's print goes to a printer that cannot start, and the message that follows is
    // what is seen.
    static Shown run(const std::function<void(QWidget *)> &print, bool printFails = false)
    {
        Shown shown;
        QPrinter failing;
        failing.setOutputFormat(QPrinter::PdfFormat);
        failing.setOutputFileName(u"/nonexistent-folder/none/sheet.pdf"_s);
        const auto closeMessage = [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = {u"message"_s, box->windowTitle(), box->text()};
                box->accept();
            }
        };
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
                shown = {u"preview"_s, preview->windowTitle(), {}};
                if (printFails) {
                    QTimer::singleShot(10, closeMessage);
                    emit preview->paintRequested(&failing);
                }
                preview->reject();
            } else {
                closeMessage();
            }
        });
        closer.start();
        QWidget parent;
        print(&parent);
        return shown;
    }

private slots:
    void nothingToPractiseIsSaid_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("kind");

        QTest::newRow("no word shown") << Language::English << QString() << u"message"_s;
        QTest::newRow("latin, digits, punctuation")
            << Language::Swedish << u"abc 123, 。！"_s << u"message"_s;
        QTest::newRow("one character") << Language::English << u"水"_s << u"preview"_s;
        // Which text holds characters is the practice sheet's test.
        QTest::newRow("beyond the BMP") << Language::English << u"𠀀"_s << u"preview"_s;
    }

    void nothingToPractiseIsSaid()
    {
        QFETCH(Language, language);
        QFETCH(QString, word);
        QFETCH(QString, kind);
        // An empty folder: the sheet is still offered, without readings.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        const Shown shown = run([&](QWidget *parent) {
            previewPracticeSheet(parent, language, folder.path(), word, QFont());
        });
        const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
        QCOMPARE(shown.kind, kind);
        QCOMPARE(shown.title, texts.practiceTitle);
        if (kind == u"message"_s)
            QCOMPARE(shown.text, texts.nothingToPractise);
    }

    void printFailureIsSaid_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("practice");

        QTest::newRow("document, English") << Language::English << false;
        QTest::newRow("practice sheet, Swedish") << Language::Swedish << true;
    }

    void printFailureIsSaid()
    {
        QFETCH(Language, language);
        QFETCH(bool, practice);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const Shown shown = run(
            [&](QWidget *parent) {
                if (practice)
                    previewPracticeSheet(parent, language, folder.path(), u"中文"_s, QFont());
                else
                    previewDocument(parent, language, folder.path(), u"中文 text"_s, QFont(), true);
            },
            true);
        const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
        QCOMPARE(shown.kind, u"message"_s);
        QCOMPARE(shown.title, practice ? texts.practiceTitle : texts.documentTitle);
        QCOMPARE(shown.text, texts.printFailed);
    }

    void messageInBothLanguages()
    {
        const PrintPreviewTexts english = PrintPreviewTexts::forLanguage(Language::English);
        const PrintPreviewTexts swedish = PrintPreviewTexts::forLanguage(Language::Swedish);
        QVERIFY(!english.nothingToPractise.isEmpty());
        QVERIFY(!swedish.nothingToPractise.isEmpty());
        QVERIFY(english.nothingToPractise != swedish.nothingToPractise);
        QVERIFY(english.printFailed != swedish.printFailed);
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
