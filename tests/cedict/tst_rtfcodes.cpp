#include "cedict/rtfcodes.h"
#include "tests/common/files.h"

#include <QMimeData>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "20013 &H4E2D, -24577 &H9FFF": easy to read in a failure message.
QString listed(const RtfCodeList &list)
{
    QStringList entries;
    for (const RtfCode &entry : list)
        entries << QString::number(entry.number) + u' ' + entry.code;
    return entries.join(u", "_s);
}

// The characters the codes stand for, halves of a pair put back together.
QString characters(const RtfCodeList &list)
{
    QString text;
    for (const RtfCode &entry : list)
        text += QChar(char16_t(entry.code.sliced(2).toUShort(nullptr, 16)));
    return text;
}

} // namespace

class TestRtfCodes : public QObject
{
    Q_OBJECT
private slots:
    void scan_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<bool>("otherForms"); // read as the other escape forms, not the old scan
        const auto old = [](const char *tag, const QString &rtf, const QString &codes) {
            QTest::newRow(tag) << rtf << codes << false;
        };
        const auto other = [](const char *tag, const QString &rtf, const QString &codes) {
            QTest::newRow(tag) << rtf << codes << true;
        };
        old("five digits, delimiter, ?", u"{\\rtf1 \\u20013 ?}"_s, u"20013 &H4E2D"_s);
        old("negative above U+7FFF", u"\\u-24577 ?"_s, u"-24577 &H9FFF"_s);
        old("four digits not seen", u"\\u8364 ?\\u20013 ?"_s, u"20013 &H4E2D"_s);
        old("? right after the digits", u"\\u20013?"_s, u""_s);
        old("hex fallback", u"\\u20013\\'3f"_s, u""_s);
        old("six digits: the last five", u"x123456 ?"_s, u"23456 &H5BA0"_s);
        old("above 16 bits", u"\\u70000 ?\\u20013 ?"_s, u"20013 &H4E2D"_s);
        old("at the very start", u"20013 ?"_s, u"20013 &H4E2D"_s);
        old("too short for five digits", u"2013 ?"_s, u""_s);
        old("empty", u""_s, u""_s);
        other("? fallback read", u"\\u20013?\\u22283?"_s, u"20013 &H4E2D, 22283 &H570B"_s);
        other("hex fallback read", u"\\u20013\\'3f"_s, u"20013 &H4E2D"_s);
        other("no fallback", u"\\uc0\\u20013 \\uc0\\u-244 "_s, u"20013 &H4E2D, -244 &HFF0C"_s);
        other("surrogate pair", u"\\u55360 \\u56320\\'3f"_s, u"55360 &HD840, 56320 &HDC00"_s);
        other("escaped backslash", u"\\\\u20013?"_s, u""_s);
        other("other u words", u"\\ul\\uc1\\upr{x}\\u"_s, u""_s);
        other("font table left out",
              u"{\\fonttbl{\\f0 \\u23435?;}}{\\*\\generator \\u1?}\\u20013?"_s, u"20013 &H4E2D"_s);
        other("Unicode half of upr read", u"{\\upr{\\'d6}{\\*\\ud{\\u20013?}}}"_s,
              u"20013 &H4E2D"_s);
        other("binary data skipped", u"\\bin4 \\u1?\\u20013?"_s, u"20013 &H4E2D"_s);
        other("cut off after the number", u"{\\rtf1 \\u20013"_s, u"20013 &H4E2D"_s);
        other("cut off in an escape", u"\\u20013?\\'3"_s, u"20013 &H4E2D"_s);
        other("ten digits", u"\\u1234567890?"_s, u""_s);
    }

    void scan()
    {
        QFETCH(QString, rtf);
        QFETCH(bool, otherForms);
        QTEST(listed(otherForms ? rtfUnicodeEscapes(rtf) : scanRtfCodes(rtf)), "codes");
    }

    void copiedCodesFallBack_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("text"); // the characters of the code list
        QTest::newRow("the old scan wins") << u"\\u20013 ?\\u22283?"_s << u"中國"_s << u"中"_s;
        QTest::newRow("then other escapes") << u"\\u22283?"_s << u"中國"_s << u"國"_s;
        QTest::newRow("then plain text")
            << u"{\\rtf1 abc}"_s << u" 中a,\n國\uFEFF\uFFFD"_s << u"中國"_s;
        QTest::newRow("no RTF: plain text") << u""_s << u"中國"_s << u"中國"_s;
        QTest::newRow("no Chinese") << u""_s << u"hello, world\r\n"_s << u""_s;
        // Copies from real word processors, without plain text: the RTF alone gives the text.
        const QString sentence = u"我們都是中國人，我們愛學習中文。"_s;
        const QString mixed = u"汉字\U00020000测试：龍鳳呈祥"_s;
        for (const QString &writer : {u"libreoffice"_s, u"abiword"_s}) {
            const QString path = u"" ORDBOK_SOURCE_DIR "/tests/data/rtf/"_s + writer;
            const auto rtf = [&](const char *name) {
                return QString::fromLatin1(TestFiles::read(path + QLatin1StringView(name)));
            };
            QTest::addRow("%s 中國人", qPrintable(writer))
                << rtf("-zhongguoren.rtf") << u""_s << u"中國人"_s;
            QTest::addRow("%s sentence", qPrintable(writer))
                << rtf("-sentence.rtf") << u""_s << sentence;
            QTest::addRow("%s outside the BMP", qPrintable(writer))
                << rtf("-mixed.rtf") << u""_s << mixed;
        }
    }

    void copiedCodesFallBack()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, plain);
        QTEST(characters(copiedCodes(rtf, plain)), "text");
        // The same through a clipboard copy with those two forms.
        QMimeData data;
        if (!rtf.isEmpty())
            data.setData(u"text/rtf"_s, rtf.toLatin1());
        data.setText(plain);
        QTEST(characters(copiedCodes(&data)), "text");
    }
};

QTEST_GUILESS_MAIN(TestRtfCodes)
#include "tst_rtfcodes.moc"
