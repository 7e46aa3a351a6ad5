#include "dictionary/tables.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/mainwindow/mainwindow.h"
#include "tests/common/storebuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Row = TestStores::Row;

namespace {

QString codes(const QString &word)
{
    QString result;
    for (QChar c : word)
        result += u"&H"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    return result;
}

Row word(const QString &characters, const QString &pinyin, const QStringList &translations)
{
    Row row{{u"teckenkoder"_s, codes(characters)}, {u"Pinyin"_s, pinyin}};
    for (int i = 0; i < translations.size(); ++i) {
        if (!translations[i].isEmpty())
            row.insert(u"translation%1"_s.arg(i + 1), translations[i]);
    }
    return row;
}

Row character(QChar c, const QString &radical, int strokes, const QString &pinyin,
              const QString &meaning, const Row &more = {})
{
    Row row{{u"teckenkod"_s, codes(c)}, {u"kinesisktradikal"_s, radical}, {u"summa"_s, strokes}};
    if (!pinyin.isEmpty())
        row.insert(u"pinyin1"_s, pinyin);
    if (!meaning.isEmpty())
        row.insert(u"meaning1"_s, meaning);
    row.insert(more);
    return row;
}

} // namespace

class TestMainWindowSearches : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void enterShowsTheWord();
    void searchMoreWalksOn();
    void fallbackRebindsText9();
    void exactSpellingWalksThenFallsBack();
    void typingRestartsExactSpelling();
    void quoteLeavesTheWord_data();
    void quoteLeavesTheWord();
    void buttonsNeedText();
    void pinyinSearch();
    void radicalSlots_data();
    void radicalSlots();
    void simplifiedCharacters();
    void radicalSearches_data();
    void radicalSearches();
    void emptyRadicalEntryOnlyClearsSlots();
    void readingLists();
    void readingListsNeedAWord();
    void focusEmptiesOtherEntries();

private:
    QLineEdit *edit(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QPushButton *button(const QString &name) const
    {
        return m_window->findChild<QPushButton *>(name);
    }
    QString list() const { return m_window->findChild<QPlainTextEdit *>(u"TextBox1"_s)->toPlainText(); }
    void type(const QString &box, const QString &text, bool enter = true);
    int filledSlots() const;

    QTemporaryDir m_dir;
    SettingsStore m_settings{m_dir.path()};
    DictionaryTables m_tables;
    ProgramContext m_context{m_dir.path(), m_settings, m_tables};
    MainWindow *m_window = nullptr;
};

void TestMainWindowSearches::initTestCase()
{
    QVERIFY(TestStores::words(m_dir.filePath(u"kinesiskBIG5kod.mdb"_s), {
        {},
        word(u"中國"_s, u"Zhong1 guo2"_s, {u"China"_s, u"Middle Kingdom"_s}),
        word(u"水"_s, u"shui3"_s, {u"water"_s}),
        word(u"河水"_s, u"he2 shui3"_s, {u"river water"_s}),
        word(u"冰"_s, u"bing1"_s, {u"ice"_s, u"frozen water"_s}),
        word(u"水"_s, u"shui3"_s, {u"Water"_s, u"river"_s, u""_s, u""_s, u"fluid"_s}),
        word(u"一二三四五六七八九十一"_s, u"yi1 er4"_s, {u"count to eleven"_s}),
        word(u"氵"_s, u"shui3"_s, {u"water"_s}),
        word(u"泉"_s, u"quan2"_s, {u"spring"_s, u"water"_s}),
        word(u"國"_s, u"guo2"_s, {u"country"_s}),
    }));
    QVERIFY(TestStores::codes(m_dir.filePath(u"BIG5.mdb"_s), {}));
    QVERIFY(TestStores::characters(m_dir.filePath(u"KVOdata.mdb"_s), {
        character(u'中', u"2.3"_s, 4, u"zhong1"_s, u"central"_s,
                  {{u"kantonesiska1"_s, u"zung1"_s}, {u"japanskon1"_s, u"CHUU"_s}}),
        character(u'國', u"31.8"_s, 11, u"guo2"_s, u"country"_s,
                  {{u"forenklaform"_s, u"&H56FD"_s}, {u"kantonesiska1"_s, u"gwok3"_s}}),
        character(u'国', u"31.5"_s, 8, u"guo2"_s, u"country"_s),
        character(u'水', u"85.0"_s, 4, u"shui3"_s, u"water"_s),
        character(u'河', u"85.5"_s, 8, u"he2"_s, u"river"_s),
        character(u'一', u"1.0"_s, 1, u"yi1"_s, u"one"_s),
        character(u'乙', u"5.0"_s, 1, u"yi3"_s, u"second"_s),
        character(u'丨', u"2.0"_s, 1, QString(), u"line"_s), // no pinyin: counted, not listed
        character(u'亅', u"6.0"_s, 1, u"jue2"_s, QString()),
        character(u'圍', u"31.9"_s, 12, u"wei2"_s, u"surround"_s),
        character(u'彐', u"58.0"_s, 3, u"ji4"_s, u"snout"_s),
        character(u'糸', u"120.0"_s, 6, u"mi4"_s, u"silk"_s),
        character(u'纟', u"120.0"_s, 3, u"si1"_s, u"silk"_s),
    }));
}

