#include "pinyin/syllabletables.h"
#include "settings/chineseeditorsettings.h"
#include "tests/common/files.h"
#include "tests/common/storebuilder.h"
#include "tests/windows/windowfolder.h"
#include "windows/chineseeditor/chineseeditorwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// "ang+2" stands for the candidate two places after the first of "ang"; other words as they are.
QString candidates(const QString &words)
{
    QString text;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype plus = word.indexOf(u'+');
        text += plus <= 0 ? word
                          : CandidateList.at(int(findSyllableRange(word.left(plus)).first) +
                                             word.mid(plus + 1).toInt());
    }
    return text;
}

// A page of the candidate line written out independently of the input method: the prefix,
// "k X " per candidate numbered 1..9, 0, and " >" when more follow.
QString pageLine(const QString &syllable, int page)
{
    if (page < 0)
        return {};
    const SyllableEntry range = findSyllableRange(syllable);
    const int from = int(range.first) + 10 * page;
    const int last = std::min(int(range.last), from + 9);
    QString line = page == 0 ? u"  "_s : u"< "_s;
    for (int i = from; i <= last; ++i)
        line += u"%1 %2 "_s.arg((i - from + 1) % 10).arg(CandidateList.at(i));
    return last < int(range.last) ? line + u" >"_s : line;
}

// Answers the colour dialog the menu item opens, as a user would: picks the colour, or with
// none picks red and cancels. Gives the colour the dialog opened on.
QColor pickColour(QMainWindow *window, const QString &item, const QColor &colour)
{
    QColor offered;
    QTimer::singleShot(0, window, [&offered, colour] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        offered = dialog->currentColor();
        dialog->setCurrentColor(colour.isValid() ? colour : QColor(Qt::red));
        colour.isValid() ? dialog->accept() : dialog->reject();
    });
    window->findChild<QAction *>(item)->trigger();
    return offered;
}

} // namespace

