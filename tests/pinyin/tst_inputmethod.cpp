#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Keys typed as on a US keyboard.
struct Session
{
    InputMethod input;
    QString document;

    void press(const KeyStroke &key) { document += input.press(key).insert; }
    void type(QStringView keys)
    {
        for (const QChar ch : keys)
            press(KeyStroke::typed(ch));
    }
};

} // namespace

class TestInputMethod : public QObject
{
    Q_OBJECT

private slots:
    // Keys as other layouts send them: the symbol typed decides the full-width mark, the key's
    // place on the digit row decides the preview.
    void otherLayouts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rowDigit");
        QTest::addColumn<QString>("document"); // typed into the empty box
        QTest::addColumn<int>("preview");      // the option switched on after "s", -1 none

        const int shift = int(Qt::ShiftModifier);
        // Swedish: Shift+2 types a double quote.
        QTest::newRow("sv shift+2")
            << int(Qt::Key_QuoteDbl) << shift << u"\""_s << 2 << u"＂"_s << 2;
        // German: Shift+3 types §, which has no full-width form.
        QTest::newRow("de shift+3")
            << int(Qt::Key_section) << shift << u"§"_s << 3 << QString() << 3;
        // French: the digit row types digits only with Shift, and then they choose.
        QTest::newRow("fr shift+1") << int(Qt::Key_1) << shift << u"1"_s << 1 << u"１"_s << -1;
        QTest::newRow("fr &") << int(Qt::Key_Ampersand) << 0 << u"&"_s << 1 << u"＆"_s << -1;
        // AltGr as Windows reports it.
        QTest::newRow("altgr @") << int(Qt::Key_At) << int(Qt::ControlModifier | Qt::AltModifier)
                                 << u"@"_s << 2 << u"＠"_s << -1;
        QTest::newRow("ctrl+1 types nothing")
            << int(Qt::Key_1) << int(Qt::ControlModifier) << u"1"_s << 1 << QString() << -1;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << u"7"_s
                                  << KeyStroke::notOnDigitRow << u"７"_s << -1;
    }

    void otherLayouts()
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
            const int first = int(findSyllableRange(u"s"_s).first);
            QCOMPARE(s.input.preview(), CandidateList.at(first + (preview + 9) % 10));
            QCOMPARE(s.input.candidateLine(), line);
        } else {
            QCOMPARE(s.input.preview(), QString());
        }
    }

    void tableChange_looksTheBoxUpAgain()
    {
        loadSimplifiedTable();
        Session s;
        s.type(u"ai");
        loadTraditionalTable();
        s.input.tableChanged();
        QVERIFY2(s.input.candidateLine().startsWith(u"  1 愛 2 "_s),
                 qPrintable(s.input.candidateLine()));
        s.type(u"1");
        QCOMPARE(s.document, u"愛"_s);
    }

    void rowDigitFromScanCode_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("rowDigit");
        QTest::newRow("x11 1") << u"xcb"_s << 10u << 1;
        QTest::newRow("x11 0") << u"xcb"_s << 19u << 0;
        QTest::newRow("x11 q, below the row") << u"xcb"_s << 24u << int(KeyStroke::notOnDigitRow);
        QTest::newRow("wayland 3") << u"wayland-egl"_s << 12u << 3;
        QTest::newRow("windows 9") << u"windows"_s << 10u << 9;
        QTest::newRow("windows escape") << u"windows"_s << 1u << int(KeyStroke::notOnDigitRow);
        QTest::newRow("no scan code") << u"xcb"_s << 0u << int(KeyStroke::rowUnknown);
        QTest::newRow("offscreen") << u"offscreen"_s << 12u << int(KeyStroke::rowUnknown);
    }

    void rowDigitFromScanCode()
    {
        QFETCH(QString, platform);
        QFETCH(uint, scanCode);
        QTEST(KeyStroke::rowDigitOf(platform, scanCode), "rowDigit");
    }
};

QTEST_GUILESS_MAIN(TestInputMethod)
#include "tst_inputmethod.moc"
