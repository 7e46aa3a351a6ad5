#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Keys as text: each character is typed as on a US keyboard, except ⌫ (Backspace, applied by
// the box as the window's box does), ⏎ (Enter) and ⇧n (Shift with digit key n).
struct Session
{
    InputMethod input;
    QString document;
    bool hidden = false;

    void apply(const InputStep &step)
    {
        document += step.append;
        hidden = hidden || step.hideWindow;
    }

    void press(const KeyStroke &key)
    {
        const InputStep step = input.press(key);
        apply(step);
        if (!step.handled && key.key == Qt::Key_Backspace && input.caret() > 0) {
            QString text = input.input();
            text.remove(input.caret() - 1, 1);
            apply(input.edited(text, input.caret() - 1));
        }
    }

    void type(QStringView keys)
    {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const QChar ch = keys.at(i);
            if (ch == u'⌫') {
                press({Qt::Key_Backspace, Qt::NoModifier, QString(), KeyStroke::rowUnknown});
            } else if (ch == u'⏎') {
                press({Qt::Key_Return, Qt::NoModifier, u"\r"_s, KeyStroke::rowUnknown});
            } else if (ch == u'⇧') {
                const int digit = keys.at(++i).digitValue();
                press(KeyStroke::typed(u")!@#$%^&*("_s.at(digit)));
            } else {
                press(KeyStroke::typed(ch));
            }
        }
    }
};

SyllableEntry rangeOf(const QString &prefix)
{
    return findSyllableRange(prefix);
}

// A candidate line written out independently of the input method: prefix, "k X " per
// candidate numbered 1..9, 0, and " >" when more follow.
QString line(QStringView prefix, int from, int count, bool more)
{
    QString text = prefix.toString();
    for (int k = 1; k <= count; ++k)
        text += u"%1 %2 "_s.arg(k % 10).arg(CandidateList.at(from + k - 1));
    return more ? text + u" >"_s : text;
}

QString chars(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text += QChar(unit);
    return text;
}

} // namespace

class TestInputMethod : public QObject
{
    Q_OBJECT

private slots:
    // First: the switch happens only while no traditional load has been made in the run.
    void ctrlSpace_switchesOnceThenHides();
    void typing_data();
    void typing();
    void paging_data();
    void paging();
    void preview_data();
    void preview();
    void otherLayouts_data();
    void otherLayouts();
    void tableChange_looksTheBoxUpAgain();
};

void TestInputMethod::ctrlSpace_switchesOnceThenHides()
{
    QVERIFY(!traditionalLoaded);
    loadSimplifiedTable();
    Session s;
    s.type(u"zh");
    const KeyStroke ctrlSpace{Qt::Key_Space, Qt::ControlModifier, u" "_s, KeyStroke::rowUnknown};
    s.press(ctrlSpace);
    QVERIFY(traditionalLoaded);
    QCOMPARE(CandidateList.at(int(findSyllableRange(u"b"_s).first)), QChar(0x3105));
    QCOMPARE(s.input.input(), QString());
    QCOMPARE(s.input.candidateLine(), QString());
    QVERIFY(!s.hidden);

    s.type(u"a");
    s.press(ctrlSpace);
    QVERIFY(s.hidden);
    QCOMPARE(s.input.input(), u"a"_s); // hiding leaves the box alone
    QCOMPARE(s.document, QString());
}

