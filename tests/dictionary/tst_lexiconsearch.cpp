// The one search box's search, on a few real CC-CEDICT entries in a tiny program folder, and
// on the real program folder once the data build has run.

#include "dictionary/charactercode.h"
#include "dictionary/frequencies.h"
#include "dictionary/lexiconsearch.h"
#include "dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::word;

namespace {

QString codes(const QString &characters)
{
    return CharacterCode::codeString(characters);
}

} // namespace

class TestLexiconSearch : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    Lexicon m_lexicon;

    // Simplified headwords of the first count hits, joined by blanks.
    QString first(const QString &query, int count = 100)
    {
        LexiconResults results = LexiconSearch(m_lexicon).find(query);
        QStringList shown;
        for (const LexiconHit &hit : results.hits(0, count))
            shown << m_lexicon.at(hit.entry).simplified;
        return shown.join(u' ');
    }

private slots:
    void initTestCase()
    {
        // Headword|reading|glosses of each entry; traditional characters and simplified forms.
        QList<TestStores::Row> words, characters;
        for (const QString &entry :
             {u"中國|Zhong1 guo2|China"_s, u"中國人|Zhong1 guo2 ren2|Chinese person"_s,
              u"漢語|Han4 yu3|Chinese language"_s, u"水|shui3|water|river|liquid"_s,
              u"水泥|shui3 ni2|cement"_s, u"口水|kou3 shui3|saliva"_s, u"睡|shui4|to sleep"_s,
              u"說|shui4|to persuade"_s, u"綠|lu:4|green"_s, u"學習|xue2 xi2|to learn|to study"_s,
              u"我|wo3|I|me|my"_s, u"喜歡|xi3 huan5|to like|to be fond of"_s,
              u"西安|Xi1 an1|Xi'an"_s, u"先|xian1|early|prior|first"_s, u"瀑布|pu4 bu4|waterfall"_s,
              u"澆|jiao1|to water|to irrigate"_s, u"水手|shui3 shou3|mariner|water man"_s}) {
            const QStringList fields = entry.split(u'|');
            words << word(codes(fields[0]), fields[1], fields.mid(2));
        }
        for (const QString &forms : u"國国 漢汉 語语 說说 綠绿 學学 習习 歡欢 澆浇"_s.split(u' '))
            characters << DictionaryFixture::character(
                codes(forms.first(1)), u"1.0"_s, u"x"_s, {u"x"_s},
                {{CharacterField::forenklaform, codes(forms.sliced(1))}});
        QVERIFY(m_folder.build(words, characters));
        m_lexicon = Lexicon::load(m_folder.path());
        QCOMPARE(m_lexicon.size(), 17);
    }

    // The line of the first hit; plain words and xi'an come first in ranking below.
    void firstResult_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("traditional"); // the traditional form first in the line
        QTest::addColumn<QString>("line");
        const QString china = u"中国 [中國]  Zhōng guó  China"_s;
        const QString chinese = u"汉语 [漢語]  Hàn yǔ  Chinese language"_s;
        const QString water = u"水  shuǐ  water"_s, green = u"绿 [綠]  lǜ  green"_s;
        QTest::newRow("traditional word") << u"中國"_s << false << china;
        QTest::newRow("mixed forms") << u"汉語"_s << false << chinese;
        QTest::newRow("blanks around") << u"  漢语 "_s << false << chinese;
        QTest::newRow("traditional first")
            << u"汉语"_s << true << u"漢語 [汉语]  Hàn yǔ  Chinese language"_s;
        QTest::newRow("capitals") << u"SHUI3"_s << false << water;
        QTest::newRow("no spaces") << u"zhongguo"_s << false << china;
        QTest::newRow("spaces and numbers") << u"Zhong1 guo2"_s << false << china;
        QTest::newRow("marks, no spaces") << u"Zhōngguó"_s << false << china;
        QTest::newRow("v for u umlaut") << u"lv4"_s << false << green;
        QTest::newRow("u colon") << u"lu:4"_s << false << green;
        QTest::newRow("u umlaut, no tone") << u"lü"_s << false << green;
        QTest::newRow("no split: shorter word") << u"xian"_s << false << u"先  xiān  early"_s;
        QTest::newRow("english capitals") << u"Water"_s << false << water;
        QTest::newRow("english two words")
            << u"chinese  person"_s << false << u"中国人 [中國人]  Zhōng guó rén  Chinese person"_s;
    }
    void firstResult()
    {
        QFETCH(QString, query);
        QFETCH(bool, traditional);
        LexiconResults results = LexiconSearch(m_lexicon).find(query);
        const QList<LexiconHit> hits = results.hits(0, 1);
        QCOMPARE(hits.size(), 1);
        QTEST(LexiconSearch::line(m_lexicon.at(hits.first().entry), traditional), "line");
    }

    // Exact, then starts with, then contains, then inside a longer word; table order when no
    // word counts are known.
    void ranking_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("order");
        QTest::newRow("character") << u"水"_s << u"水 水泥 水手 口水"_s;
        QTest::newRow("word") << u"中国"_s << u"中国 中国人"_s;
        QTest::newRow("toneless reading") << u"shui"_s << u"水 睡 说 水泥 水手 口水"_s;
        QTest::newRow("tone 4 only") << u"shui4"_s << u"睡 说"_s;
        QTest::newRow("tone mark only") << u"shuǐ"_s << u"水 水泥 水手 口水"_s;
        QTest::newRow("syllable break kept") << u"xi'an"_s << u"西安"_s;
        QTest::newRow("no match inside a syllable") << u"ian"_s << QString();
        QTest::newRow("whole gloss, verb gloss, later gloss, inside a word")
            << u"water"_s << u"水 浇 水手 瀑布"_s;
        QTest::newRow("two letters: English only where a word starts") << u"ir"_s << u"浇"_s;
        QTest::newRow("three letters: inside words too") << u"irs"_s << u"先"_s;
        QTest::newRow("phrase in its words") << u"我喜欢学习汉语"_s << u"我 喜欢 学习 汉语"_s;
        QTest::newRow("nothing") << u"xyzzy"_s << QString();
        QTest::newRow("blank") << u"   "_s << QString();
        QTest::newRow("punctuation only") << u"?!"_s << QString();
    }
    void ranking()
    {
        QFETCH(QString, query);
        QTEST(first(query), "order");
    }

    // Counts order words within a kind of match, never across kinds.
    void countsRankWithinAMatch_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("order");
        QTest::newRow("reading") << u"shui"_s << u"说 睡 水 水手 水泥 口水"_s;
        QTest::newRow("character") << u"水"_s << u"水 水手 水泥 口水"_s;
    }
    void countsRankWithinAMatch()
    {
        QFETCH(QString, query);
        QFETCH(QString, order);
        const QHash<QString, quint64> counts{
            {u"说"_s, 900}, {u"睡"_s, 500}, {u"水"_s, 100}, {u"水手"_s, 50}, {u"口水"_s, 100000}};
        m_lexicon.setWordCounts(
            [&](const LexiconEntry &entry) { return counts.value(entry.simplified); });
        const QString shown = first(query);
        m_lexicon.setWordCounts({});
        QCOMPARE(shown, order);
    }

    // Pages asked for one by one give the order of one full sort, and the total counts each
    // word once even when it matches as pinyin and as English.
    void pagesAndTotal_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("total");
        QTest::newRow("reading") << u"shui"_s << 6;
        QTest::newRow("gloss and reading") << u"s"_s << 7;
        QTest::newRow("character") << u"水"_s << 4;
    }
    void pagesAndTotal()
    {
        QFETCH(QString, query);
        QFETCH(int, total);
        const LexiconSearch search(m_lexicon);
        LexiconResults whole = search.find(query);
        QCOMPARE(whole.total(), total);
        LexiconResults paged = search.find(query);
        QList<int> byPage, byWhole;
        for (qsizetype i = 0; i < paged.total(); i += 2) {
            for (const LexiconHit &hit : paged.hits(i, 2))
                byPage << hit.entry;
        }
        for (const LexiconHit &hit : whole.hits(0, total))
            byWhole << hit.entry;
        QCOMPARE(byPage, byWhole);
        QVERIFY(paged.hits(total, 5).isEmpty());
    }

    void missingStore_isEmpty()
    {
        QTemporaryDir empty;
        const Lexicon lexicon = Lexicon::load(empty.path());
        QVERIFY(lexicon.isEmpty());
        QCOMPARE(LexiconSearch(lexicon).find(u"water"_s).total(), 0);
    }

    // On the real word table: what a learner types first. With reading counts, a character's
    // rare reading no longer borrows its common reading's count.
    void realData_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("pinyin"); // empty: any reading, reading counts not needed
        QTest::newRow("中国") << u"中国"_s << u"中国"_s << QString();
        QTest::newRow("汉语") << u"汉语"_s << u"汉语"_s << QString();
        QTest::newRow("zhongguo") << u"zhongguo"_s << u"中国"_s << QString();
        QTest::newRow("shuǐ") << u"shuǐ"_s << u"水"_s << QString();
        QTest::newRow("water") << u"water"_s << u"水"_s << QString();
        QTest::newRow("shui: water, not shuì of 说") << u"shui"_s << u"水"_s << u"shui3"_s;
        QTest::newRow("shuo: 说 shuō") << u"shuo"_s << u"说"_s << u"shuo1"_s;
        QTest::newRow("le: the particle") << u"le"_s << u"了"_s << u"le5"_s;
        QTest::newRow("xing: 行 xíng, not xǐng of 省") << u"xing"_s << u"行"_s << u"xing2"_s;
    }
    void realData()
    {
        const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
        static const Lexicon real = Lexicon::load(folder);
        if (real.isEmpty())
            QSKIP("the program folder has no stores yet (build ordbok_data)");
        QFETCH(QString, query);
        QFETCH(QString, pinyin);
        if (!pinyin.isEmpty() && !Frequencies(folder).readingShare(U'了', u"le5"))
            QSKIP("the program folder's frequency.db has no reading counts yet");
        LexiconResults results = LexiconSearch(real).find(query);
        const QList<LexiconHit> hits = results.hits(0, 1);
        QCOMPARE(hits.size(), 1);
        const LexiconEntry &entry = real.at(hits.first().entry);
        QTEST(entry.simplified, "first");
        if (!pinyin.isEmpty())
            QCOMPARE(entry.pinyin.toLower(), pinyin);
    }
};

QTEST_GUILESS_MAIN(TestLexiconSearch)
#include "tst_lexiconsearch.moc"
