#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"
#include "pinyin/tonemarks.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// True when some final of the batch table, followed by its tone digit, is left in text.
bool holdsUnconvertedFinal(const QString &text)
{
    for (const ToneFinal &row : ToneFinalTable) {
        if (text.contains(row.pattern()))
            return true;
    }
    return false;
}

// The renderer may only touch ASCII letters and tone digits.
bool keepsOtherCharacters(const QString &input, const QString &output)
{
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        const bool convertible = (c >= u'a' && c <= u'z') || (c >= u'1' && c <= u'4');
        if (!convertible && output.at(i) != c)
            return false;
    }
    return true;
}

QString checkRenderProperties(const QString &input)
{
    const QString once = renderToneMarks(input);
    if (once.size() != input.size())
        return u"length changed"_s;
    if (renderToneMarks(once) != once)
        return u"second conversion changed the text"_s;
    if (holdsUnconvertedFinal(once))
        return u"a final with its tone digit is left"_s;
    if (!keepsOtherCharacters(input, once))
        return u"a character that is no final was changed"_s;
    return {};
}

} // namespace

class TestToneMarks : public QObject
{
    Q_OBJECT
private slots:
    void toneGlyph_data();
    void toneGlyph();
    void toneGlyph_none_data();
    void toneGlyph_none();
    void glyphsAreDistinctLatin1();
    void finalTableOrder();
    void renderToneMarks_data();
    void renderToneMarks();
    void render_generatedStrings();
    void render_wordTablePinyin();
    void fontPinyinToUnicode_data();
    void fontPinyinToUnicode();
    void toneNumbersToUnicode_data();
    void toneNumbersToUnicode();
    void toneNumbers_everyCedictReading();
};

void TestToneMarks::toneGlyph_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("glyphs"); // tones 1 to 4

    QTest::newRow("a") << QChar(u'a') << u"\u00E1\u00E0\u00E2\u00E4"_s;
    QTest::newRow("e") << QChar(u'e') << u"\u00E3\u00E5\u00E7\u00E9"_s;
    QTest::newRow("i, columns not in order") << QChar(u'i') << u"\u00EA\u00EB\u00ED\u00EC"_s;
    QTest::newRow("o") << QChar(u'o') << u"\u00EE\u00EF\u00F1\u00F3"_s;
    QTest::newRow("u, columns not in order") << QChar(u'u') << u"\u00F2\u00F4\u00F6\u00F5"_s;
    QTest::newRow("ü") << QChar(u'\u00FC') << u"\u00FA\u00F9\u00FB\u00FC"_s;
    QTest::newRow("A") << QChar(u'A') << u"\u00A2\u00C1\u00A7\u00C0"_s;
    QTest::newRow("E") << QChar(u'E') << u"\u00B6\u00C9\u00AE\u00C8"_s;
    QTest::newRow("I") << QChar(u'I') << u"\u00B4\u00CD\u00CF\u00CC"_s;
    QTest::newRow("O") << QChar(u'O') << u"\u00D8\u00D3\u00B1\u00D2"_s;
    QTest::newRow("U") << QChar(u'U') << u"\u00AA\u00DA\u00B5\u00D9"_s;
}

void TestToneMarks::toneGlyph()
{
    QFETCH(QChar, letter);
    QFETCH(QString, glyphs);
    for (int tone = 1; tone <= 4; ++tone)
        QCOMPARE(::toneGlyph(letter, tone), glyphs.at(tone - 1));
}

void TestToneMarks::toneGlyph_none_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("tone");

    QTest::newRow("tone 0") << QChar(u'a') << 0;
    QTest::newRow("tone 5") << QChar(u'a') << 5;
    QTest::newRow("negative tone") << QChar(u'o') << -1;
    QTest::newRow("no upper-case ü") << QChar(u'\u00DC') << 3;
    QTest::newRow("v is no vowel here") << QChar(u'v') << 3;
    QTest::newRow("consonant") << QChar(u'n') << 2;
    QTest::newRow("null letter") << QChar() << 1;
}

void TestToneMarks::toneGlyph_none()
{
    QFETCH(QChar, letter);
    QFETCH(int, tone);
    QVERIFY(::toneGlyph(letter, tone).isNull());
}