void TestInputMethod::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("line");     // "=a" stands for the first page of "a"
    QTest::addColumn<QString>("document");

    // "a" begins "ai", "an", "ang" and "ao" too; "ang" begins no other syllable.
    const QString a = chars({0x963F, 0x554A});
    const QString ang = chars({0x6602, 0x80AE, 0x76CE});
    const QString angLine = u"  1 %1 2 %2 3 %3 "_s.arg(ang.at(0)).arg(ang.at(1)).arg(ang.at(2));
    QTest::newRow("ang: three, no more") << u"ang"_s << u"ang"_s << angLine << QString();
    QTest::newRow("capitals lowered") << u"ANG"_s << u"ang"_s << angLine << QString();
    QTest::newRow("1 chooses") << u"ang1"_s << QString() << QString() << ang.left(1);
    QTest::newRow("space chooses the first") << u"ang "_s << QString() << QString() << ang.left(1);
    QTest::newRow("3 chooses the last") << u"ang3"_s << QString() << QString() << ang.mid(2, 1);
    QTest::newRow("past a short page: dropped") << u"ang9"_s << u"ang"_s << angLine << QString();
    QTest::newRow("no syllable keeps the line") << u"angv"_s << u"angv"_s << angLine << QString();
    QTest::newRow("the kept line still chooses") << u"angv2"_s << QString() << QString()
                                                 << ang.mid(1, 1);
    QTest::newRow("nothing shown: digit dropped") << u"v1"_s << u"v"_s << QString() << QString();
    QTest::newRow("other characters removed") << u"ang-"_s << u"ang"_s << angLine << QString();
    QTest::newRow("lone colon removed") << u":"_s << QString() << QString() << chars({0xFF1A});
    QTest::newRow("backspace on the last letter") << u"a⌫"_s << QString() << QString() << QString();
    QTest::newRow("backspace to a shorter prefix") << u"angv⌫"_s << u"ang"_s << angLine
                                                   << QString();
    QTest::newRow("digit in the empty box") << u"5"_s << QString() << QString() << chars({0xFF15});
    QTest::newRow("space in the empty box") << u" "_s << QString() << QString() << QString();
    QTest::newRow("comma in the empty box") << u","_s << QString() << QString() << chars({0xFF0C});
    QTest::newRow("shifted marks") << u"!?(\"~"_s << QString() << QString()
                                   << chars({0xFF01, 0xFF1F, 0xFF08, 0xFF02, 0xFF5E});
    QTest::newRow("marks of the US table") << u";=-./`[\\]'"_s << QString() << QString()
                                           << chars({0xFF1B, 0xFF1D, 0xFF0D, 0xFF0E, 0xFF0F,
                                                     0xFF40, 0xFF3B, 0xFF3C, 0xFF3D, 0xFF07});
    QTest::newRow("enter in the empty box") << u"⏎"_s << QString() << QString() << u"\n"_s;
    QTest::newRow("enter after a letter") << u"ang⏎"_s << u"ang"_s << angLine << QString();
    QTest::newRow("two characters") << u"a1a2"_s << QString() << QString() << a.left(2);
}

void TestInputMethod::typing()
{
    QFETCH(QString, keys);
    loadSimplifiedTable();
    Session s;
    s.type(keys);
    QTEST(s.input.input(), "input");
    QTEST(s.input.candidateLine(), "line");
    QTEST(s.document, "document");
}

void TestInputMethod::paging_data()
{
    QTest::addColumn<bool>("traditional");
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<int>("nexts");    // "." pressed
    QTest::addColumn<int>("previous"); // then "," pressed
    QTest::addColumn<int>("page");     // the page shown, 0 the first

    QTest::newRow("s: first") << false << u"s"_s << 0 << 0 << 0;
    QTest::newRow("s: next") << false << u"s"_s << 1 << 0 << 1;
    QTest::newRow("s: next, back") << false << u"s"_s << 1 << 1 << 0;
    QTest::newRow("s: back on the first") << false << u"s"_s << 0 << 1 << 0;
    QTest::newRow("s: far, then back twice") << false << u"s"_s << 5 << 2 << 3;
    QTest::newRow("lu covers the u: syllables") << false << u"lu"_s << 1 << 0 << 1;
    QTest::newRow("ü syllable") << false << u"lu:"_s << 0 << 0 << 0;
    QTest::newRow("traditional b") << true << u"b"_s << 2 << 0 << 2;
    QTest::newRow("past the last page") << false << u"s"_s << 1000 << 0 << -1;
}

void TestInputMethod::paging()
{
    QFETCH(bool, traditional);
    QFETCH(QString, syllable);
    QFETCH(int, nexts);
    QFETCH(int, previous);
    QFETCH(int, page);
    traditional ? loadTraditionalTable() : loadSimplifiedTable();
    const SyllableEntry range = rangeOf(syllable);
    const int first = int(range.first);
    const int last = int(range.last);
    const int lastPage = (last - first) / 10;
    if (page < 0)
        page = lastPage;

    Session s;
    s.type(syllable + QString(nexts, u'.') + QString(previous, u','));
    const int from = first + 10 * page;
    const int count = qMin(10, last - from + 1);
    QCOMPARE(s.input.input(), syllable); // the paging keys leave the box
    QCOMPARE(s.input.candidateLine(),
             line(page == 0 ? u"  " : u"< ", from, count, from + count - 1 != last));
    s.type(u"1");
    QCOMPARE(s.document, CandidateList.at(from));
}

