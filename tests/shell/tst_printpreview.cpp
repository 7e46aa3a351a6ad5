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
    // No character to practise, or a failed print, is said in a message; else the preview shows.
    void messageOrPreview_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("document"); // else a practice sheet
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("printFails");
        QTest::addColumn<QString>("kind");
        const Language english = Language::English, swedish = Language::Swedish;
        QTest::newRow("no word shown") << english << false << QString() << false << u"message"_s;
        QTest::newRow("latin, digits, punctuation")
            << swedish << false << u"abc 123, 。！"_s << false << u"message"_s;
        QTest::newRow("one character") << english << false << u"水"_s << false << u"preview"_s;
        // Which text holds characters is the practice sheet's test.
        QTest::newRow("beyond the BMP") << english << false << u"𠀀"_s << false << u"preview"_s;
        QTest::newRow("document fails, English")
            << english << true << u"中文 text"_s << true << u"message"_s;
        QTest::newRow("practice sheet fails, Swedish")
            << swedish << false << u"中文"_s << true << u"message"_s;
    }

    void messageOrPreview()
    {
        QFETCH(Language, language);
        QFETCH(bool, document);
        QFETCH(QString, text);
        QFETCH(bool, printFails);
        QTemporaryDir folder; // empty: the sheet is still offered, without readings
        const Shown shown = run(
            [&](QWidget *parent) {
                if (document)
                    previewDocument(parent, language, folder.path(), text, QFont(), true);
                else
                    previewPracticeSheet(parent, language, folder.path(), text, QFont());
            },
            printFails);
        const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
        QTEST(shown.kind, "kind");
        QCOMPARE(shown.title, document ? texts.documentTitle : texts.practiceTitle);
        if (shown.kind == u"message")
            QCOMPARE(shown.text, printFails ? texts.printFailed : texts.nothingToPractise);
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
