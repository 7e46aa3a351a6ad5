#include "pinyin/tonemarks.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestToneMarks : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<int>("convert"); // 0: tone numbers to marks, 1: as stored, 2: bracketed
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const QString &in, const QString &out, int kind = 0) {
            QTest::newRow(tag) << kind << in << out;
        };
        // Where the mark goes.
        row("a first", u"hao3 xiao3 huang1 kuai4"_s, u"hǎo xiǎo huāng kuài"_s);
        row("e first", u"gei3 yue4 xue2 er2"_s, u"gěi yuè xué ér"_s);
        row("o of ou", u"gou3 you3 Ou1zhou1"_s, u"gǒu yǒu Ōuzhōu"_s);
        row("else the last vowel", u"liu2 gui4 xiong2 zhong1 duo1"_s, u"liú guì xióng zhōng duō"_s);
        row("n, ng, r endings", u"ren2 zheng4 xian1 er4"_s, u"rén zhèng xiān èr"_s);
        row("nasal syllables", u"m2 n3 ng2 hm5 hng4"_s, u"ḿ ň ńg hm hǹg"_s);
        // ü however it is typed.
        row("u:, uu, v, ü", u"nu:3 nuu3 nv3 nü3"_s, u"nǚ nǚ nǚ nǚ"_s);
        row("üe", u"lu:e4 lve4 nue:4"_s, u"lüè lüè nue:4"_s);
        row("capital ü", u"NV3 Lu:4 LUU2"_s, u"NǙ Lǜ LǗ"_s);
        // Neutral tone: no mark, no digit.
        row("tone 5 and 0", u"de5 ma0 ni3men5 nv5"_s, u"de ma nǐmen nü"_s);
        row("erhua r", u"dian3 r5 dian3r5"_s, u"diǎn r diǎnr"_s);
        // Capitals keep their case.
        row("capitals", u"Zhong1guo2 AI4 E2guo2 XI1"_s, u"Zhōngguó ÀI Éguó XĪ"_s);
        // The syllable before the digit is the last one of its run of letters.
        row("run of syllables", u"zhongguo2 ruidian3"_s, u"zhongguó ruidiǎn"_s);
        row("longest last syllable", u"xian1 fangan4"_s, u"xiān fangàn"_s);
        row("apostrophe", u"Xi'an1"_s, u"Xi'ān"_s);
        // Digits that follow no pinyin stay.
        row("not pinyin", u"abc3 mp3 km2 a:1 xx5 Win10"_s, u"abc3 mp3 km2 a:1 xx5 Win10"_s);
        row("r with a tone", u"r3"_s, u"r3"_s);
        row("numbers", u"2026, 3 books, 5"_s, u"2026, 3 books, 5"_s);
        row("digits 6 to 9", u"ma6 ma9"_s, u"ma6 ma9"_s);
        row("second digit stays", u"hao34 a55"_s, u"hǎo4 a5"_s);
        row("spacing and punctuation", u"  ni3,  hao3! "_s, u"  nǐ,  hǎo! "_s);
        row("Chinese neighbour", u"中zhong1文"_s, u"中zhōng文"_s);
        // Unicode pinyin is left alone, also before a digit.
        row("already marked", u"hǎo3 nǐmen Lǐ"_s, u"hǎo3 nǐmen Lǐ"_s);
        row("sentence", u"Wǒ jiào Lǐ Míng, xuéxí Zhōngwén. lü"_s,
            u"Wǒ jiào Lǐ Míng, xuéxí Zhōngwén. lü"_s);
        row("other accents", u"café naïve Ångström"_s, u"café naïve Ångström"_s);
        row("empty", QString(), QString());
        // A toned letter stays itself anywhere: alone, inside a word, before a digit.
        for (const QChar letter : u"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜĀÁǍÀĒÉĚÈĪÍǏÌŌÓǑÒŪÚǓÙǕǗǙǛ"_s) {
            const QString l(letter);
            const QString text = l + u" h"_s + l + u"o x"_s + l + u"3 "_s + l;
            row(qPrintable(u"toned "_s + l), text, text);
        }
        // The spelling the stores search for, whatever way ü was typed.
        row("stored: v", u"Nv3 er2"_s, u"nu:3 er2"_s, 1);
        row("stored: ü", u"nü3 ér"_s, u"nu:3 ér"_s, 1);
        row("stored: u: kept", u"NU:3"_s, u"nu:3"_s, 1);
        row("stored: no ü", u"Zhong1"_s, u"zhong1"_s, 1);
        // Only what stands in brackets, as CC-CEDICT writes readings.
        row("bracketed: CEDICT line", u"水 水 [shui3] /water/A3 paper/CL:杯[bei1]/"_s,
            u"水 水 [shuǐ] /water/A3 paper/CL:杯[bēi]/"_s, 2);
        row("bracketed: unclosed", u"[hao3 hao3"_s, u"[hao3 hao3"_s, 2);
        row("bracketed: no brackets", u"hao3"_s, u"hao3"_s, 2);
        row("bracketed: empty brackets", u"[]a1[nv3]"_s, u"[]a1[nǚ]"_s, 2);
    }

    void rule()
    {
        QFETCH(int, convert);
        QFETCH(QString, input);
        const QString converted = convert == 0   ? toneNumbersToUnicode(input)
                                  : convert == 1 ? pinyinAsStored(input)
                                                 : bracketedToneNumbersToUnicode(input);
        QTEST(converted, "expected");
        QCOMPARE(converted.normalized(QString::NormalizationForm_C), converted);
    }

    void editAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("digitAt");
        QTest::addColumn<int>("from"); // -1: no edit
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("replacement");
        QTest::newRow("second syllable") << u"ni3 hao3"_s << 7 << 4 << 4 << u"hǎo"_s;
        QTest::newRow("after marked syllables") << u"nǐmen5"_s << 5 << 2 << 4 << u"men"_s;
        QTest::newRow("after a marked run") << u"zhōngguo2"_s << 8 << 5 << 4 << u"guó"_s;
        QTest::newRow("u: is two letters") << u"lu:4"_s << 3 << 0 << 4 << u"lǜ"_s;
        QTest::newRow("followed by text") << u"hao3ma"_s << 3 << 0 << 4 << u"hǎo"_s;
        QTest::newRow("already marked") << u"hǎo3"_s << 3 << -1 << 0 << QString();
        QTest::newRow("not a digit") << u"hao"_s << 2 << -1 << 0 << QString();
        QTest::newRow("digit first") << u"3"_s << 0 << -1 << 0 << QString();
        QTest::newRow("past the end") << u"hao3"_s << 4 << -1 << 0 << QString();
        QTest::newRow("negative") << u"hao3"_s << -1 << -1 << 0 << QString();
    }

    void editAt()
    {
        QFETCH(QString, text);
        QFETCH(int, digitAt);
        QFETCH(int, from);
        const ToneMarkEdit edit = toneMarkEditAt(text, digitAt);
        QCOMPARE(edit.isNull(), from < 0);
        if (from < 0)
            return;
        QCOMPARE(edit.from, from);
        QTEST(int(edit.length), "length");
        QTEST(edit.replacement, "replacement");
    }

    void syllable_data()
    {
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<int>("tone");
        QTest::addColumn<QString>("expected"); // null: not marked
        QTest::newRow("hao3") << u"hao"_s << 3 << u"hǎo"_s;
        QTest::newRow("Lv4") << u"Lv"_s << 4 << u"Lǜ"_s;
        QTest::newRow("de5") << u"de"_s << 5 << u"de"_s;
        QTest::newRow("lu:0") << u"lu:"_s << 0 << u"lü"_s;
        QTest::newRow("r5") << u"r"_s << 5 << u"r"_s;
        QTest::newRow("r4") << u"r"_s << 4 << QString();
        QTest::newRow("not pinyin") << u"abc"_s << 1 << QString();
        QTest::newRow("marked") << u"hǎo"_s << 3 << QString();
        QTest::newRow("tone 6") << u"hao"_s << 6 << QString();
        QTest::newRow("empty") << QString() << 1 << QString();
    }

    void syllable()
    {
        QFETCH(QString, syllable);
        QFETCH(int, tone);
        QFETCH(QString, expected);
        const QString marked = markedSyllable(syllable, tone);
        QCOMPARE(marked.isNull(), expected.isNull());
        QCOMPARE(marked, expected);
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
            const QString marked = toneNumbersToUnicode(pinyin);
            qsizetype marks = 0;
            for (const QChar c : marked.normalized(QString::NormalizationForm_D))
                marks += QStringView(u"\u0304\u0301\u030C\u0300").contains(c) ? 1 : 0;
            for (const QRegularExpressionMatch &syllable : tonedSyllable.globalMatch(pinyin))
                marks -= syllable.hasMatch() ? 1 : 0;
            QVERIFY2(marks == 0, qPrintable(pinyin + u" -> "_s + marked));
            QVERIFY2(!marked.contains(u':'), qPrintable(pinyin + u" -> "_s + marked));
            readings += pinyin.isEmpty() ? 0 : 1;
        }
        QVERIFY(readings > 100000);
    }
};

QTEST_GUILESS_MAIN(TestToneMarks)
#include "tst_tonemarks.moc"