void TestInputMethod::preview_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("candidate"); // index from the first of the syllable; -1 none

    QTest::newRow("shift+3 on the first page") << u"s⇧3"_s << 2;
    QTest::newRow("shift+0 is the tenth") << u"s⇧0"_s << 9;
    QTest::newRow("on the second page") << u"s.⇧3"_s << 12;
    QTest::newRow("cleared by the next letter") << u"s⇧3h"_s << -1;
    QTest::newRow("cleared by choosing 1..9") << u"s⇧31"_s << -1;
    QTest::newRow("kept by choosing 0") << u"s⇧30"_s << 2;
    QTest::newRow("kept by the space bar") << u"s⇧3 "_s << 2;
}

void TestInputMethod::preview()
{
    QFETCH(QString, keys);
    QFETCH(int, candidate);
    loadSimplifiedTable();
    Session s;
    s.type(keys);
    const QString expected =
        candidate < 0 ? QString() : CandidateList.at(int(rangeOf(u"s"_s).first) + candidate);
    QCOMPARE(s.input.preview(), expected);
}

// Keys as other layouts send them: the symbol typed decides the full-width mark, the key's
// place on the digit row decides the preview.
void TestInputMethod::otherLayouts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rowDigit");
    QTest::addColumn<QString>("document"); // typed into the empty box
    QTest::addColumn<int>("preview");      // the option switched on after "s", -1 none

    const int shift = int(Qt::ShiftModifier);
    // Swedish: Shift+2 types a double quote.
    QTest::newRow("sv shift+2") << int(Qt::Key_QuoteDbl) << shift << u"\""_s << 2
                                << chars({0xFF02}) << 2;
    // German: Shift+3 types §, which has no full-width form.
    QTest::newRow("de shift+3") << int(Qt::Key_section) << shift << u"§"_s << 3 << QString() << 3;
    // French: the digit row types digits only with Shift, and then they choose.
    QTest::newRow("fr shift+1") << int(Qt::Key_1) << shift << u"1"_s << 1 << chars({0xFF11}) << -1;
    QTest::newRow("fr &") << int(Qt::Key_Ampersand) << 0 << u"&"_s << 1 << chars({0xFF06}) << -1;
    // AltGr as Windows reports it.
    QTest::newRow("altgr @") << int(Qt::Key_At) << int(Qt::ControlModifier | Qt::AltModifier)
                             << u"@"_s << 2 << chars({0xFF20}) << -1;
    QTest::newRow("ctrl+1 types nothing") << int(Qt::Key_1) << int(Qt::ControlModifier) << u"1"_s
                                          << 1 << QString() << -1;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << u"7"_s
                              << KeyStroke::notOnDigitRow << chars({0xFF17}) << -1;
}

void TestInputMethod::otherLayouts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, rowDigit);
    const KeyStroke stroke{key, Qt::KeyboardModifiers(modifiers), text, rowDigit};
    loadSimplifiedTable();

    Session empty;
    empty.press(stroke);
    QTEST(empty.document, "document");
    QCOMPARE(empty.input.input(), QString());

    Session s;
    s.type(u"s");
    const QString line = s.input.candidateLine();
    s.press(stroke);
    QFETCH(int, preview);
    if (preview >= 0) {
        QCOMPARE(s.input.preview(), CandidateList.at(int(rangeOf(u"s"_s).first) + (preview + 9) % 10));
        QCOMPARE(s.input.candidateLine(), line);
    } else {
        QCOMPARE(s.input.preview(), QString());
    }
}

void TestInputMethod::tableChange_looksTheBoxUpAgain()
{
    loadSimplifiedTable();
    Session s;
    s.type(u"ai");
    loadTraditionalTable();
    s.input.tableChanged();
    const SyllableEntry range = rangeOf(u"ai"_s);
    QCOMPARE(s.input.candidateLine(), line(u"  ", int(range.first), 10, true));
    s.type(u"1");
    QCOMPARE(s.document, chars({0x611B}));
}

QTEST_GUILESS_MAIN(TestInputMethod)
#include "tst_inputmethod.moc"
