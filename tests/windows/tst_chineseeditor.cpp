#include "dictionary/tables.h"
#include "pinyin/syllabletables.h"
#include "settings/chineseeditorsettings.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "tests/common/files.h"
#include "windows/chineseeditor/chineseeditorwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString firstCandidateOf(const QString &syllable)
{
    return CandidateList.at(int(findSyllableRange(syllable).first));
}

// Answers the colour dialog the menu item opens, as a user would.
void pickColour(QMainWindow *window, const QString &item, const QColor &colour)
{
    QTimer::singleShot(0, window, [colour] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setCurrentColor(colour);
        dialog->accept();
    });
    window->findChild<QAction *>(item)->trigger();
}

} // namespace

class TestChineseEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ctrlSpace_switchesTablesThenHides(); // first: no traditional load yet in this run
    void keys_data();
    void keys();
    void shiftDigit_previews();
    void coloursAndTable_surviveCloseAndRestart();
    void selectAll_pausesLookupUntilClosed();
    void openAndSave();
    void printsThePicture_data();
    void printsThePicture();

private:
    ChineseEditorWindow *openEditor();
    template <typename T>
    T *control(const QString &name) { return m_editor->findChild<T *>(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SettingsStore> m_store;
    DictionaryTables m_tables;
    std::unique_ptr<ProgramContext> m_context;
    QPointer<ChineseEditorWindow> m_editor;
};

void TestChineseEditor::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SettingsStore>(m_folder->path());
    m_context = std::make_unique<ProgramContext>(ProgramContext{m_folder->path(), *m_store, m_tables});
    loadSimplifiedTable();
    openEditor();
}

void TestChineseEditor::cleanup()
{
    delete m_editor.data();
}

ChineseEditorWindow *TestChineseEditor::openEditor()
{
    m_editor = new ChineseEditorWindow(*m_context, Language::English);
    m_editor->show();
    if (!QTest::qWaitForWindowExposed(m_editor))
        return nullptr;
    control<QLineEdit>(u"TextBox2"_s)->setFocus();
    return m_editor;
}

void TestChineseEditor::ctrlSpace_switchesTablesThenHides()
{
    QVERIFY(!traditionalLoaded);
    auto *input = control<QLineEdit>(u"TextBox2"_s);
    QTest::keyClicks(input, u"zh"_s);
    QVERIFY(!control<QLabel>(u"Label2"_s)->text().isEmpty());
    QTest::keyClick(input, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(traditionalLoaded);
    QCOMPARE(firstCandidateOf(u"b"_s), QChar(0x3105)); // a zhuyin letter: the traditional table
    QCOMPARE(input->text(), QString());
    QCOMPARE(control<QLabel>(u"Label2"_s)->text(), QString());
    QVERIFY(m_editor->isVisible());
    QVERIFY(m_editor->findChild<QAction *>(u"sdf"_s)->isChecked()); // the ticks stay

    QTest::keyClick(input, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(!m_editor->isVisible());
}

void TestChineseEditor::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("page"); // of the candidate line for the box; -1 an empty line

    QTest::newRow("zhong 1") << u"zhong1"_s << u"zhong"_s << QString() << -1;
    QTest::newRow("s") << u"s"_s << QString() << u"s"_s << 0;
    QTest::newRow("s .") << u"s."_s << QString() << u"s"_s << 1;
    QTest::newRow("s . ,") << u"s.,"_s << QString() << u"s"_s << 0;
    QTest::newRow("s . 2") << u"s.2"_s << u"s+11"_s << QString() << -1;
    QTest::newRow(", in the empty box") << u","_s << QString(QChar(0xFF0C)) << QString() << -1;
    QTest::newRow("capitals, space") << u"ZHONG "_s << u"zhong"_s << QString() << -1;
}

void TestChineseEditor::keys()
{
    QFETCH(QString, keys);
    QFETCH(QString, document);
    QFETCH(QString, input);
    QFETCH(int, page);
    auto *box = control<QLineEdit>(u"TextBox2"_s);
    for (QChar ch : keys)
        QTest::keyClick(box, ch.toLatin1());

    // "s+11" stands for the candidate 11 places after the first of "s".
    if (document.contains(u'+')) {
        const QStringList parts = document.split(u'+');
        document = CandidateList.at(int(findSyllableRange(parts.at(0)).first) + parts.at(1).toInt());
    } else if (!document.isEmpty() && document.at(0).isLetter() && document.at(0).unicode() < 128) {
        document = firstCandidateOf(document);
    }
    QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText(), document);
    QCOMPARE(box->text(), input);
    const QString line = control<QLabel>(u"Label2"_s)->text();
    if (page < 0) {
        QCOMPARE(line, QString());
    } else {
        const int first = int(findSyllableRange(input).first) + 10 * page;
        QVERIFY2(line.startsWith((page == 0 ? u"  1 "_s : u"< 1 "_s) + CandidateList.at(first)),
                 qPrintable(line));
        QVERIFY2(line.endsWith(u" 0 "_s + CandidateList.at(first + 9) + u"  >"_s), qPrintable(line));
    }
}

void TestChineseEditor::shiftDigit_previews()
{
    auto *box = control<QLineEdit>(u"TextBox2"_s);
    QTest::keyClicks(box, u"s"_s);
    const QString line = control<QLabel>(u"Label2"_s)->text();
    QTest::keyClick(box, Qt::Key_NumberSign, Qt::ShiftModifier); // Shift+3 on a US keyboard
    const QString third = CandidateList.at(int(findSyllableRange(u"s"_s).first) + 2);
    QCOMPARE(control<QPushButton>(u"b1"_s)->text(), third);
    QCOMPARE(control<QLineEdit>(u"TextBox1"_s)->text(), third);
    QCOMPARE(control<QLabel>(u"Label2"_s)->text(), line);
    QCOMPARE(box->text(), u"s"_s);
    QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText(), QString());
}

