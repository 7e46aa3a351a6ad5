#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"
#include "shell/fontregistration.h"
#include "tests/common/cli.h"
#include "tests/common/files.h"
#include "tests/windows/windowfolder.h"
#include "windows/pinyineditor/colourmap.h"
#include "windows/pinyineditor/pinyineditorwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

} // namespace

class TestPinyinEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!registerProgramFonts(QStringLiteral(ORDBOK_PROGRAM_DIR)).pinyinFamilies.isEmpty());
    }

    void init() { m_folder = std::make_unique<WindowFolder>(); }

    void cleanup() { delete m_window.data(); }

    // Keys go in at once, as a fast typist or xdotool sends them; "<" is the left arrow key.
    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sentence") << u"hao3 zhong1guo2 Ou1zhou1 nv3 lu:4 de5 ni3men5"_s
                                  << u"hǎo zhōngguó Ōuzhōu nǚ lǜ de nǐmen"_s;
        QTest::newRow("typed in the middle") << u"xy<<ma1"_s << u"māxy"_s;
        QTest::newRow("backspace") << u"hao\b\b\bni3"_s << u"nǐ"_s;
        QTest::newRow("new line") << u"a1\rnv3"_s << u"ā\nnǚ"_s;
    }

    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QVERIFY(open(Language::English));
        type(keys);
        QCOMPARE(m_text2->toPlainText(), expected);
        if (!keys.contains(u'<'))
            QCOMPARE(m_text2->textCursor().position(), expected.size());
    }

    // Undo right after a mark gives back the syllable as typed, digit included; redo marks it.
    void undoTakesBackTheMark()
    {
        QVERIFY(open(Language::Swedish));
        type(u"ni3 hao3"_s);
        QTest::keyClick(m_text2, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_text2->toPlainText(), u"nǐ hao3"_s);
        m_text2->redo();
        QCOMPARE(m_text2->toPlainText(), u"nǐ hǎo"_s);
    }

    // Pasted text stays exactly as pasted, and copy and cut give it back unchanged.
    void pasteAndCopyUnchanged_data()
    {
        QTest::addColumn<QString>("pasted");
        // Every precomposed tone-marked letter pinyin uses, tones 1 to 4, both cases.
        QTest::newRow("every toned letter")
            << u"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜĀÁǍÀĒÉĚÈĪÍǏÌŌÓǑÒŪÚǓÙǕǗǙǛ"_s;
        QTest::newRow("marked syllable before a digit") << u"hāo3 ā"_s;
        QTest::newRow("other accents, no-break space") << u"café\u00A0naïve"_s;
        QTest::newRow("lines") << u"ā\n\nǜ"_s;
    }

    void pasteAndCopyUnchanged()
    {
        QFETCH(QString, pasted);
        QVERIFY(open(Language::English));
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(m_text2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_text2->toPlainText().size(), pasted.size());
        QTest::keyClick(m_text2, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_text2, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), pasted);
        QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
        QApplication::clipboard()->clear();
        QTest::keyClick(m_text2, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), pasted);
        QVERIFY(m_text2->toPlainText().isEmpty());
        QApplication::clipboard()->clear();
        QTest::keyClick(m_text2, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(m_text2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), pasted);
    }

    void convertToneNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectFrom"); // -1: nothing selected
        QTest::addColumn<int>("selectTo");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole text")
            << u"Ni3 hao3!\nlv4 2026"_s << -1 << -1 << u"Nǐ hǎo!\nlǜ 2026"_s;
        QTest::newRow("selection only") << u"hao3 ni3 ma5"_s << 5 << 8 << u"hao3 nǐ ma5"_s;
        QTest::newRow("across lines") << u"a1\nb a2"_s << 0 << 7 << u"ā\nb á"_s;
    }

    void convertToneNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, selectFrom);
        QFETCH(int, selectTo);
        QFETCH(QString, expected);
        QVERIFY(open(Language::Swedish));
        m_text2->setPlainText(text);
        QTextCursor cursor = m_text2->textCursor();
        cursor.setPosition(std::max(selectFrom, 0));
        if (selectFrom >= 0)
            cursor.setPosition(selectTo, QTextCursor::KeepAnchor);
        m_text2->setTextCursor(cursor);
        QTest::keyClick(m_text2, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(m_text2->toPlainText(), expected);
        if (expected != text) {
            QTest::keyClick(m_text2, Qt::Key_Z, Qt::ControlModifier); // one step back
            QCOMPARE(m_text2->toPlainText(), text);
        }
    }

    // Every syllable of the word table, typed, comes out as ordbok-cli tones gives it.
    void typingAgreesWithCli()
    {
        const QString store =
            Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR), Tables::wordStore);
        if (!QFile::exists(store))
            QSKIP("the word table is not there");
        SqliteConnection connection(store, SqliteConnection::Mode::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(u"SELECT Pinyin FROM %1"_s.arg(Tables::tableName)));
        static const QRegularExpression toneNumbered(u"^[A-Za-z:]+[1-5]$"_s);
        QStringList syllables;
        while (query.next()) {
            for (const QString &word : query.value(0).toString().split(u' ', Qt::SkipEmptyParts)) {
                if (toneNumbered.match(word).hasMatch())
                    syllables << word;
            }
        }
        syllables.removeDuplicates(); // each once, in table order
        QVERIFY(syllables.size() > 1000);
        const QString typed = syllables.join(u' ');
        const QStringList cli = TestCli::run({u"tones"_s, typed});
        QCOMPARE(cli.size(), 2);
        const QString fromCli = cli.at(1).trimmed();
        QVERIFY(open(Language::English));
        type(syllables.join(u'\r')); // one per line: short lines keep the typing quick
        const QStringList inEditor = m_text2->toPlainText().split(u'\n');
        const QStringList expected = fromCli.split(u' ');
        QCOMPARE(inEditor.size(), syllables.size());
        QCOMPARE(expected.size(), syllables.size());
        int marked = 0;
        for (qsizetype i = 0; i < syllables.size(); ++i) {
            QVERIFY2(inEditor[i] == expected[i],
                     qPrintable(syllables[i] + u": "_s + inEditor[i] + u" / "_s + expected[i]));
            marked += inEditor[i] != syllables[i] ? 1 : 0;
        }
        QVERIFY(marked > syllables.size() * 9 / 10);
    }

    void openAndSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown"); // null: not opened
        QTest::newRow("UTF-8") << u"nǚ hao3\nLǜ"_s.toUtf8() << u"nǚ hao3\nLǜ"_s;
        QTest::newRow("Latin-1") << QByteArray("n\xFB h\xE2o") << QString();
    }

    void openAndSave()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QVERIFY(open(Language::English));
        type(u"kept"_s);
        const QString path = m_folder->dir.filePath(u"in.txt"_s);
        QVERIFY(TestFiles::write(path, file));
        const QString problem = m_window->openText(path);
        QCOMPARE(problem.isEmpty(), !shown.isNull());
        QCOMPARE(m_text2->toPlainText(), shown.isNull() ? u"kept"_s : shown);
        QCOMPARE(m_text2->document()->isModified(), shown.isNull());
        if (shown.isNull()) {
            QVERIFY(problem.contains(u"in.txt"_s));
            return;
        }
        const QString saved = m_folder->dir.filePath(u"out.txt"_s);
        QCOMPARE(m_window->saveAsText(saved), QString());
        QCOMPARE(TestFiles::read(saved), shown.toUtf8());
        // Where nothing can be written the problem is told and the file stays as it was.
        QVERIFY(!m_window->saveAsText(saved + u"/inside.txt"_s).isEmpty());
        QCOMPARE(TestFiles::read(saved), shown.toUtf8());
    }

    void closeAsksFirst_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("nothing typed") << false << int(QMessageBox::Cancel) << true;
        QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("discard") << true << int(QMessageBox::Discard) << true;
    }

    void closeAsksFirst()
    {
        QFETCH(bool, typed);
        QFETCH(int, answer);
        QVERIFY(open(Language::English));
        if (typed)
            type(u"hao3"_s);
        QTimer::singleShot(0, qApp, [answer] { // answers the question once it is up
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::StandardButton(answer))->click();
        });
        const bool closed = m_window->close();
        QTEST(closed, "closes");
        if (!closed)
            QCOMPARE(m_text2->toPlainText(), u"hǎo"_s);
    }

    void fontSize_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<int>("size");
        QTest::newRow("30") << u"30"_s << 30;
        QTest::newRow("zero") << u"0"_s << 18;
        QTest::newRow("too large") << u"70000"_s << 18;
    }

    void fontSize()
    {
        QFETCH(QString, entered);
        QFETCH(int, size);
        QVERIFY(open(Language::Swedish));
        auto *text1 = control<QLineEdit>(u"text1"_s);
        text1->clear();
        QTest::keyClicks(text1, entered);
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(m_text2->font().pointSize(), size);
        QCOMPARE(text1->text().trimmed(), size == 18 ? u"18"_s : entered.trimmed());
    }

    void coloursKept_data()
    {
        QTest::addColumn<QString>("storedBack");
        QTest::addColumn<QString>("storedText");
        QTest::addColumn<QColor>("back"); // invalid: the window's own
        QTest::addColumn<QColor>("text");
        QTest::newRow("red on white")
            << u"16777215"_s << u"255"_s << QColor(Qt::white) << QColor(Qt::red);
        QTest::newRow("blue is the high byte")
            << u"16711680"_s << u"0"_s << QColor(Qt::blue) << QColor(Qt::black);
        QTest::newRow("empty fields") << QString() << QString() << QColor() << QColor();
        QTest::newRow("negative, text") << u"-16777216"_s << u"gr\u00F6n"_s << QColor() << QColor();
        QTest::newRow("above white, fraction") << u"16777216"_s << u"1.5"_s << QColor() << QColor();
    }

    void coloursKept()
    {
        QFETCH(QString, storedBack);
        QFETCH(QString, storedText);
        QFETCH(QColor, back);
        QFETCH(QColor, text);
        SettingsRecord &record = m_folder->settings.record();
        record.setValue(SettingsRecord::pinyinBackColor, storedBack);
        record.setValue(SettingsRecord::pinyinTextColor, storedText);
        QVERIFY(m_folder->settings.save());

        QVERIFY(open(Language::Swedish));
        const QPalette own = QPlainTextEdit().palette();
        const QPalette shown = m_text2->palette();
        QCOMPARE(shown.color(QPalette::Base), back.isValid() ? back : own.color(QPalette::Base));
        QCOMPARE(shown.color(QPalette::Text), text.isValid() ? text : own.color(QPalette::Text));

        // A pick from the map: red halfway down the left edge, for the back with Op(1) on.
        control<QRadioButton>(u"Op_1"_s)->click();
        auto *map = control<ColourMap>(u"pCol"_s);
        QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(0, map->height() / 2));
        QVERIFY(near(control<QFrame>(u"Shape2"_s)->palette().color(QPalette::Window), Qt::red));
        QCOMPARE(m_text2->palette().color(QPalette::Text), shown.color(QPalette::Text));
        // Help shows its text in place of Text2, and back.
        auto *help = control<QPlainTextEdit>(u"Text14"_s);
        control<QCheckBox>(u"Check1"_s)->click();
        QVERIFY(help->isVisible() && !m_text2->isVisible() &&
                help->toPlainText().contains(u"hao3"_s));
        control<QCheckBox>(u"Check1"_s)->click();
        QVERIFY(!help->isVisible() && m_text2->isVisible());

        // The colour is there when the window opens again, also after a restart.
        m_window->close();
        QVERIFY(m_folder->settings.load());
        const uint stored =
            m_folder->settings.record().value(SettingsRecord::pinyinBackColor).toUInt();
        QVERIFY(near(QColor(stored & 0xFF, stored >> 8 & 0xFF, stored >> 16), Qt::red)); // low byte
        QVERIFY(open(Language::Swedish));
        QVERIFY(near(m_text2->palette().color(QPalette::Base), Qt::red));
        // The English window neither reads nor writes the colours.
        QVERIFY(open(Language::English));
        QCOMPARE(m_text2->palette().color(QPalette::Base), own.color(QPalette::Base));
    }

    void printsWrappedPages()
    {
        QVERIFY(open(Language::English));
        QString text;
        for (int line = 0; line < 120; ++line)
            text += u"zhōngguó rén \r\n"_s.repeated(line % 7 == 0 ? 30 : 1);
        m_text2->setPlainText(text);
        const QString pdf = m_folder->dir.filePath(u"out.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(m_window->printText(printer));
        const QString bytes = QString::fromLatin1(TestFiles::read(pdf));
        QVERIFY(bytes.startsWith(u"%PDF"_s));
        static const QRegularExpression page(u"/Type\\s*/Page(?![a-zA-Z])"_s);
        // 120 lines, 18 of them wrapped over several printed lines: more than two A4 pages.
        QVERIFY2(bytes.count(page) >= 3, qPrintable(QString::number(bytes.count(page))));
    }

private:
    PinyinEditorWindow *open(Language language)
    {
        delete m_window.data();
        m_window = new PinyinEditorWindow(language, m_folder->context);
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window))
            return nullptr;
        m_text2 = control<QPlainTextEdit>(u"Text2"_s);
        m_text2->setFocus();
        return m_window;
    }

    void type(const QString &keys)
    {
        const QStringList parts = keys.split(u'<');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(m_text2, Qt::Key_Left);
            QTest::keyClicks(m_text2, parts[i]);
        }
    }

    template <typename T> T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }

    std::unique_ptr<WindowFolder> m_folder;
    QPointer<PinyinEditorWindow> m_window;
    QPlainTextEdit *m_text2 = nullptr;
};

QTEST_MAIN(TestPinyinEditor)
#include "tst_pinyineditor.moc"
