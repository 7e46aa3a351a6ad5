#include "dictionary/charactercode.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "tests/dictionary/dictionaryfixture.h"
#include "windows/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Row = TestStores::Row;

namespace {

Row word(const QString &characters, const QString &pinyin, const QStringList &translations)
{
    return DictionaryFixture::word(CharacterCode::codeString(characters), pinyin, translations);
}

Row character(QChar c, const QString &radical, int strokes, const QString &pinyin,
              const QString &meaning, Row more = {})
{
    more.insert(CharacterField::summa, strokes);
    return DictionaryFixture::character(CharacterCode::fromCharacter(c), radical, pinyin, {meaning},
                                        more);
}

} // namespace

class TestMainWindowSearches : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    SettingsStore m_settings{m_folder.path()};
    DictionaryTables m_tables;
    ProgramContext m_context{m_folder.path(), m_settings, m_tables};
    MainWindow *m_window = nullptr;

    QLineEdit *edit(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QString list() const { return m_window->findChild<QPlainTextEdit *>()->toPlainText(); }
    // Clicks a button by its caption, as the user finds it, or by its name where two share one.
    void click(const QString &captionOrName) const
    {
        QList<QPushButton *> found;
        for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
            if (button->text() == captionOrName || button->objectName() == captionOrName)
                found << button;
        }
        QVERIFY2(found.size() == 1, qPrintable(captionOrName));
        QTest::mouseClick(found.first(), Qt::LeftButton);
    }
    void type(const QString &box, const QString &text, bool enter = true) const
    {
        QLineEdit *target = edit(box);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
        if (enter)
            QTest::keyClick(target, Qt::Key_Return);
    }
    int filledSlots() const
    {
        int filled = 0;
        for (int i = 0; i < 10; ++i)
            filled += edit(u"radnr_%1"_s.arg(i))->text().isEmpty() ? 0 : 1;
        return filled;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.build(
            {{},
             word(u"中國"_s, u"Zhong1 guo2"_s, {u"China"_s, u"Middle Kingdom"_s}),
             word(u"水"_s, u"shui3"_s, {u"water"_s}),
             word(u"河水"_s, u"he2 shui3"_s, {u"river water"_s}),
             word(u"冰"_s, u"bing1"_s, {u"ice"_s, u"frozen water"_s}),
             word(u"水"_s, u"shui3"_s, {u"Water"_s, u"river"_s, u""_s, u""_s, u"fluid"_s}),
             word(u"一二三四五六七八九十一"_s, u"yi1 er4"_s, {u"count to eleven"_s}),
             word(u"氵"_s, u"shui3"_s, {u"water"_s}),
             word(u"泉"_s, u"quan2"_s, {u"spring"_s, u"water"_s}),
             word(u"國"_s, u"guo2"_s, {u"country"_s}),
             word(u"女兒"_s, u"nu:3 er2"_s, {u"daughter"_s})},
            {character(u'中', u"2.3"_s, 4, u"zhong1"_s, u"central"_s,
                       {{CharacterField::kantonesiska(1), u"zung1"_s},
                        {CharacterField::japanskon(1), u"CHUU"_s}}),
             character(u'國', u"31.8"_s, 11, u"guo2"_s, u"country"_s,
                       {{CharacterField::forenklaform, u"&H56FD"_s},
                        {CharacterField::kantonesiska(1), u"gwok3"_s}}),
             character(u'国', u"31.5"_s, 8, u"guo2"_s, u"country"_s),
             character(u'水', u"85.0"_s, 4, u"shui3"_s, u"water"_s),
             character(u'河', u"85.5"_s, 8, u"he2"_s, u"river"_s),
             character(u'一', u"1.0"_s, 1, u"yi1"_s, u"one"_s),
             character(u'乙', u"5.0"_s, 1, u"yi3"_s, u"second"_s),
             character(u'丨', u"2.0"_s, 1, QString(), u"line"_s), // no pinyin: counted, not listed
             character(u'亅', u"6.0"_s, 1, u"jue2"_s, QString()),
             character(u'圍', u"31.9"_s, 12, u"wei2"_s, u"surround"_s)}));
    }

    void init()
    {
        m_tables.open(m_folder.path());
        m_settings.record() = SettingsRecord(); // each window starts from the design values
        m_window = new MainWindow(Language::English, m_context);
        m_window->completeWindow();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup()
    {
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void enterShowsTheWord()
    {
        QSignalSpy shown(m_window, &MainWindow::charactersShown);
        type(u"Text6"_s, u"Water"_s);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), u"水"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"水"_s);
        QCOMPARE(edit(u"Text11"_s)->text(), u"water"_s);
        QCOMPARE(edit(u"radnr_0"_s)->text(), u"85.0"_s);
        QCOMPARE(edit(u"Text20"_s)->text(), u"&H6C34"_s);
        // The pinyin gets its tone marks one tick later.
        QTRY_COMPARE(edit(u"Text12"_s)->text(), u"shuǐ"_s);
        click(u"Command2"_s); // Search more walks on
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H6CB3&H6C34"_s);
        // Found in a later field: Text9 shows that field, and keeps the last step's field.
        type(u"Text6"_s, u"frozen"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"冰"_s);
        QCOMPARE(edit(u"Text9"_s)->text(), u"frozen water"_s);
        QCOMPARE(edit(u"Text11"_s)->text(), u"ice,   frozen water"_s);
    }

    // Exact spelling walks the matches field by field; any key typed starts it again, also one
    // that leaves the text as it is.
    void exactSpellingWalksThenRestarts()
    {
        type(u"Text6"_s, u"water"_s, false);
        QStringList shown;
        for (int press = 0; press < 4; ++press) {
            click(u"Command5"_s);
            shown << edit(u"TextBox2"_s)->text() + edit(u"Text10_0"_s)->text();
        }
        QCOMPARE(shown, (QStringList{u"水water"_s, u"水Water"_s, u"氵water"_s, u"泉spring"_s}));
        QCOMPARE(edit(u"Text9"_s)->text(), u"water"_s); // translation2 of 泉
        QTest::keyClick(edit(u"Text6"_s), Qt::Key_End);
        click(u"Command5"_s);
        QCOMPARE(edit(u"Text10_0"_s)->text(), u"water"_s);
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
    }

    void quoteLeavesTheWord_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("english") << u"Text6"_s << u"don't"_s;
        QTest::newRow("pinyin") << u"Text8"_s << u"'"_s;
        QTest::newRow("english unmatched") << u"Text6"_s << u"zzzz"_s;
    }

    void quoteLeavesTheWord()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        type(u"Text6"_s, u"China"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
        type(box, text);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
    }

    void buttonsNeedText()
    {
        type(u"Text6"_s, u"water"_s);
        edit(u"Text6"_s)->clear();
        for (const QString &name : {u"Command2"_s, u"Command5"_s, u"Command4"_s, u"Command6"_s})
            click(name);
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
        // Enter in an empty pinyin box: the first word that has a pinyin, not the word shown.
        type(u"Text8"_s, QString());
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    }

    void pinyinSearch()
    {
        type(u"Text8"_s, u"shui3"_s);
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
        click(u"Command4"_s);
        QCOMPARE(edit(u"Text2"_s)->text(), u"&H6CB3&H6C34"_s);
        QCOMPARE(edit(u"Text11"_s)->text(), u"river water"_s);
        type(u"Text8"_s, u"shui3"_s, false);
        click(u"Command6"_s);
        click(u"Command6"_s);
        QCOMPARE(edit(u"Text11"_s)->text(), u"Water,   river,   fluid"_s);
    }

    // A capital ü typed finds the word; its pinyin box and word pinyin copy as Unicode pinyin.
    void umlautSearch()
    {
        const QString typed = u"Nü3 er2"_s;
        type(u"Text8"_s, QString(), false);
        edit(u"Text8"_s)->insert(typed); // keyClicks types ASCII only
        click(u"Command6"_s);
        QCOMPARE(edit(u"Text11"_s)->text(), u"daughter"_s);
        QLineEdit *text12 = edit(u"Text12"_s);
        QTRY_COMPARE(text12->text(), u"nǚ ér"_s);
        QCOMPARE(edit(u"Text3"_s)->text(), u"nǚ ér"_s);
        QApplication::clipboard()->clear();
        text12->findChild<QAction *>(u"copyUnicodePinyin"_s)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), u"nǚ ér"_s);
    }

    // Ten slots for a word of eleven characters, none with "No radicals" chosen.
    void radicalSlots()
    {
        type(u"Text6"_s, u"eleven"_s);
        QCOMPARE(filledSlots(), 10);
        m_window->findChild<QRadioButton *>(u"Option1_1"_s)->setChecked(true);
        type(u"Text6"_s, u"eleven"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"一二三四五六七八九十一"_s);
        QCOMPARE(filledSlots(), 0);
    }

    void simplifiedCharacters()
    {
        type(u"Text6"_s, u"China"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
        click(u"Translate to simplified form"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中国"_s);
        QCOMPARE(edit(u"radnr_1"_s)->text(), u"31.8"_s);
        QCOMPARE(edit(u"Text22"_s)->text(),
                 u"&H56FD"_s); // the second cursor on the simplified form
        click(u"Translate to traditional form"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
        m_window->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
        type(u"Text6"_s, u"country"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"国"_s);
    }

    // The one box: the list as the user types, its true count, and Enter showing the first word
    // as any search shows it.
    void oneBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("shown");    // TextBox2 after Enter
        QTest::addColumn<QString>("meanings"); // Text11 after Enter
        QTest::newRow("simplified")
            << u"中国"_s << u"1 word"_s << u"中國 [中国]  Zhōng guó  China"_s << u"中國"_s
            << u"China,   Middle Kingdom"_s;
        QTest::newRow("the second of two alike: its own row shown")
            << u"fluid"_s << u"1 word"_s << u"水  shuǐ  Water"_s << u"水"_s
            << u"Water,   river,   fluid"_s;
        QTest::newRow("nothing") << u"xyzzy"_s << u"No words"_s << QString() << QString()
                                 << QString();
    }

    void oneBox()
    {
        QFETCH(QString, typed);
        QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier);
        auto *box = edit(u"anySearch"_s);
        QCOMPARE(QApplication::focusWidget(), box);
        // Chinese comes pasted, or from an input method: no keys to click.
        if (std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(box, typed);
        else
            box->insert(typed);
        QFETCH(QString, count);
        // The words are read off the window thread; the count comes once they are there.
        QTRY_COMPARE(m_window->findChild<QLabel *>(u"anyCount"_s)->text(), count);
        auto *results = m_window->findChild<QListView *>(u"anyResults"_s);
        QTEST(results->model()->index(0, 0).data().toString(), "firstLine");
        QTest::keyClick(box, Qt::Key_Return);
        QTEST(edit(u"TextBox2"_s)->text(), "shown");
        QTEST(edit(u"Text11"_s)->text(), "meanings");
    }

    // Each search lists what it found in place of the word and tells the count in Text21; an
    // empty entry only clears the radical slots.
    void radicalSearches_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("message");
        const QString byKey = u"Search on radical/strokes"_s;
        const QString byNumber = u"Search on a specific radical"_s;
        const QString strokes = u"Number of strokes"_s;
        QTest::newRow("key with comma") << byKey << u"31,8"_s << u"國,  guó,  country, "_s
                                        << u"Hittade 1 tecken med radikal N.r: 31,8"_s;
        QTest::newRow("blanks stay in the key, not in the message")
            << byKey << u" 31.8 "_s << QString() << u"Hittade 0 tecken med radikal N.r: 31.8"_s;
        // No frequency store here: fewer residual strokes first.
        QTest::newRow("radical number")
            << byNumber << u"31.2"_s
            << u"国,  guó,  country, \n國,  guó,  country, \n圍,  wéi,  surround, "_s
            << u"Hittade 3 tecken med radikal N.r: 31.2"_s;
        QTest::newRow("strokes: counted, not all listed")
            << strokes << u"1"_s << u"一,   yī,  one, \n乙,  yǐ,  second, "_s
            << u"Hittade 4 tecken med 1 streck"_s;
        for (const QString &caption : {byKey, byNumber, strokes})
            QTest::addRow("%s, empty", qPrintable(caption))
                << caption << QString() << QString() << QString();
    }

    void radicalSearches()
    {
        QFETCH(QString, caption);
        QFETCH(QString, entry);
        QFETCH(QString, listed);
        type(u"Text6"_s, u"China"_s);
        QCOMPARE(filledSlots(), 2);
        type(u"Text21"_s, entry, false);
        click(caption);
        const QString header =
            u"%1 characters listed, the most common first\n"_s.arg(listed.count(u'\n') + 1);
        QCOMPARE(list(), entry.isEmpty()    ? QString()
                         : listed.isEmpty() ? u"0 characters listed, the most common first\n"_s
                                            : header + listed + u'\n');
        QTEST(edit(u"Text21"_s)->text(), "message");
        QCOMPARE(filledSlots(), 0);
        QCOMPARE(edit(u"TextBox2"_s)->isVisible(), entry.isEmpty());
    }

    void readingLists()
    {
        type(u"Text6"_s, u"China"_s);
        click(u"Cantonese"_s);
        QCOMPARE(list(), u"中,  zung1, \n國,  gwok3, \n"_s);
        QCOMPARE(filledSlots(), 0);
        // The ticked box changes the characters shown.
        m_window->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
        click(u"Mandarin"_s);
        QCOMPARE(edit(u"TextBox2"_s)->text(), u"中国"_s);
    }

    // Entering a search box empties the others and Text20, so the reading lists have no word;
    // a click into Text21 selects its message for overtyping.
    void focusEmptiesOtherEntries()
    {
        type(u"Text6"_s, u"China"_s);
        QCOMPARE(edit(u"Text20"_s)->text(), u"&H4E2D&H570B"_s);
        edit(u"Text8"_s)->setText(u"pin"_s);
        edit(u"Text21"_s)->setText(u"2.3"_s);
        m_window->findChild<QPushButton *>(u"Command1"_s)->setFocus();
        edit(u"Text6"_s)->setFocus();
        for (const QString &name : {u"Text8"_s, u"Text21"_s, u"Text20"_s})
            QCOMPARE(edit(name)->text(), QString());
        click(u"Korean"_s);
        QVERIFY(list().isEmpty());
        QVERIFY(edit(u"TextBox2"_s)->isVisible());

        edit(u"Text21"_s)->setText(u"Hittade 1 tecken med 1 streck"_s);
        QTest::mouseClick(edit(u"Text21"_s), Qt::LeftButton);
        QTRY_COMPARE(edit(u"Text21"_s)->selectedText(), edit(u"Text21"_s)->text());
        QCOMPARE(edit(u"Text6"_s)->text(), QString());
    }
};

QTEST_MAIN(TestMainWindowSearches)
#include "tst_mainwindowsearches.moc"