void TestChineseEditor::coloursAndTable_surviveCloseAndRestart()
{
    pickColour(m_editor, u"farg"_s, QColor(10, 20, 30));
    pickColour(m_editor, u"tfarg"_s, QColor(200, 210, 220));
    pickColour(m_editor, u"charcolor"_s, QColor(1, 2, 3));
    pickColour(m_editor, u"txtc"_s, QColor(250, 240, 230));
    m_editor->findChild<QAction *>(u"wer"_s)->trigger();
    QVERIFY(m_editor->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_editor);

    // What a restart reads from inst.ini.
    SettingsStore restarted(m_folder->path());
    QVERIFY(restarted.load());
    const ChineseEditorSettings saved = ChineseEditorSettings::read(restarted.record());
    QCOMPARE(saved.backColor.value_or(0), 30u << 16 | 20u << 8 | 10u);
    QCOMPARE(saved.lineBackColor.value_or(0), 3u << 16 | 2u << 8 | 1u);
    QVERIFY(saved.traditional.value_or(false));

    m_store = std::make_unique<SettingsStore>(m_folder->path());
    QVERIFY(m_store->load());
    m_context = std::make_unique<ProgramContext>(ProgramContext{m_folder->path(), *m_store, m_tables});
    loadSimplifiedTable();
    QVERIFY(openEditor());
    QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(control<QLineEdit>(u"TextBox2"_s)->palette().color(QPalette::Text), QColor(200, 210, 220));
    QCOMPARE(control<QLabel>(u"Label2"_s)->palette().color(QPalette::Window), QColor(1, 2, 3));
    QCOMPARE(control<QLabel>(u"Label2"_s)->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    QVERIFY(m_editor->findChild<QAction *>(u"wer"_s)->isChecked());
    QCOMPARE(firstCandidateOf(u"b"_s), QChar(0x3105));
}

void TestChineseEditor::selectAll_pausesLookupUntilClosed()
{
    QSignalSpy paused(m_editor.data(), &ChineseEditorWindow::autoLookupPauseRequested);
    QSignalSpy resumed(m_editor.data(), &ChineseEditorWindow::autoLookupResumeRequested);
    QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"ai1ai2"_s);
    const QString text = control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText();
    QCOMPARE(text.size(), 2);
    m_editor->findChild<QAction *>(u"selall"_s)->trigger();
    QCOMPARE(paused.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    control<QPlainTextEdit>(u"TextBox3"_s)->document()->setModified(false);
    QVERIFY(m_editor->close());
    QCOMPARE(resumed.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestChineseEditor::openAndSave()
{
    auto *document = control<QPlainTextEdit>(u"TextBox3"_s);
    QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"zhong1,"_s);
    const QString path = m_folder->filePath(u"doc.txt"_s);
    QCOMPARE(m_editor->saveFile(path).problem, DocumentFile::Problem::None);
    QVERIFY(!document->document()->isModified());
    QCOMPARE(TestFiles::read(path), (firstCandidateOf(u"zhong"_s) + QChar(0xFF0C)).toUtf8());

    // A binary file is refused and the document stays as it was.
    const QString binary = m_folder->filePath(u"picture.txt"_s);
    QVERIFY(TestFiles::write(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0\0", 11)));
    QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"a1"_s);
    const QString before = document->toPlainText();
    QCOMPARE(m_editor->openFile(binary).problem, DocumentFile::Problem::NotText);
    QCOMPARE(document->toPlainText(), before);
    QCOMPARE(m_editor->documentPath(), path);

    QCOMPARE(m_editor->openFile(path).problem, DocumentFile::Problem::None);
    QCOMPARE(document->toPlainText(), firstCandidateOf(u"zhong"_s) + QChar(0xFF0C));
}

// 2000 twips from the corner at the size it had on the screen; a picture too large for the
// page is shrunk to fit.
void TestChineseEditor::printsThePicture_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn"); // on a page of 816 x 1056 pixels at 96 dpi

    QTest::newRow("as on the screen") << QSize(400, 300) << QRect(133, 133, 400, 300);
    QTest::newRow("too wide") << QSize(2732, 300) << QRect(133, 133, 683, 75);
}

void TestChineseEditor::printsThePicture()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);
    QImage captured(picture, QImage::Format_RGB32);
    captured.fill(Qt::red);
    QImage page(816, 1056, QImage::Format_RGB32);
    page.setDotsPerMeterX(3780); // 96 dpi
    page.setDotsPerMeterY(3780);
    page.fill(Qt::white);
    QVERIFY(ChineseEditorWindow::printPicture(page, captured));
    const auto isRed = [&page](QPoint p) { return page.pixelColor(p) == QColor(Qt::red); };
    QVERIFY(isRed(drawn.topLeft() + QPoint(2, 2)));
    QVERIFY(isRed(drawn.bottomRight() - QPoint(2, 2)));
    QVERIFY(!isRed(drawn.topLeft() - QPoint(2, 2)));
    QVERIFY(!isRed(drawn.bottomLeft() + QPoint(2, 3)));
    QVERIFY(!ChineseEditorWindow::printPicture(page, QImage()));

    QSignalSpy print(m_editor.data(), &ChineseEditorWindow::printRequested);
    QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"ai1"_s);
    m_editor->findChild<QAction *>(u"print"_s)->trigger();
    QCOMPARE(print.count(), 1);
    QCOMPARE(print.at(0).at(0).toString(), CandidateList.at(int(findSyllableRange(u"ai"_s).first)));
}

QTEST_MAIN(TestChineseEditor)
#include "tst_chineseeditor.moc"
