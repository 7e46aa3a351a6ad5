#include "shell/printpreview.h"
#include "shell/printpreviewtexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Language)

// What the practice-sheet menu item shows, whatever the window has on display.
class TestPracticePreview : public QObject
{
    Q_OBJECT

    struct Shown
    {
        QString kind; // "preview", "message" or "" (nothing came up)
        QString title;
        QString text;
    };

    // Runs the menu item's function and closes whatever modal window it opens.
    static Shown choose(Language language, const QString &folder, const QString &word)
    {
        Shown shown;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
                shown = {u"preview"_s, preview->windowTitle(), {}};
                preview->reject();
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                shown = {u"message"_s, box->windowTitle(), box->text()};
                box->accept();
            }
        });
        closer.start();
        QWidget parent;
        previewPracticeSheet(&parent, language, folder, word, QFont());
        return shown;
    }

private slots:
    void nothingToPractiseIsSaid_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("kind");

        QTest::newRow("no word shown") << Language::English << QString() << u"message"_s;
        QTest::newRow("blank") << Language::Swedish << u"  \t"_s << u"message"_s;
        QTest::newRow("latin, digits, punctuation")
            << Language::English << u"abc 123, 。！"_s << u"message"_s;
        QTest::newRow("pinyin only") << Language::Swedish << u"zhōng guó"_s << u"message"_s;
        QTest::newRow("one character") << Language::English << u"水"_s << u"preview"_s;
        QTest::newRow("character among latin") << Language::Swedish << u"a中b"_s << u"preview"_s;
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

        const Shown shown = choose(language, folder.path(), word);
        const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
        QCOMPARE(shown.kind, kind);
        QCOMPARE(shown.title, texts.practiceTitle);
        if (kind == u"message"_s)
            QCOMPARE(shown.text, texts.nothingToPractise);
    }

    void messageInBothLanguages()
    {
        const PrintPreviewTexts english = PrintPreviewTexts::forLanguage(Language::English);
        const PrintPreviewTexts swedish = PrintPreviewTexts::forLanguage(Language::Swedish);
        QVERIFY(!english.nothingToPractise.isEmpty());
        QVERIFY(!swedish.nothingToPractise.isEmpty());
        QVERIFY(english.nothingToPractise != swedish.nothingToPractise);
    }
};

QTEST_MAIN(TestPracticePreview)
#include "tst_practicepreview.moc"
