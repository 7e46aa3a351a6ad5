#include "pinyin/tonemarks.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the batch conversion must keep for any text: its length, a second run changes nothing,
// no final is left with its tone digit, and only ASCII letters, ':' and tone digits change.
QString renderFault(const QString &input)
{
    const QString once = renderToneMarks(input);
    if (once.size() != input.size())
        return u"length changed"_s;
    if (renderToneMarks(once) != once)
        return u"second conversion changed the text"_s;
    for (const ToneFinal &row : ToneFinalTable) {
        if (once.contains(row.pattern()))
            return u"a final with its tone digit is left"_s;
    }
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (!(c >= u'a' && c <= u'z') && c != u':' && !(c >= u'1' && c <= u'4') && once.at(i) != c)
            return u"a character that is no final was changed"_s;
    }
    return {};
}

} // namespace

class TestToneMarks : public QObject
{
    Q_OBJECT

private slots:
    void renderKeepsItsPromises()
    {
        // Every string of up to four characters over letters that make finals, digits, an
        // upper-case vowel and a space.
        const QString alphabet = u"aeiounrg1345A "_s;
        QStringList level{QString()};
        for (int length = 1; length <= 4; ++length) {
            QStringList next;
            for (const QString &prefix : std::as_const(level)) {
                for (const QChar c : alphabet)
                    next << prefix + c;
            }
            for (const QString &text : std::as_const(next))
                QVERIFY2(renderFault(text).isNull(),
                         qPrintable(text + u": "_s + renderFault(text)));
            level = next;
        }
    }

    void conversions_data()
    {
        // 'f': to the pinyin font, 'u': font to Unicode, 'n': tone numbers to Unicode
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](char kind, const char *tag, const QString &in, const QString &out) {
            QTest::addRow("%c: %s", kind, tag) << int(kind) << in << out;
        };
        row('f', "syllables without spaces", u"zhong1guo2"_s, u"zh\u00EEng gu\u00EF "_s);
        row('f', "uu and u: are ü", u"nuu3 lu:4"_s, u"n\u00FB   l\u00FC  "_s);
        row('f', "uu not before a digit", u"luue4"_s, u"luu\u00E9 "_s);
        row('f', "tones 5 and 0, no digit", u"ma5 ma0 ma"_s, u"ma5 ma0 ma"_s);
        row('f', "upper-case vowel left", u"Ai4 A1 HAO3"_s, u"A\u00EC  A1 HAO3"_s);
        row('f', "xiao: mark on a", u"xiao3"_s, u"xi\u00E2o "_s);
        row('f', "liu: mark on u", u"liu2"_s, u"li\u00F4 "_s);
        row('f', "ang wins over an", u"huang1"_s, u"hu\u00E1ng "_s);
        row('f', "ing wins over in, er", u"ming2 er2"_s, u"m\u00EBng  \u00E5r "_s);
        row('f', "second digit stays", u"a12"_s, u"\u00E1 2"_s);
        row('f', "Chinese neighbour", u"\u4E2Dzhong1"_s, u"\u4E2Dzh\u00EEng "_s);
        // From the pinyin font: each glyph row, tones 1 to 4, as the letters it draws.
        const QStringList marked{u"āáǎà"_s, u"ēéěè"_s, u"īíǐì"_s, u"ōóǒò"_s, u"ūúǔù"_s, u"ǖǘǚǜ"_s,
                                 u"ĀÁǍÀ"_s, u"ĒÉĚÈ"_s, u"ĪÍǏÌ"_s, u"ŌÓǑÒ"_s, u"ŪÚǓÙ"_s};
        for (qsizetype i = 0; i < marked.size(); ++i) {
            const ToneGlyphRow &glyphs = ToneGlyphTable[i];
            row('u', qPrintable(u"font row "_s + QChar(glyphs.letter)),
                QString(reinterpret_cast<const QChar *>(glyphs.glyphs.data()), 4), marked[i]);
        }
        row('u', "other Latin-1 kept", u"\u00E6\u00F7\u00DF\u00A0\u00FF ǎ 中"_s,
            u"\u00E6\u00F7\u00DF\u00A0\u00FF ǎ 中"_s);
        row('n', "capital, no spaces", u"Zhong1guo2"_s, u"Zhōngguó"_s);
        row('n', "spacing and punctuation kept", u"  ni3,  hao3! "_s, u"  nǐ,  hǎo! "_s);
        row('n', "uu, u:, ü", u"nuu3 nu:3 nü3"_s, u"nǚ nǚ nǚ"_s);
        row('n', "capital ü", u"NUU3 Lu:4"_s, u"NǙ Lǜ"_s);
        row('n', "a, e, o of ou first", u"xiao3 yue4 gou3"_s, u"xiǎo yuè gǒu"_s);
        row('n', "else the last vowel", u"liu2 gui4 xiong2"_s, u"liú guì xióng"_s);
        row('n', "capital vowel marked", u"Ai4 ER2"_s, u"Ài ÉR"_s);
        row('n', "m and ng alone", u"m2 ng2 hng4"_s, u"ḿ ńg hǹg"_s);
        row('n', "neutral tone loses its digit", u"ba1ba5 nu:5 r5"_s, u"bāba nü r"_s);
        row('n', "not pinyin", u"abc3 Beijing1 q3 a:1"_s, u"abc3 Beijing1 q3 a:1"_s);
        row('n', "second digit stays", u"hao34"_s, u"hǎo4"_s);
    }

    void conversions()
    {
        QFETCH(int, kind);
        QFETCH(QString, input);
        const QString converted = kind == 'f'   ? ::renderToneMarks(input)
                                  : kind == 'u' ? ::fontPinyinToUnicode(input)
                                                : ::toneNumbersToUnicode(input);
        QTEST(converted, "expected");
        QCOMPARE(converted.normalized(QString::NormalizationForm_C), converted);
    }

    // Every reading of CC-CEDICT gets one mark for each syllable with a tone 1 to 4.
    void toneNumbersEveryCedictReading()
    {
        QFile file(QStringLiteral(ORDBOK_CEDICT_U8));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("CC-CEDICT is not there");
        static const QRegularExpression reading(u"^[^#].*?\\[([^\\]]*)\\]"_s);
        static const QRegularExpression tonedSyllable(u"[A-Za-z:]+[1-4]"_s);
        int readings = 0;
        while (!file.atEnd()) {
            const QString pinyin = reading.match(QString::fromUtf8(file.readLine())).captured(1);
            const QString marked = ::toneNumbersToUnicode(pinyin);
            qsizetype marks = 0;
            for (const QChar c : marked.normalized(QString::NormalizationForm_D))
                marks += QStringView(u"\u0304\u0301\u030C\u0300").contains(c) ? 1 : 0;
            for (const QRegularExpressionMatch &syllable : tonedSyllable.globalMatch(pinyin))
                marks -= syllable.hasMatch() ? 1 : 0;
            QVERIFY2(marks == 0, qPrintable(pinyin + u" -> "_s + marked));
            readings += pinyin.isEmpty() ? 0 : 1;
        }
        QVERIFY(readings > 100000);
    }
};

QTEST_GUILESS_MAIN(TestToneMarks)
#include "tst_tonemarks.moc"