void TestToneMarks::glyphsAreDistinctLatin1()
{
    std::set<char16_t> seen;
    for (const ToneGlyphRow &row : ToneGlyphTable) {
        for (const char16_t glyph : row.glyphs) {
            QVERIFY2(glyph >= 0xA0 && glyph <= 0xFF, qPrintable(QString::number(glyph, 16)));
            QVERIFY2(seen.insert(glyph).second, qPrintable(QString::number(glyph, 16)));
        }
    }
    QCOMPARE(seen.size(), std::size_t(44));
}

void TestToneMarks::finalTableOrder()
{
    const QStringList finals =
        u"ang eng ing ong an en in un ai ei ao ou er uu a e o u i"_s.split(u' ');
    QCOMPARE(ToneFinalTable.size(), std::size_t(76));
    std::size_t row = 0;
    for (const QString &final : finals) {
        for (int tone = 1; tone <= 4; ++tone, ++row) {
            const ToneFinal &entry = ToneFinalTable[row];
            QCOMPARE(entry.pattern().toString(), final + QString::number(tone));
            QCOMPARE(entry.replacement().size(), entry.pattern().size());
        }
    }
    // Spot checks of the replacements, one per shape of final.
    QCOMPARE(ToneFinalTable[0].replacement().toString(), u"\u00E1ng "_s);
    QCOMPARE(ToneFinalTable[11 * 4 + 2].replacement().toString(), u"\u00F1u "_s);
    QCOMPARE(ToneFinalTable[13 * 4 + 2].replacement().toString(), u"\u00FB  "_s);
    QCOMPARE(ToneFinalTable[18 * 4 + 3].replacement().toString(), u"\u00EC "_s);
}

void TestToneMarks::renderToneMarks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hao3") << u"hao3"_s << u"h\u00E2o "_s;
    QTest::newRow("syllables without spaces") << u"zhong1guo2"_s << u"zh\u00EEng gu\u00EF "_s;
    QTest::newRow("spaced syllables get two spaces") << u"hao3 hao3"_s << u"h\u00E2o  h\u00E2o "_s;
    QTest::newRow("uu is ü") << u"nuu3"_s << u"n\u00FB  "_s;
    QTest::newRow("uu not before a digit") << u"luue4"_s << u"luu\u00E9 "_s;
    QTest::newRow("tone 5") << u"ma5"_s << u"ma5"_s;
    QTest::newRow("tone 0") << u"ma0"_s << u"ma0"_s;
    QTest::newRow("no digit") << u"ma"_s << u"ma"_s;
    QTest::newRow("final at the very end") << u"zhong"_s << u"zhong"_s;
    QTest::newRow("upper-case vowel left, next one marked") << u"Ai4"_s << u"A\u00EC "_s;
    QTest::newRow("upper-case vowel alone") << u"A1"_s << u"A1"_s;
    QTest::newRow("all upper case") << u"HAO3"_s << u"HAO3"_s;
    QTest::newRow("er") << u"er2"_s << u"\u00E5r "_s;
    QTest::newRow("un") << u"lun2"_s << u"l\u00F4n "_s;
    QTest::newRow("xiao: mark on a") << u"xiao3"_s << u"xi\u00E2o "_s;
    QTest::newRow("liu: mark on u") << u"liu2"_s << u"li\u00F4 "_s;
    QTest::newRow("jiu") << u"jiu3"_s << u"ji\u00F6 "_s;
    QTest::newRow("gui: mark on i") << u"gui4"_s << u"gu\u00EC "_s;
    QTest::newRow("huang: ang wins over an") << u"huang1"_s << u"hu\u00E1ng "_s;
    QTest::newRow("ing wins over in") << u"ming2"_s << u"m\u00EBng "_s;
    QTest::newRow("ei wins over e") << u"lei4"_s << u"l\u00E9i "_s;
    QTest::newRow("yuan") << u"yuan2"_s << u"yu\u00E0n "_s;
    QTest::newRow("ou") << u"ou3"_s << u"\u00F1u "_s;
    QTest::newRow("i alone") << u"i4"_s << u"\u00EC "_s;
    QTest::newRow("ü already written") << u"n\u00FC3"_s << u"n\u00FC3"_s;
    QTest::newRow("second digit stays") << u"a12"_s << u"\u00E1 2"_s;
    QTest::newRow("Chinese neighbours") << u"\u4E2Dzhong1"_s << u"\u4E2Dzh\u00EEng "_s;
    QTest::newRow("already converted") << u"h\u00E2o  h\u00E2o "_s << u"h\u00E2o  h\u00E2o "_s;
    QTest::newRow("digit alone") << u"3"_s << u"3"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestToneMarks::renderToneMarks()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(::renderToneMarks(input), expected);
}