class TestChineseEditor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<WindowFolder>();
        loadSimplifiedTable();
        openEditor();
    }

    void cleanup() { delete m_editor.data(); }

    // First: no traditional load yet in this run.
    void ctrlSpace_switchesTablesThenHides()
    {
        QVERIFY(!traditionalLoaded);
        auto *input = control<QLineEdit>(u"TextBox2"_s);
        QTest::keyClicks(input, u"zh"_s);
        QVERIFY(!control<QLabel>(u"Label2"_s)->text().isEmpty());
        QTest::keyClick(input, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(traditionalLoaded);
        QCOMPARE(candidates(u"b+0"_s), u"ㄅ"_s); // a zhuyin letter: the traditional table
        QCOMPARE(input->text(), QString());
        QCOMPARE(control<QLabel>(u"Label2"_s)->text(), QString());
        QVERIFY(m_editor->isVisible());
        // The ticks say which table is in use.
        QVERIFY(m_editor->findChild<QAction *>(u"wer"_s)->isChecked());
        QVERIFY(!m_editor->findChild<QAction *>(u"sdf"_s)->isChecked());

        QTest::keyClick(input, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(!m_editor->isVisible());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("keys");     // "#" Shift+3 (US), "⌫" Backspace, "⏎" Enter
        QTest::addColumn<QString>("document"); // as candidates() reads it
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("lineOf");  // the syllable whose page the candidate line shows
        QTest::addColumn<int>("page");        // -1: the line is empty
        QTest::addColumn<QString>("preview"); // in b1 and TextBox1

        const QString n;
        const auto row = [](const char *name, const QString &keys, const QString &document,
                            const QString &input, const QString &lineOf, int page,
                            const QString &preview = {}) {
            QTest::newRow(name) << keys << document << input << lineOf << page << preview;
        };
        row("zhong 1", u"zhong1"_s, u"zhong+0"_s, n, n, -1);
        row("s: ten and more", u"s"_s, n, u"s"_s, u"s"_s, 0);
        row(", on the first page", u"s,"_s, n, u"s"_s, u"s"_s, 0);
        row("s . . . . . , ,", u"s.....,,"_s, n, u"s"_s, u"s"_s, 3);
        row("s . 2", u"s.2"_s, u"s+11"_s, n, n, -1);
        // "cao" has ten candidates: "." after the last page does nothing.
        row("one full page", u"cao."_s, n, u"cao"_s, u"cao"_s, 0);
        row("lu covers the u: syllables", u"lu."_s, n, u"lu"_s, u"lu"_s, 1);
        row("lu: is the ü syllable", u"lu:"_s, n, u"lu:"_s, u"lu:"_s, 0);
        row("capitals, space chooses the first", u"ZHONG "_s, u"zhong+0"_s, n, n, -1);
        row("3 chooses the last", u"ang3"_s, u"ang+2"_s, n, n, -1);
        row("past a short page: dropped", u"ang9"_s, n, u"ang"_s, u"ang"_s, 0);
        row("no syllable keeps the line", u"angv"_s, n, u"angv"_s, u"ang"_s, 0);
        row("the kept line still chooses", u"angv2"_s, u"ang+1"_s, n, n, -1);
        row("nothing shown: digit dropped", u"v1"_s, n, u"v"_s, n, -1);
        row("other characters removed", u"ang-"_s, n, u"ang"_s, u"ang"_s, 0);
        row("backspace on the last letter", u"a⌫"_s, n, n, n, -1);
        row("backspace to a shorter prefix", u"angv⌫"_s, n, u"ang"_s, u"ang"_s, 0);
        row("enter after a letter", u"ang⏎"_s, n, u"ang"_s, u"ang"_s, 0);
        // The empty box: digits and marks go to the document in full width.
        row("lone colon", u":"_s, u"："_s, n, n, -1);
        row("digit", u"5"_s, u"５"_s, n, n, -1);
        row("space", u" "_s, n, n, n, -1);
        row("enter", u"⏎"_s, u"\n"_s, n, n, -1);
        // The full stop is the ideographic one a Chinese sentence ends in.
        row("marks of the US table", u";=-./`[\\]'"_s, u"；＝－。／｀［＼］＇"_s, n, n, -1);
        // Shift+digit previews a candidate of the page shown.
        row("shift+3", u"s#"_s, n, u"s"_s, u"s"_s, 0, u"s+2"_s);
        // The box, cleaned of the key's symbol, is looked up again: back to the first page.
        row("shift+3 on page two", u"s.#"_s, n, u"s"_s, u"s"_s, 0, u"s+12"_s);
        row("cleared by a letter", u"s#h"_s, n, u"sh"_s, u"sh"_s, 0);
        row("cleared by choosing 1", u"s#1"_s, u"s+0"_s, n, n, -1);
        row("kept by choosing 0", u"s#0"_s, u"s+9"_s, n, n, -1, u"s+2"_s);
        row("kept by the space bar", u"s# "_s, u"s+0"_s, n, n, -1, u"s+2"_s);
    }

    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, lineOf);
        QFETCH(int, page);
        auto *box = control<QLineEdit>(u"TextBox2"_s);
        for (QChar ch : keys) {
            if (ch == u'#')
                QTest::keyClick(box, Qt::Key_NumberSign, Qt::ShiftModifier);
            else if (ch == u'⌫')
                QTest::keyClick(box, Qt::Key_Backspace);
            else if (ch == u'⏎')
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::keyClick(box, ch.toLatin1());
        }
        QFETCH(QString, document);
        QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText(), candidates(document));
        QTEST(box->text(), "input");
        QCOMPARE(control<QLabel>(u"Label2"_s)->text(), pageLine(lineOf, page));
        QFETCH(QString, preview);
        QCOMPARE(control<QPushButton>(u"b1"_s)->text(), candidates(preview));
        QCOMPARE(control<QLineEdit>(u"TextBox1"_s)->text(), candidates(preview));
    }

    // What is chosen goes in at the document's caret, over its selection, and the caret moves
    // after it; "!X" hands X in as other input methods do.
    void insertsAtTheCaret_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after"); // as candidates() reads it
        QTest::addColumn<int>("caret");
        QTest::newRow("from other input") << u"我人"_s << 1 << 1 << u"!国"_s << u"我国人"_s << 2;
        QTest::newRow("at the start") << u"我人"_s << 0 << 0 << u"ai1"_s << u"ai+0 我人"_s << 1;
        QTest::newRow("at the end") << u"我人"_s << 2 << 2 << u"ai1"_s << u"我人 ai+0"_s << 3;
        QTest::newRow("over a selection")
            << u"我是人"_s << 1 << 2 << u"ai1"_s << u"我 ai+0 人"_s << 2;
        QTest::newRow("backwards selection")
            << u"我是人"_s << 2 << 1 << u"ai1"_s << u"我 ai+0 人"_s << 2;
        QTest::newRow("one after the other")
            << u"我人"_s << 1 << 1 << u"ai1ai2"_s << u"我 ai+0 ai+1 人"_s << 3;
    }
    void insertsAtTheCaret()
    {
        QFETCH(QString, before);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, keys);
        auto *document = control<QPlainTextEdit>(u"TextBox3"_s);
        document->setPlainText(before);
        QTextCursor cursor(document->document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        document->setTextCursor(cursor);
        auto *box = control<QLineEdit>(u"TextBox2"_s);
        box->setFocus();
        if (keys.startsWith(u'!'))
            QVERIFY(QMetaObject::invokeMethod(m_editor.data(), "insertAtCaret",
                                              Q_ARG(QString, keys.mid(1))));
        else
            QTest::keyClicks(box, keys);
        QFETCH(QString, after);
        QCOMPARE(document->toPlainText(), candidates(after));
        QTEST(document->textCursor().position(), "caret");
        QVERIFY(!document->textCursor().hasSelection());
    }

    // Font → OK without a change keeps the document's font; a change is applied and stored.
    void fontDialog_startsFromTheFontShown_data()
    {
        QTest::addColumn<int>("newSize"); // 0: OK at once
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK unchanged") << 0 << true;
        QTest::newRow("Cancel") << 31 << false;
        QTest::newRow("a new size") << 31 << true;
    }
    void fontDialog_startsFromTheFontShown()
    {
        QFETCH(int, newSize);
        QFETCH(bool, accept);
        auto *document = control<QPlainTextEdit>(u"TextBox3"_s);
        const QFont before = document->font();
        const QString storedBefore =
            m_folder->settings.record().value(SettingsRecord::editorFontName);
        QString offered;
        QTimer::singleShot(0, m_editor, [&] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->currentFont().family();
            if (newSize) {
                QFont font = dialog->currentFont();
                font.setPointSize(newSize);
                dialog->setCurrentFont(font);
            }
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        m_editor->findChild<QAction *>(u"font"_s)->trigger();
        QCOMPARE(offered, QFontInfo(before).family());
        if (newSize && accept) {
            QCOMPARE(document->font().pointSize(), newSize);
        } else {
            QCOMPARE(document->font(), before);
            QCOMPARE(m_folder->settings.record().value(SettingsRecord::editorFontName),
                     storedBefore);
        }
    }

    // Each colour dialog opens on the colour it changes; Cancel changes nothing.
    void colourDialog_cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::newRow("background") << u"farg"_s << u"TextBox3"_s << int(QPalette::Base);
        QTest::newRow("text") << u"tfarg"_s << u"TextBox2"_s << int(QPalette::Text);
        QTest::newRow("line back") << u"charcolor"_s << u"Label2"_s << int(QPalette::Window);
        QTest::newRow("line text") << u"txtc"_s << u"Label2"_s << int(QPalette::WindowText);
    }
    void colourDialog_cancelChangesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QString, control);
        QFETCH(int, role);
        const QColor chosen(12, 34, 56);
        pickColour(m_editor, item, chosen);
        auto *widget = m_editor->findChild<QWidget *>(control);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), chosen);
        const QString stored =
            m_folder->settings.record().value(SettingsRecord::editorLineBackColor);

        QCOMPARE(pickColour(m_editor, item, QColor()), chosen);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), chosen);
        QCOMPARE(m_folder->settings.record().value(SettingsRecord::editorLineBackColor), stored);
    }

    // With a word table in the program folder the line offers words once they are read, and
    // the gloss line and the tooltips say what they are.
    void wordsFromTheDictionary()
    {
        delete m_editor.data();
        const QString folder = m_folder->dir.path();
        QVERIFY(TestStores::words(Tables::storePath(folder, Tables::wordStore),
                                  {{{WordField::teckenkoder, u"&H4E2D&H570B"_s},
                                    {WordField::pinyin, u"Zhong1 guo2"_s},
                                    {WordField::translation(1), u"China"_s}}}));
        QVERIFY(TestStores::characters(Tables::storePath(folder, Tables::characterStore),
                                       {{{CharacterField::teckenkod, u"&H570B"_s},
                                         {CharacterField::forenklaform, u"&H56FD"_s}}}));
        QVERIFY(openEditor());
        auto *box = control<QLineEdit>(u"TextBox2"_s);
        auto *line = control<QLabel>(u"Label2"_s);
        QTest::keyClicks(box, u"zhongg"_s);
        // The words are read off the window thread; what was typed meanwhile gets them.
        QTRY_VERIFY2(line->text().startsWith(u"  1 中国 2 "_s), qPrintable(line->text()));
        QCOMPARE(control<QLabel>(u"glossLine"_s)->text(), u"zhōng guó  China"_s);
        QCOMPARE(m_editor->findChild<QRadioButton *>(u"Option1_1"_s)->toolTip(),
                 u"中国  zhōng guó  China"_s);
        // The tooltip of the line names the candidate under the pointer, and nothing between.
        const QRect area = line->contentsRect();
        for (const auto &[before, tip] :
             {std::pair{u"  1 中"_s, u"中国  zhōng guó  China"_s}, std::pair{u" "_s, QString()}}) {
            const QPoint at(area.left() + line->fontMetrics().horizontalAdvance(before) - 2,
                            area.center().y());
            QHelpEvent help(QEvent::ToolTip, at, line->mapToGlobal(at));
            QApplication::sendEvent(line, &help);
            if (tip.isEmpty())
                QTRY_VERIFY(!QToolTip::isVisible());
            else
                QCOMPARE(QToolTip::text(), tip);
        }
        QTest::keyClicks(box, u"uoren"_s);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText(), u"中国"_s);
        QCOMPARE(box->text(), u"ren"_s);
        QVERIFY(line->text().startsWith(pageLine(u"ren"_s, 0)));
        m_editor->findChild<QAction *>(u"wer"_s)->trigger();
        box->clear();
        QTest::keyClicks(box, u"zhongguo"_s);
        QVERIFY2(line->text().startsWith(u"  1 中國 2 "_s), qPrintable(line->text()));
    }

    void coloursAndTable_surviveCloseAndRestart()
    {
        pickColour(m_editor, u"farg"_s, QColor(10, 20, 30));
        m_editor->findChild<QAction *>(u"wer"_s)->trigger();
        QVERIFY(m_editor->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_editor);

        // A restart: the settings read back from inst.ini, colours stored red in the low byte.
        QVERIFY(m_folder->settings.load());
        QCOMPARE(ChineseEditorSettings::read(m_folder->settings.record()).backColor.value_or(0),
                 30u << 16 | 20u << 8 | 10u);
        loadSimplifiedTable();
        QVERIFY(openEditor());
        QCOMPARE(control<QPlainTextEdit>(u"TextBox3"_s)->palette().color(QPalette::Base),
                 QColor(10, 20, 30));
        QVERIFY(m_editor->findChild<QAction *>(u"wer"_s)->isChecked());
        QCOMPARE(candidates(u"b+0"_s), u"ㄅ"_s);
    }

    void selectAllAndPrint_handTheDocumentOn()
    {
        QSignalSpy paused(m_editor.data(), &ChineseEditorWindow::autoLookupPauseRequested);
        QSignalSpy resumed(m_editor.data(), &ChineseEditorWindow::autoLookupResumeRequested);
        QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"ai1ai2"_s);
        const QString text = control<QPlainTextEdit>(u"TextBox3"_s)->toPlainText();
        QCOMPARE(text.size(), 2);
        // Print shows the document in a print preview, with the reading-sheet option.
        int pages = 0;
        bool pinyinOption = false;
        QTimer::singleShot(0, m_editor.data(), [&] {
            auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            pinyinOption = dialog->findChild<QCheckBox *>(u"pinyinAbove"_s) != nullptr;
            auto *preview = dialog->findChild<QPrintPreviewWidget *>();
            preview->updatePreview();
            pages = preview->pageCount();
            dialog->reject();
        });
        QTest::keyClick(control<QLineEdit>(u"TextBox2"_s), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(pages, 1);
        QVERIFY(pinyinOption);
        m_editor->findChild<QAction *>(u"selall"_s)->trigger();
        QCOMPARE(paused.count(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);

        control<QPlainTextEdit>(u"TextBox3"_s)->document()->setModified(false);
        QVERIFY(m_editor->close());
        QCOMPARE(resumed.count(), 1);
        // The copy is the user's: closing leaves it on the clipboard.
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void openAndSave()
    {
        auto *document = control<QPlainTextEdit>(u"TextBox3"_s);
        QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"zhong1,"_s);
        const QString path = m_folder->dir.filePath(u"doc.txt"_s);
        QCOMPARE(m_editor->saveFile(path).problem, DocumentFile::Problem::None);
        QVERIFY(!document->document()->isModified());
        QCOMPARE(TestFiles::read(path), candidates(u"zhong+0 ，"_s).toUtf8());

        // A binary file is refused and the document stays as it was.
        const QString binary = m_folder->dir.filePath(u"picture.txt"_s);
        QVERIFY(TestFiles::write(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0\0", 11)));
        QTest::keyClicks(control<QLineEdit>(u"TextBox2"_s), u"a1"_s);
        const QString before = document->toPlainText();
        QCOMPARE(m_editor->openFile(binary).problem, DocumentFile::Problem::NotText);
        QCOMPARE(document->toPlainText(), before);
        QCOMPARE(m_editor->documentPath(), path);

        // A save that cannot be written keeps the document marked as changed, under its old name.
        QCOMPARE(m_editor->saveFile(binary + u"/in-a-file.txt"_s).problem,
                 DocumentFile::Problem::NotWritten);
        QVERIFY(document->document()->isModified());
        QCOMPARE(m_editor->documentPath(), path);

        QCOMPARE(m_editor->openFile(path).problem, DocumentFile::Problem::None);
        QCOMPARE(document->toPlainText(), candidates(u"zhong+0 ，"_s));
    }

private:
    ChineseEditorWindow *openEditor()
    {
        m_editor = new ChineseEditorWindow(m_folder->context, Language::English);
        m_editor->show();
        if (!QTest::qWaitForWindowExposed(m_editor))
            return nullptr;
        control<QLineEdit>(u"TextBox2"_s)->setFocus();
        return m_editor;
    }

    template <typename T> T *control(const QString &name) { return m_editor->findChild<T *>(name); }

    std::unique_ptr<WindowFolder> m_folder;
    QPointer<ChineseEditorWindow> m_editor;
};

QTEST_MAIN(TestChineseEditor)
#include "tst_chineseeditor.moc"