void TestMainWindowSearches::init()
{
    m_tables.open(m_dir.path());
    m_settings.record() = SettingsRecord(); // each window starts from the design values
    m_window = new MainWindow(Language::English, m_context);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestMainWindowSearches::cleanup()
{
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMainWindowSearches::type(const QString &box, const QString &text, bool enter)
{
    QLineEdit *target = edit(box);
    target->setFocus();
    target->selectAll();
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Backspace);
    else
        QTest::keyClicks(target, text);
    if (enter)
        QTest::keyClick(target, Qt::Key_Return);
}

int TestMainWindowSearches::filledSlots() const
{
    int filled = 0;
    for (int i = 0; i < 10; ++i)
        filled += edit(u"radnr_%1"_s.arg(i))->text().isEmpty() ? 0 : 1;
    return filled;
}

void TestMainWindowSearches::enterShowsTheWord()
{
    QSignalSpy shown(m_window, &MainWindow::charactersShown);
    type(u"Text6"_s, u"Water"_s);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toString(), u"水"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"水"_s);
    QCOMPARE(edit(u"Text11"_s)->text(), u"water"_s);
    QCOMPARE(edit(u"radnr_0"_s)->text(), u"85.0"_s);
    QCOMPARE(edit(u"Text20"_s)->text(), u"&H6C34"_s);
    // The pinyin is turned into the pinyin font's tone-marked letters one tick later.
    QTRY_COMPARE(edit(u"Text12"_s)->text(), u"shu"_s + QChar(0x00ED) + u' ');
}

void TestMainWindowSearches::searchMoreWalksOn()
{
    type(u"Text6"_s, u"water"_s);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
    const QStringList expected = {u"&H6CB3&H6C34"_s, u"&H6C34"_s, u"&H6C35"_s};
    for (const QString &codeString : expected) {
        QTest::mouseClick(button(u"Command2"_s), Qt::LeftButton);
        QCOMPARE(edit(u"Text2"_s)->text(), codeString);
    }
    QCOMPARE(edit(u"Text11"_s)->text(), u"water"_s);
}

void TestMainWindowSearches::fallbackRebindsText9()
{
    type(u"Text6"_s, u"frozen"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"冰"_s);
    QCOMPARE(edit(u"Text9"_s)->text(), u"frozen water"_s);
    QCOMPARE(edit(u"Text11"_s)->text(), u"ice,   frozen water"_s);
    // Text9 keeps the field of the last fallback step.
    type(u"Text6"_s, u"fluid"_s);
    QCOMPARE(edit(u"Text11"_s)->text(), u"Water,   river,   fluid"_s);
    QCOMPARE(edit(u"Text9"_s)->text(), u"fluid"_s);
}

void TestMainWindowSearches::exactSpellingWalksThenFallsBack()
{
    type(u"Text6"_s, u"water"_s, false);
    QStringList shown;
    for (int press = 0; press < 4; ++press) {
        QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
        shown << edit(u"TextBox2"_s)->text();
    }
    QCOMPARE(shown, (QStringList{u"水"_s, u"水"_s, u"氵"_s, u"泉"_s}));
    QCOMPARE(edit(u"Text9"_s)->text(), u"water"_s); // translation2 of 泉
    QCOMPARE(edit(u"Text10_0"_s)->text(), u"spring"_s);
}

