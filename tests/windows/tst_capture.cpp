#include "shell/capturefiles.h"
#include "shell/language.h"
#include "tests/common/files.h"
#include "windows/capture/capturewindow.h"
#include "windows/capture/printwindow.h"
#include "windows/capture/thumbnailview.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Language)

namespace {
// The screens of this test are at twice the pixel density, as on a HiDPI desktop.
constexpr int kPixelRatio = 2;

int pixelsLike(const QImage &image, bool (*like)(QColor))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += like(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}
} // namespace

class TestCapture : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_program = std::make_unique<QTemporaryDir>();
        m_files = std::make_unique<CaptureFiles>(m_program->path());
    }

    // 0.bmp first; each opening of the print window starts again at 1, yet a capture takes the
    // next free number and never replaces an older picture.
    void captureNumberingAcrossPrintWindows()
    {
        CaptureWindow printpage(CaptureWindow::Kind::Printpage, *m_files);
        QSignalSpy captured(&printpage, &CaptureWindow::captured);
        printpage.setText(u"水"_s);
        QVERIFY(printpage.cmdCaptureActive_Click());
        QVERIFY(!printpage.isVisible());

        const QImage first(m_program->filePath(u"temp/0.bmp"_s));
        QCOMPARE(first.size(), printpage.size() * kPixelRatio);
        // The character is in the picture, dark on light.
        QVERIFY(pixelsLike(first, [](QColor c) { return c.lightness() < 100; }) > 0);
        QCOMPARE(captured.count(), 1);
        QCOMPARE(captured.at(0).at(1).toString(), m_program->filePath(u"temp/0.bmp"_s));

        PrintWindow printbild(*m_files, Language::English);
        printbild.show();
        QCOMPARE(printbild.findChild<ThumbnailView *>(u"Thumbnail1"_s)->count(), 1);
        printpage.setText(QString());
        QVERIFY(printpage.cmdCaptureActive_Click());
        QVERIFY(printpage.cmdCaptureActive_Click());
        QCOMPARE(m_files->counter(), 3);
        printbild.close();
        printbild.show();
        QCOMPARE(printbild.findChild<ThumbnailView *>(u"Thumbnail1"_s)->count(), 3);
        printpage.setText(u"水"_s);
        QVERIFY(printpage.cmdCaptureActive_Click());
        QCOMPARE(captured.count(), 4);
        QCOMPARE(captured.at(3).at(1).toString(), m_program->filePath(u"temp/3.bmp"_s));
    }

    void secondRequestWhileBusyIsDropped()
    {
        CaptureWindow printpage(CaptureWindow::Kind::Printpage, *m_files);
        bool nested = true;
        QTimer::singleShot(0, &printpage, [&] { nested = printpage.cmdCaptureActive_Click(); });
        QVERIFY(printpage.cmdCaptureActive_Click());
        QVERIFY(!nested);
        QCOMPARE(m_files->counter(), 1);

        QMessageBox *message = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                message = box;
        QVERIFY(message);
        QCOMPARE(message->text(), u"Wait for prior operation to finish"_s);
        message->close();
    }

    void editorTextKeepsItsColour()
    {
        CaptureWindow printpage2(CaptureWindow::Kind::Printpage2, *m_files);
        QSignalSpy captured(&printpage2, &CaptureWindow::captured);
        QFont font;
        font.setPointSize(40);
        QVERIFY(printpage2.captureText(u"中文 text"_s, font, Qt::red));
        const QImage picture = captured.at(0).at(0).value<QImage>();
        QVERIFY(pixelsLike(picture, [](QColor c) {
                    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
                }) > 0);
        QCOMPARE(QImage(captured.at(0).at(1).toString()).size(), picture.size());
    }

    // A4 less 1 cm all round leaves 19.0 x 27.7 cm: six pictures a page, the seventh on page two.
    // A file that is no picture is listed but not printed.
    void printsSevenPicturesOnTwoPages()
    {
        CaptureWindow printpage2(CaptureWindow::Kind::Printpage2, *m_files); // a tall page first
        QVERIFY(printpage2.captureText(u"中文"_s, QFont(), Qt::black));
        CaptureWindow printpage(CaptureWindow::Kind::Printpage, *m_files);
        for (int i = 1; i < 7; ++i) {
            printpage.setText(QString(QChar(0x6C34 + i)));
            QVERIFY(printpage.cmdCaptureActive_Click());
        }
        QVERIFY(TestFiles::write(m_program->filePath(u"temp/junk.bmp"_s), "BM not a bitmap"));

        PrintWindow printbild(*m_files, Language::Swedish);
        printbild.show();
        auto *thumbnails = printbild.findChild<ThumbnailView *>(u"Thumbnail1"_s);
        auto *fileList = printbild.findChild<QListWidget *>(u"flbSource"_s);
        QCOMPARE(thumbnails->count(), 8);
        QCOMPARE(fileList->count(), 8);
        // Tall and wide pictures get icons of one size, so that the names line up under them.
        const QList<QSize> iconSize = thumbnails->item(0)->icon().availableSizes();
        QCOMPARE(thumbnails->item(1)->icon().availableSizes(), iconSize);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_program->filePath(u"thumbnails.pdf"_s));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const PrintJobResult result = printbild.printThumbnails(printer);
        QCOMPARE(result.printed, 7);
        QCOMPARE(result.pages, 2);
        QCOMPARE(result.unreadable, QStringList{m_program->filePath(u"temp/junk.bmp"_s)});
        const QString pdf = QString::fromLatin1(TestFiles::read(printer.outputFileName()));
        QCOMPARE(pdf.count(QRegularExpression(u"/Type\\s*/Page(?![a-zA-Z])"_s)), 2);
    }

    // "Ta bort bild" asks first; only a yes deletes, and only a capture in temp/.
    void deleteAsksFirst_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("file"); // chosen, under the program folder
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question"); // start of the message shown

        const QString yes = u"Ta bort bilden "_s;
        QTest::newRow("yes deletes")
            << Language::Swedish << u"temp/0.bmp"_s << QMessageBox::Yes << yes;
        QTest::newRow("no keeps") << Language::Swedish << u"temp/0.bmp"_s << QMessageBox::No << yes;
        QTest::newRow("closing the question keeps")
            << Language::Swedish << u"temp/1.bmp"_s << QMessageBox::Escape << yes;
        QTest::newRow("English question")
            << Language::English << u"temp/1.bmp"_s << QMessageBox::Yes << u"Delete the picture "_s;
        QTest::newRow("picture outside temp is not deleted")
            << Language::English << u"mine/photo.bmp"_s << QMessageBox::Ok << u"%1 is not one of"_s;
        QTest::newRow("nothing chosen asks nothing")
            << Language::Swedish << QString() << QMessageBox::NoButton << QString();
    }
    void deleteAsksFirst()
    {
        QFETCH(Language, language);
        QFETCH(QString, file);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        const bool deleted = answer == QMessageBox::Yes; // and only then

        CaptureWindow printpage(CaptureWindow::Kind::Printpage, *m_files);
        for (int i = 0; i < 2; ++i)
            QVERIFY(printpage.cmdCaptureActive_Click());
        const QString own = m_program->filePath(u"mine"_s);
        QVERIFY(QDir().mkpath(own));
        QVERIFY(QImage(m_program->filePath(u"temp/0.bmp"_s)).save(own + u"/photo.bmp"_s));

        PrintWindow printbild(*m_files, language);
        printbild.show();
        auto *thumbnails = printbild.findChild<ThumbnailView *>(u"Thumbnail1"_s);
        if (file.startsWith(u"mine/")) {
            printbild.setSourceFolder(own);
            printbild.cmdThumbSize_Click();
        }
        const QString path = file.isEmpty() ? QString() : m_program->filePath(file);
        thumbnails->clearSelection();
        if (!path.isEmpty())
            thumbnails->selectFile(path);
        const int before = thumbnails->count();

        QString shown;
        QTimer::singleShot(0, &printbild, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = box->text();
            if (answer == QMessageBox::Escape)
                box->reject();
            else
                box->button(answer)->click();
        });
        printbild.findChild<QPushButton *>(u"cmdDelete"_s)->click();

        const QString expected =
            question.contains(u"%1"_s) ? question.arg(QDir::toNativeSeparators(path)) : question;
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        if (!path.isEmpty())
            QCOMPARE(QFile::exists(path), !deleted);
        QCOMPARE(thumbnails->count(), deleted ? before - 1 : before);
        QCOMPARE(printbild.findChild<QListWidget *>(u"flbSource"_s)->count(),
                 deleted ? before - 1 : before);
    }

private:
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<CaptureFiles> m_files;
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kPixelRatio));
    QApplication app(argc, argv);
    TestCapture test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture.moc"
