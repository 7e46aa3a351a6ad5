#include "print/rubysegmenter.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<RubySegment>)

namespace {

ReadingTable smallTable()
{
    ReadingTable table;
    table.addWord(u"中國"_s, u"Zhong1 guo2"_s);
    table.addWord(u"中國人"_s, u"Zhong1 guo2 ren2"_s);
    table.addWord(u"學習"_s, u"xue2 xi2"_s);
    table.addWord(u"女兒"_s, u"nuu3 er2"_s);
    table.addWord(u"學習"_s, u"xue2 xi5"_s); // a later entry for the same word is not taken
    table.addWord(u"一二三四五六七八九"_s, u"yi1 er4 san1 si4 wu3 liu4 qi1 ba1 jiu3"_s);
    table.addCharacter(u"国"_s, {u"國"_s, u"guo2"_s, u"country"_s});
    table.addCharacter(u"学"_s, {u"學"_s, u"xue2"_s, u"learn"_s});
    table.addCharacter(u"习"_s, {u"習"_s, u"xi2"_s, u"practise"_s});
    table.addCharacter(u"儿"_s, {u"兒"_s, u"er2"_s, u"son"_s});
    table.addCharacter(u"我"_s, {{}, u"wo3"_s, u"I"_s});
    table.addCharacter(u"人"_s, {{}, u"ren2"_s, u"person"_s});
    table.addCharacter(u"一"_s, {{}, u"yi1"_s, u"one"_s});
    table.addCharacter(u"二"_s, {{}, u"er4"_s, u"two"_s});
    return table;
}

} // namespace

class TestRubySegmenter : public QObject
{
    Q_OBJECT
private slots:
    void segments_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<RubySegment>>("segments");
        using L = QList<RubySegment>;
        QTest::newRow("traditional word") << u"中國"_s << L{{u"中國"_s, u"zhōngguó"_s}};
        QTest::newRow("simplified finds the traditional word")
            << u"中国"_s << L{{u"中国"_s, u"zhōngguó"_s}};
        QTest::newRow("longest word wins") << u"中國人"_s << L{{u"中國人"_s, u"zhōngguórén"_s}};
        QTest::newRow("first entry of a word") << u"学习"_s << L{{u"学习"_s, u"xuéxí"_s}};
        QTest::newRow("ü with its mark") << u"女儿"_s << L{{u"女儿"_s, u"nǚér"_s}};
        QTest::newRow("characters in no word read alone")
            << u"我人中國"_s
            << L{{u"我"_s, u"wǒ"_s}, {u"人"_s, u"rén"_s}, {u"中國"_s, u"zhōngguó"_s}};
        QTest::newRow("unknown character keeps an empty reading")
            << u"我丂"_s << L{{u"我"_s, u"wǒ"_s}, {u"丂"_s, {}}};
        QTest::newRow("words are at most eight characters")
            << u"一二三四五六七八九"_s << L{{u"一"_s, u"yī"_s}, {u"二"_s, u"èr"_s}, {u"三"_s, {}},
                                            {u"四"_s, {}},      {u"五"_s, {}},      {u"六"_s, {}},
                                            {u"七"_s, {}},      {u"八"_s, {}},      {u"九"_s, {}}};
        QTest::newRow("latin cut after blanks") << u"I am 中國人 ok"_s
                                                << L{{u"I "_s, {}},
                                                     {u"am "_s, {}},
                                                     {u"中國人"_s, u"zhōngguórén"_s},
                                                     {u" "_s, {}},
                                                     {u"ok"_s, {}}};
        QTest::newRow("punctuation between words")
            << u"中國，學習。"_s
            << L{{u"中國"_s, u"zhōngguó"_s}, {u"，"_s, {}}, {u"學習"_s, u"xuéxí"_s}, {u"。"_s, {}}};
        QTest::newRow("a word does not reach over punctuation")
            << u"中,國"_s << L{{u"中"_s, {}}, {u","_s, {}}, {u"國"_s, {}}};
        QTest::newRow("character outside the BMP is one piece")
            << u"我\U00020000人"_s
            << L{{u"我"_s, u"wǒ"_s}, {u"\U00020000"_s, {}}, {u"人"_s, u"rén"_s}};
        QTest::newRow("empty line") << QString() << L{};
    }
    void segments()
    {
        QFETCH(QString, line);
        QFETCH(QList<RubySegment>, segments);
        const ReadingTable table = smallTable();
        const QList<RubySegment> found = RubySegmenter(table).segment(line);
        if (found != segments) {
            for (const RubySegment &s : found)
                qWarning() << s.base << s.reading;
        }
        QCOMPARE(found, segments);
        QString joined;
        for (const RubySegment &s : found)
            joined += s.base;
        QCOMPARE(joined, line); // nothing lost, nothing added
    }
};

QTEST_GUILESS_MAIN(TestRubySegmenter)
#include "tst_rubysegmenter.moc"
