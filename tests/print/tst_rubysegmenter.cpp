#include "print/rubysegmenter.h"
#include "tests/print/smallreadingtable.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRubySegmenter : public QObject
{
    Q_OBJECT
private slots:
    void segments_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("segments"); // base:reading, joined by |
        const auto row = [](const char *tag, const QString &line, const QString &segments) {
            QTest::newRow(tag) << line << segments;
        };
        row("traditional word", u"中國"_s, u"中國:zhōngguó"_s);
        row("simplified finds the traditional word", u"中国"_s, u"中国:zhōngguó"_s);
        row("longest word wins", u"中國人"_s, u"中國人:zhōngguórén"_s);
        row("first entry of a word", u"学习"_s, u"学习:xuéxí"_s);
        row("ü with its mark", u"女儿"_s, u"女儿:nǚér"_s);
        row("characters in no word read alone", u"我人中國"_s, u"我:wǒ|人:rén|中國:zhōngguó"_s);
        row("unknown character keeps an empty reading", u"我丂"_s, u"我:wǒ|丂:"_s);
        row("words are at most eight characters", u"一二三四五六七八九"_s,
            u"一:yī|二:èr|三:|四:|五:|六:|七:|八:|九:"_s);
        row("latin cut after blanks", u"I am 中國人 ok"_s, u"I :|am :|中國人:zhōngguórén| :|ok:"_s);
        row("punctuation between words", u"中國，學習。"_s, u"中國:zhōngguó|，:|學習:xuéxí|。:"_s);
        row("a word does not reach over punctuation", u"中,國"_s, u"中:|,:|國:"_s);
        row("character outside the BMP is one piece", u"我\U00020000人"_s,
            u"我:wǒ|\U00020000:|人:rén"_s);
        row("empty line", QString(), QString());
    }
    void segments()
    {
        QFETCH(QString, line);
        const ReadingTable table = smallReadingTable();
        QStringList found;
        QString joined;
        for (const RubySegment &s : RubySegmenter(table).segment(line)) {
            found << s.base + u':' + s.reading;
            joined += s.base;
        }
        QTEST(found.join(u'|'), "segments");
        QCOMPARE(joined, line); // nothing lost, nothing added
    }
};

QTEST_GUILESS_MAIN(TestRubySegmenter)
#include "tst_rubysegmenter.moc"
