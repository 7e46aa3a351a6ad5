#include "shell/fontregistration.h"
#include "tests/common/files.h"
#include "tests/windows/windowfolder.h"
#include "windows/pinyineditor/colourmap.h"
#include "windows/pinyineditor/pinyineditorwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
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

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ni3 ha3o") << u"ni3| ha3|o"_s << u"n\u00ED h\u00E2o"_s;
        QTest::newRow("u: is \u00FC") << u"lu:4|"_s << u"l\u00FC"_s;
        QTest::newRow("y is \u00FC") << u"ly3|"_s << u"l\u00FB"_s;
        QTest::newRow("no capital \u00FC") << u"U:3|"_s << u"U:3"_s;
        QTest::newRow("capitals") << u"A4|E1|O3|I2|U1|"_s << u"\u00C0\u00B6\u00B1\u00CD\u00AA"_s;
        QTest::newRow("u2, columns out of order") << u"u2|"_s << u"\u00F4"_s;
        QTest::newRow("the vowel typed last") << u"ai1|"_s << u"a\u00EA"_s;
        QTest::newRow("tone 5") << u"a5|"_s << u"a5"_s;
        QTest::newRow("backspace clears the vowel") << u"a\b1|"_s << u"1"_s;
        QTest::newRow("second digit stays") << u"a1|1|"_s << u"\u00E11"_s;
        QTest::newRow("typed on before the tick") << u"a1b|"_s << u"a1b"_s;
        QTest::newRow("two digits before the tick") << u"a12|"_s << u"a12"_s;
        QTest::newRow("typed in the middle") << u"xy<<ma1|"_s << u"m\u00E1xy"_s;
        QTest::newRow("new line") << u"a\r|e2|"_s << u"a\n\u00E5"_s;
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

    void fontSize_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<int>("size");
        QTest::newRow("30") << u"30"_s << 30;
        QTest::newRow("blanks around") << u" 24 "_s << 24;
        QTest::newRow("zero") << u"0"_s << 18;
        QTest::newRow("too large") << u"70000"_s << 18;
        QTest::newRow("not a number") << u"big"_s << 18;
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
                help->toPlainText().contains(u"a1"_s));
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

    // Text leaving the window has standard Unicode tone marks; inside, the font's encoding stays.
    void unicodeCopyAndSave()
    {
        QVERIFY(open(Language::English));
        type(u"ni3| ha3|o ly3| lu:4|"_s);
        QTest::keyClick(m_text2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"n\u01D0 h\u01CEo l\u01DA l\u01DC"_s);
        QTextCursor cursor = m_text2->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(2, QTextCursor::KeepAnchor); // a selection is copied alone
        m_text2->setTextCursor(cursor);
        m_window->findChild<QAction *>(u"copyUnicode"_s)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), u"n\u01D0"_s);
        QCOMPARE(m_text2->toPlainText(), u"n\u00ED h\u00E2o l\u00FB l\u00FC"_s);

        const QString path = m_folder->dir.filePath(u"pinyin.txt"_s);
        QVERIFY(TestFiles::write(path, QByteArray(200, 'x')));
        QCOMPARE(m_window->saveAsText(path), QString());
        const QByteArray saved = u"n\u01D0 h\u01CEo l\u01DA l\u01DC"_s.toUtf8();
        QCOMPARE(TestFiles::read(path), saved);
        // Where nothing can be written the error is told and the file stays as it was.
        QVERIFY(!m_window->saveAsText(path + u"/inside.txt"_s).isEmpty());
        QCOMPARE(TestFiles::read(path), saved);
    }

    void printsWrappedPages()
    {
        QVERIFY(open(Language::English));
        QString text;
        for (int line = 0; line < 120; ++line)
            text += u"zh\u00EEng gu\u00EF r\u00E9n \r\n"_s.repeated(line % 7 == 0 ? 30 : 1);
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

    // Types the keys; "|" waits until the replacement timers have run out, "<" is the left
    // arrow key.
    void type(const QString &keys)
    {
        static const QRegularExpression vowelTimer(u"^Timer([1-9]|1[01])$"_s);
        const QList<QTimer *> timers = m_window->findChildren<QTimer *>(vowelTimer);
        for (const QString &chunk : keys.split(u'|')) {
            const QStringList parts = chunk.split(u'<');
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(m_text2, Qt::Key_Left);
                QTest::keyClicks(m_text2, parts[i]);
            }
            QTRY_VERIFY(std::none_of(timers.begin(), timers.end(),
                                     [](const QTimer *timer) { return timer->isActive(); }));
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
