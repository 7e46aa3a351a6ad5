#include "cedict/big5line.h"
#include "cedict/utf8line.h"

#include <QTest>

using namespace Qt::StringLiterals;

// tecken|reading|gloss|gloss.., empty pieces at the end left out, then " !" and the flags:
// H no headword, U unclosed reading, C glosses cut, E extra glosses.
static QByteArray describe(const Big5Line &line)
{
    QByteArrayList parts{line.tecken, line.reading};
    parts.append(QByteArrayList(line.glosses.begin(), line.glosses.end()));
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QByteArray flags;
    for (const auto &[set, letter] : {std::pair{line.noHeadword, 'H'},
                                      {line.unclosedReading, 'U'},
                                      {line.glossesCut, 'C'},
                                      {line.extraGlosses, 'E'}})
        flags += set ? QByteArray(1, letter) : QByteArray();
    return parts.join('|') + (flags.isEmpty() ? QByteArray() : " !" + flags);
}

class TestCedictLines : public QObject
{
    Q_OBJECT
private slots:
    void headwordHex()
    {
        QCOMPARE(::headwordHex(QByteArray("\0\n 09\x7F\x80\xA0", 8)), QByteArray()); // dropped
        QCOMPARE(::headwordHex("!/:~\xA1\xFF"), QByteArray("212F3A7EA1FF"));         // kept
        QCOMPARE(::headwordHex("3C\xA4\xA4 "), QByteArray("43A4A4"));
    }

    // A line of the Big5 edition as the old scan cuts it, and one of the UTF-8 edition.
    void lines_data()
    {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("pieces"); // UTF-8: traditional|simplified|reading|gloss..
        const auto row = [](const char *tag, const QByteArray &line, const QByteArray &pieces) {
            QTest::newRow(tag) << false << line << pieces;
        };
        const auto utf8 = [](const char *tag, const QString &line, const QString &pieces) {
            QTest::addRow("UTF-8: %s", tag) << true << line.toUtf8() << pieces.toUtf8();
        };
        row("Big5 headword", "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/g2/",
            "A4A4A4E5|zhong1 wen2|Chinese|g2");
        row("one-character first gloss runs on", "AB [a1 b2] /x/y/", "4142|a1 b2|x/y");
        row("one-character later gloss kept", "AB [a1 b2] /xy/z/", "4142|a1 b2|xy|z");
        row("one-character reading is lost", "AB [a] /gloss/", "4142||gloss");
        row("leading blanks of a reading dropped", "AB [  a1] /gloss/", "4142|a1|gloss");
        const QByteArray ten = "g1/g2/g3/g4/g5/g6/g7/g8/g9/g10/";
        row("ten glosses", "AB [a1] /" + ten, "4142|a1|g1|g2|g3|g4|g5|g6|g7|g8|g9|g10");
        row("eleven glosses keep ten", "AB [a1] /" + ten + "g11/",
            "4142|a1|g1|g2|g3|g4|g5|g6|g7|g8|g9|g10 !E");
        row("no reading", "AB /g1/g2/", "4142||g1|g2");
        row("headword of digits only", "88 [ba1 ba1] /bye/", "|ba1 ba1|bye");
        row("comment line", "# CC-CEDICT", " !H");
        row("headword of 29 bytes", QByteArray(29, 'A') + " [a1] /gh/",
            QByteArray("41").repeated(29) + "|a1|gh");
        row("headword of 30 bytes is too long", QByteArray(30, 'A') + " [a1] /g/", " !H");
        row("unclosed reading: glosses after the next slash", "AB [pin1 yin1 /g1/g2/",
            "4142||g1|g2 !U");
        row("reading without glosses", "AB [a1 b2]", "4142|a1 b2");
        row("unterminated first gloss", "AB [a1 b2] /gloss", "4142|a1 b2 !C");
        row("trailing blank ends the glosses", "AB [a1 b2] /g1/g2/ ", "4142|a1 b2|g1|g2");
        row("unterminated later gloss", "AB [a1 b2] /g1/g2/tail", "4142|a1 b2|g1|g2 !C");
        row("first gloss of 150", "AB [a1] /" + QByteArray(150, 'f') + "/s/t/",
            "4142|a1|" + QByteArray(150, 'f') + "|s|t");
        row("first gloss of 151", "AB [a1] /" + QByteArray(151, 'f') + "/s/", "4142|a1 !C");
        row("second gloss of 60", "AB [a1] /ff/" + QByteArray(60, 's') + "/t/",
            "4142|a1|ff|" + QByteArray(60, 's') + "|t");
        row("second gloss of 61 ends the line", "AB [a1] /ff/" + QByteArray(61, 's') + "/t/",
            "4142|a1|ff !C");
        utf8("entry", u"中國 中国 [Zhong1 guo2] /China/"_s, u"中國|中国|Zhong1 guo2|China"_s);
        utf8("blanks everywhere", u"  中 中  [ zhong1 ]  / a /b  \r\n"_s, u"中|中|zhong1|a|b"_s);
        utf8("empty glosses dropped", u"中 中 [zhong1] /a//b/"_s, u"中|中|zhong1|a|b"_s);
        utf8("brackets inside a gloss", u"看 看 [kan4] /see 見|见[jian4]/"_s,
             u"看|看|kan4|see 見|见[jian4]"_s);
        utf8("no reading", u"中 中 /middle/"_s, u"中|中||middle"_s);
        utf8("comment", u"# CC-CEDICT"_s, QString());
        utf8("blank", u" \t"_s, QString());
        utf8("one headword", u"中 [zhong1] /middle/"_s, QString());
        utf8("unclosed reading", u"中 中 [zhong1 /a/"_s, QString());
        utf8("no glosses", u"中 中 [zhong1]"_s, QString());
        utf8("reading without brackets", u"中 中 zhong1 /a/"_s, QString());
    }

    void lines()
    {
        QFETCH(bool, utf8);
        QFETCH(QByteArray, line);
        const std::optional<Utf8Line> entry = Utf8Line::parse(QString::fromUtf8(line));
        const QStringList parts =
            entry ? QStringList{entry->traditional, entry->simplified, entry->reading} +
                        entry->glosses
                  : QStringList();
        QTEST(utf8 ? parts.join(u'|').toUtf8() : describe(Big5Line::parse(line)), "pieces");
    }
};

QTEST_GUILESS_MAIN(TestCedictLines)
#include "tst_cedictlines.moc"