void TestMainWindowSearches::typingRestartsExactSpelling()
{
    type(u"Text6"_s, u"water"_s, false);
    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    QCOMPARE(edit(u"Text10_0"_s)->text(), u"Water"_s);
    // Any key counts, also one that leaves the text as it is.
    QTest::keyClick(edit(u"Text6"_s), Qt::Key_End);
    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    QCOMPARE(edit(u"Text10_0"_s)->text(), u"water"_s);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
}

void TestMainWindowSearches::quoteLeavesTheWord_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("english") << u"Text6"_s << u"don't"_s;
    QTest::newRow("pinyin") << u"Text8"_s << u"'"_s;
    QTest::newRow("english unmatched") << u"Text6"_s << u"zzzz"_s;
}

void TestMainWindowSearches::quoteLeavesTheWord()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    type(u"Text6"_s, u"China"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    type(box, text);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
}

void TestMainWindowSearches::buttonsNeedText()
{
    type(u"Text6"_s, u"China"_s);
    edit(u"Text6"_s)->clear();
    for (const QString &name : {u"Command2"_s, u"Command5"_s, u"Command4"_s, u"Command6"_s})
        QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
    // Enter in an empty pinyin box: the first word that has a pinyin.
    type(u"Text8"_s, QString());
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
}

void TestMainWindowSearches::pinyinSearch()
{
    type(u"Text8"_s, u"shui3"_s);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H6C34"_s);
    QVERIFY(edit(u"Text6"_s)->text().isEmpty());
    QTest::mouseClick(button(u"Command4"_s), Qt::LeftButton);
    QCOMPARE(edit(u"Text2"_s)->text(), u"&H6CB3&H6C34"_s);
    QCOMPARE(edit(u"Text11"_s)->text(), u"river water"_s);
    type(u"Text8"_s, u"shui3"_s, false);
    QTest::mouseClick(button(u"Command6"_s), Qt::LeftButton);
    QTest::mouseClick(button(u"Command6"_s), Qt::LeftButton);
    QCOMPARE(edit(u"Text11"_s)->text(), u"Water,   river,   fluid"_s);
}

void TestMainWindowSearches::radicalSlots_data()
{
    QTest::addColumn<bool>("radicals");
    QTest::addColumn<int>("slotCount");
    QTest::newRow("radicals: ten of eleven") << true << 10;
    QTest::newRow("no radicals") << false << 0;
}

void TestMainWindowSearches::radicalSlots()
{
    QFETCH(bool, radicals);
    QFETCH(int, slotCount);
    m_window->findChild<QRadioButton *>(radicals ? u"Option1_0"_s : u"Option1_1"_s)->setChecked(true);
    type(u"Text6"_s, u"eleven"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"一二三四五六七八九十一"_s);
    QCOMPARE(filledSlots(), slotCount);
}

void TestMainWindowSearches::simplifiedCharacters()
{
    type(u"Text6"_s, u"China"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    QTest::mouseClick(button(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中国"_s);
    QCOMPARE(edit(u"radnr_1"_s)->text(), u"31.8"_s);
    QCOMPARE(edit(u"Text22"_s)->text(), u"&H56FD"_s); // the second cursor on the simplified form
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    m_window->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    type(u"Text6"_s, u"country"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"国"_s);
}

void TestMainWindowSearches::radicalSearches_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("message");
    QTest::newRow("key with comma") << u"Command9"_s << u"31,8"_s << u"國,  guo2,  country, "_s
                                    << u"Hittade 1 tecken med radikal N.r: 31,8"_s;
    QTest::newRow("blanks stay in the key, not in the message")
        << u"Command9"_s << u" 31.8 "_s << QString() << u"Hittade 0 tecken med radikal N.r: 31.8"_s;
    QTest::newRow("no such key") << u"Command9"_s << u"9.5"_s << QString()
                                 << u"Hittade 0 tecken med radikal N.r: 9.5"_s;
    QTest::newRow("radical number") << u"Command11"_s << u"31.2"_s
                                    << u"國,  guo2,  country, \n国,  guo2,  country, \n圍,  wei2,  surround, "_s
                                    << u"Hittade 3 tecken med radikal N.r: 31.2"_s;
    QTest::newRow("strokes: counted, not all listed") << u"Command17"_s << u"1"_s
                                                      << u"一,   yi1,  one, \n乙,  yi3,  second, "_s
                                                      << u"Hittade 4 tecken med 1 streck"_s;
    QTest::newRow("strokes not a number") << u"Command17"_s << u"x"_s << QString()
                                          << u"Hittade 0 tecken med x streck"_s;
}

void TestMainWindowSearches::radicalSearches()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, entry);
    QFETCH(QString, listed);
    QFETCH(QString, message);
    type(u"Text21"_s, entry, false);
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
    QCOMPARE(list(), listed.isEmpty() ? QString() : listed + u'\n');
    QCOMPARE(edit(u"Text21"_s)->text(), message);
    QVERIFY(m_window->findChild<QPlainTextEdit *>(u"TextBox1"_s)->isVisible());
    QVERIFY(!edit(u"TextBox2"_s)->isVisible());
}