void TestToneMarks::render_generatedStrings()
{
    // Every string of up to four characters over letters that make finals, digits, an
    // upper-case vowel and a space, then longer random ones.
    const QString alphabet = u"aeiounrg1345A "_s;
    QList<QString> level{QString()};
    for (int length = 1; length <= 4; ++length) {
        QList<QString> next;
        for (const QString &prefix : std::as_const(level)) {
            for (const QChar c : alphabet)
                next << prefix + c;
        }
        for (const QString &text : std::as_const(next)) {
            const QString fault = checkRenderProperties(text);
            QVERIFY2(fault.isNull(), qPrintable(text + u": "_s + fault));
        }
        level = next;
    }

    const QString wide = alphabet + u"zhxjlmUu:\u00FC\u4E2D\u00E2"_s;
    QRandomGenerator random(20240611);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = random.bounded(40);
        for (int j = 0; j < length; ++j)
            text += wide.at(random.bounded(int(wide.size())));
        const QString fault = checkRenderProperties(text);
        QVERIFY2(fault.isNull(), qPrintable(text + u": "_s + fault));
    }
}

void TestToneMarks::render_wordTablePinyin()
{
    const QString store = Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR), Tables::wordStore);
    if (!QFile::exists(store))
        QSKIP("the word table has not been built");
    int checked = 0;
    SqliteConnection connection(store, SqliteConnection::Mode::ReadOnly);
    QVERIFY(connection.isOpen());
    QSqlQuery query(u"SELECT Pinyin FROM Tabell1"_s, connection.database());
    while (query.next()) {
        const QString pinyin = query.value(0).toString();
        const QString fault = checkRenderProperties(pinyin);
        QVERIFY2(fault.isNull(), qPrintable(pinyin + u": "_s + fault));
        ++checked;
    }
    query.finish();
    QVERIFY(checked > 1000);
}

void TestToneMarks::fontPinyinToUnicode_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("unicode");

    const QStringList marked{u"āáǎà"_s, u"ēéěè"_s, u"īíǐì"_s, u"ōóǒò"_s, u"ūúǔù"_s, u"ǖǘǚǜ"_s,
                             u"ĀÁǍÀ"_s, u"ĒÉĚÈ"_s, u"ĪÍǏÌ"_s, u"ŌÓǑÒ"_s, u"ŪÚǓÙ"_s};
    for (qsizetype i = 0; i < marked.size(); ++i) {
        const ToneGlyphRow &row = ToneGlyphTable[i];
        QTest::addRow("row %s", qPrintable(QString(QChar(row.letter))))
            << QString(reinterpret_cast<const QChar *>(row.glyphs.data()), 4) << marked.at(i);
    }
    QTest::newRow("rendered text keeps its spaces")
        << ::renderToneMarks(u"zhong1guo2 ren2"_s) << u"zhōng guó  rén "_s;
    QTest::newRow("Latin-1 outside the table")
        << u"\u00E6\u00F7\u00DF\u00A0\u00FF"_s << u"\u00E6\u00F7\u00DF\u00A0\u00FF"_s;
    QTest::newRow("ASCII and Chinese") << u"abc 中文 123"_s << u"abc 中文 123"_s;
    QTest::newRow("already Unicode pinyin") << u"ǎ ǚ"_s << u"ǎ ǚ"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestToneMarks::fontPinyinToUnicode()
{
    QFETCH(QString, font);
    QFETCH(QString, unicode);
    const QString converted = ::fontPinyinToUnicode(font);
    QCOMPARE(converted, unicode);
    QCOMPARE(converted.normalized(QString::NormalizationForm_C), converted);
}

void TestToneMarks::toneNumbersToUnicode_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two syllables") << u"zhong1 guo2"_s << u"zhōng guó"_s;
    QTest::newRow("capital kept") << u"Zhong1 guo2"_s << u"Zhōng guó"_s;
    QTest::newRow("no spaces") << u"zhong1guo2"_s << u"zhōngguó"_s;
    QTest::newRow("spacing and punctuation kept") << u"  ni3,  hao3! "_s << u"  nǐ,  hǎo! "_s;
    QTest::newRow("uu") << u"nuu3"_s << u"nǚ"_s;
    QTest::newRow("u colon") << u"nu:3"_s << u"nǚ"_s;
    QTest::newRow("ü") << u"nü3"_s << u"nǚ"_s;
    QTest::newRow("üe: mark on e") << u"lu:e4"_s << u"lüè"_s;
    QTest::newRow("capital ü") << u"NUU3"_s << u"NǙ"_s;
    QTest::newRow("capital L with ü") << u"Lu:4"_s << u"Lǜ"_s;
    QTest::newRow("ü without tone") << u"nu:5"_s << u"nu:5"_s;
    QTest::newRow("a first") << u"xiao3"_s << u"xiǎo"_s;
    QTest::newRow("e first") << u"yue4"_s << u"yuè"_s;
    QTest::newRow("o of ou") << u"gou3"_s << u"gǒu"_s;
    QTest::newRow("last vowel u") << u"liu2"_s << u"liú"_s;
    QTest::newRow("last vowel i") << u"gui4"_s << u"guì"_s;
    QTest::newRow("last vowel o") << u"xiong2"_s << u"xióng"_s;
    QTest::newRow("u after j") << u"ju3"_s << u"jǔ"_s;
    QTest::newRow("er") << u"er2"_s << u"ér"_s;
    QTest::newRow("capital vowel marked") << u"Ai4"_s << u"Ài"_s;
    QTest::newRow("all capitals") << u"ER2"_s << u"ÉR"_s;
    QTest::newRow("m alone") << u"m2"_s << u"ḿ"_s;
    QTest::newRow("ng alone") << u"ng2"_s << u"ńg"_s;
    QTest::newRow("hng") << u"hng4"_s << u"hǹg"_s;
    QTest::newRow("neutral tone") << u"ma5"_s << u"ma5"_s;
    QTest::newRow("neutral among marked") << u"ba1ba5"_s << u"bāba5"_s;
    QTest::newRow("tone 0") << u"ma0"_s << u"ma0"_s;
    QTest::newRow("no digit") << u"ma"_s << u"ma"_s;
    QTest::newRow("not pinyin") << u"abc3"_s << u"abc3"_s;
    QTest::newRow("two syllables without digit between") << u"Beijing1"_s << u"Beijing1"_s;
    QTest::newRow("initial alone") << u"q3"_s << u"q3"_s;
    QTest::newRow("stray colon") << u"a:1"_s << u"a:1"_s;
    QTest::newRow("second digit stays") << u"hao34"_s << u"hǎo4"_s;
    QTest::newRow("Chinese neighbour") << u"中 zhong1"_s << u"中 zhōng"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestToneMarks::toneNumbersToUnicode()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString converted = ::toneNumbersToUnicode(input);
    QCOMPARE(converted, expected);
    QCOMPARE(converted.normalized(QString::NormalizationForm_C), converted);
}

void TestToneMarks::toneNumbers_everyCedictReading()
{
    QFile file(QStringLiteral(ORDBOK_CEDICT_U8));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("CC-CEDICT is not there");
    static const QRegularExpression reading(u"\\[([^\\]]*)\\]"_s);
    static const QRegularExpression tonedSyllable(u"[A-Za-z:]+[1-4]"_s);
    int readings = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        const QRegularExpressionMatch match = reading.match(line);
        if (line.startsWith(u'#') || !match.hasMatch())
            continue;
        const QString pinyin = match.captured(1);
        qsizetype toned = 0;
        for (auto it = tonedSyllable.globalMatch(pinyin); it.hasNext(); it.next())
            ++toned;
        const QString marked = ::toneNumbersToUnicode(pinyin);
        const QString decomposed = marked.normalized(QString::NormalizationForm_D);
        qsizetype marks = 0;
        for (const QChar c : decomposed)
            marks += QStringView(u"\u0304\u0301\u030C\u0300").contains(c) ? 1 : 0;
        QVERIFY2(marks == toned, qPrintable(pinyin + u" -> "_s + marked));
        ++readings;
    }
    QVERIFY(readings > 100000);
}

QTEST_GUILESS_MAIN(TestToneMarks)
#include "tst_tonemarks.moc"