void TestMainWindowSearches::emptyRadicalEntryOnlyClearsSlots()
{
    type(u"Text6"_s, u"China"_s);
    QCOMPARE(filledSlots(), 2);
    edit(u"Text21"_s)->clear();
    for (const QString &name : {u"Command9"_s, u"Command11"_s, u"Command17"_s}) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(filledSlots(), 0);
        QVERIFY(edit(u"TextBox2"_s)->isVisible());
        QCOMPARE(edit(u"Text21"_s)->text(), QString());
    }
}

void TestMainWindowSearches::readingLists()
{
    type(u"Text6"_s, u"China"_s);
    QTest::mouseClick(button(u"Command12"_s), Qt::LeftButton);
    QCOMPARE(list(), u"中,  zung1, \n國,  gwok3, \n"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    QCOMPARE(filledSlots(), 0);
    QTest::mouseClick(button(u"command10"_s), Qt::LeftButton);
    // A Mandarin line names the simplified form; the ticked box changes the characters shown.
    QCOMPARE(list(), u"中,  zhong1, central, \n国,  guo2, country, \n"_s);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中國"_s);
    m_window->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    QTest::mouseClick(button(u"command10"_s), Qt::LeftButton);
    QCOMPARE(edit(u"TextBox2"_s)->text(), u"中国"_s);
    QTest::mouseClick(button(u"Command15"_s), Qt::LeftButton);
    QCOMPARE(list(), u"中,  CHUU, \n國,  , \n"_s);
}

void TestMainWindowSearches::readingListsNeedAWord()
{
    type(u"Text6"_s, u"China"_s);
    QCOMPARE(edit(u"Text20"_s)->text(), u"&H4E2D&H570B"_s);
    button(u"Command1"_s)->setFocus();
    edit(u"Text6"_s)->setFocus(); // entering a search box empties Text20
    QVERIFY(edit(u"Text20"_s)->text().isEmpty());
    QTest::mouseClick(button(u"Command14"_s), Qt::LeftButton);
    QVERIFY(list().isEmpty());
    QVERIFY(edit(u"TextBox2"_s)->isVisible());
}

void TestMainWindowSearches::focusEmptiesOtherEntries()
{
    edit(u"Text8"_s)->setText(u"pin"_s);
    edit(u"Text21"_s)->setText(u"2.3"_s);
    edit(u"Text20"_s)->setText(u"&H4E2D"_s);
    button(u"Command1"_s)->setFocus();
    edit(u"Text6"_s)->setFocus();
    QCOMPARE(edit(u"Text8"_s)->text(), QString());
    QCOMPARE(edit(u"Text21"_s)->text(), QString());
    QCOMPARE(edit(u"Text20"_s)->text(), QString());

    edit(u"Text21"_s)->setText(u"Hittade 1 tecken med 1 streck"_s);
    QTest::mouseClick(edit(u"Text21"_s), Qt::LeftButton);
    QTRY_COMPARE(edit(u"Text21"_s)->selectedText(), edit(u"Text21"_s)->text());
    QCOMPARE(edit(u"Text6"_s)->text(), QString());
}

QTEST_MAIN(TestMainWindowSearches)
#include "tst_mainwindowsearches.moc"
