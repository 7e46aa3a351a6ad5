// The input method with the dictionary behind it: words from a tiny word table built here,
// ranked by a tiny frequency store, then the characters of the first syllable; and the same on
// the real stores when the data build has made them.

#include "dictionary/charactercode.h"
#include "dictionary/frequencies.h"
#include "dictionary/wordindex.h"
#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"
#include "tests/common/frequencystore.h"
#include "tests/common/storebuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Traditional form|reading|gloss|count of each word, in table order; 0: not in the frequency
// list. Simplified forms come from the character table.
const QStringList tinyWords =
    u"鐘鼓|zhong1 gu3|bells and drums|0; 中古|Zhong1 Gu3|Sino-Cuban|0; 中古|zhong1 gu3|medieval|0; "
    u"中共|zhong1 gong4|Chinese Communist Party|300; 中國|Zhong1 guo2|China|1000; "
    u"重工|zhong4 gong1|heavy industry|400; 中國人|Zhong1 guo2 ren2|Chinese person|200; "
    u"中|zhong1|middle|5000; 中|zhong4|to hit|10; 綠色|lu:4 se4|green|50; 我們|wo3 men5|we|900; "
    u"西安|Xi1 an1|Xi'an|80; 乾杯|gan1 bei1|cheers!|20; 哪兒|nar3|where|5"_s.split(u"; "_s);

bool buildTinyFolder(const QString &folder)
{
    QList<TestStores::Row> words;
    // Counts go in under the traditional form: the index must find them for either form.
    QList<QVariantList> counts;
    for (const QString &word : tinyWords) {
        const QStringList w = word.split(u'|');
        words << TestStores::Row{{WordField::teckenkoder, CharacterCode::codeString(w[0])},
                                 {WordField::pinyin, w[1]},
                                 {WordField::translation(1), w[2]}};
        if (w[3] != u"0")
            counts << QVariantList{w[0], w[3].toLongLong()};
    }
    QList<TestStores::Row> characters;
    for (const QString &forms : u"國国 們们 綠绿 乾干 鐘钟"_s.split(u' '))
        characters << TestStores::Row{
            {CharacterField::teckenkod, CharacterCode::fromCharacter(forms.at(0))},
            {CharacterField::forenklaform, CharacterCode::fromCharacter(forms.at(1))}};
    return TestStores::words(Tables::storePath(folder, Tables::wordStore), words) &&
           TestStores::characters(Tables::storePath(folder, Tables::characterStore), characters) &&
           TestStores::frequencies(folder, counts);
}

QStringList texts(const QList<Candidate> &candidates, qsizetype from = 0, qsizetype count = -1)
{
    QStringList list;
    for (const Candidate &c : candidates.mid(from, count))
        list << c.text;
    return list;
}

// The characters the syllable table in memory lists for exactly this syllable (or, alone,
// for every syllable it begins).
QStringList characters(const QString &syllable, bool alone)
{
    SyllableEntry range{QString(), -1, 0};
    if (alone) {
        range = findSyllableRange(syllable);
    } else {
        for (const SyllableEntry &entry : std::as_const(SyllableIndex)) {
            if (entry.syllable == syllable)
                range = entry;
        }
    }
    QStringList list;
    for (int i = int(range.first); range.first >= 0 && i <= int(range.last); ++i)
        list << CandidateList.at(i);
    return list;
}

// The input method over a word index, with one syllable table loaded.
struct Session
{
    explicit Session(const WordIndex *index, bool traditional = false)
    {
        traditional ? loadTraditionalTable() : loadSimplifiedTable();
        input.setWordSource(index);
    }

    InputMethod input;
    QString document;

    void type(QStringView keys)
    {
        for (const QChar ch : keys)
            document += input.press(KeyStroke::typed(ch)).insert;
    }
};

} // namespace

class TestWordInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    std::shared_ptr<const WordIndex> m_index;

private slots:
    void initTestCase()
    {
        QVERIFY(buildTinyFolder(m_folder.path()));
        m_index = WordIndex::build(m_folder.path(), Frequencies(m_folder.path()));
        // Every word but 哪兒, whose reading is not one syllable a character.
        QCOMPARE(m_index->size(), tinyWords.size() - 1);
    }

    void candidates_data()
    {
        QTest::addColumn<QString>("typed"); // put into the box whole, as a paste
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<QString>("words");      // expected words, in order
        QTest::addColumn<QString>("characters"); // the syllable whose characters follow

        const auto row = [](const char *name, const QString &typed, bool traditional,
                            const QString &words, const QString &characters) {
            QTest::newRow(name) << typed << traditional << words << characters;
        };
        row("a word", u"zhongguo"_s, false, u"中国"_s, u"zhong"_s);
        row("last syllable begun: by frequency, then common before names", u"zhongg"_s, false,
            u"中国 重工 中共 钟鼓 中古"_s, u"zhong"_s);
        row("traditional keeps its forms", u"zhongg"_s, true, u"中國 重工 中共 鐘鼓 中古"_s,
            u"zhong"_s);
        row("a typed tone must match", u"zhong1g"_s, false, u"中国 中共 钟鼓 中古"_s, u"zhong"_s);
        row("a wrong tone leaves characters", u"zhongguo3"_s, false, QString(), u"zhong"_s);
        row("tone digits", u"zhong1guo2"_s, false, u"中国"_s, u"zhong"_s);
        row("longest first", u"zhongguoren"_s, false, u"中国人 中国"_s, u"zhong"_s);
        row("begun third syllable", u"zhongguor"_s, false, u"中国人 中国"_s, u"zhong"_s);
        row("v", u"lvse"_s, false, u"绿色"_s, u"lu:"_s);
        row("apostrophe", u"xi'an"_s, false, u"西安"_s, u"xi"_s);
        row("one syllable: characters alone", u"xian"_s, false, QString(), u"xian"_s);
        row("ü alone", u"lv"_s, false, QString(), u"lu:"_s);
        row("simplified from the character table", u"ganbei"_s, false, u"干杯"_s, u"gan"_s);
        row("unknown second syllable", u"zhongzhong"_s, false, QString(), u"zhong"_s);
    }
    void candidates()
    {
        QFETCH(QString, typed);
        QFETCH(bool, traditional);
        QFETCH(QString, words);
        QFETCH(QString, characters);
        Session s(m_index.get(), traditional);
        s.input.edited(typed, int(typed.size()));
        const QStringList expectedWords = words.split(u' ', Qt::SkipEmptyParts);
        const QList<Candidate> &shown = s.input.candidates();
        QCOMPARE(texts(shown, 0, expectedWords.size()), expectedWords);
        const bool alone = PinyinRun::split(typed).size() == 1;
        QCOMPARE(texts(shown, expectedWords.size()), ::characters(characters, alone));
        QVERIFY(!s.input.candidateLine().isEmpty());
    }

    // Choosing a candidate takes its syllables out of the box; the rest is looked up anew.
    void partialChoice_data()
    {
        QTest::addColumn<QString>("keys"); // typed key by key
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("firstShown"); // the first candidate now, "" none

        QTest::newRow("word of two, one left")
            << u"zhongguoren2"_s << u"中国"_s << u"ren"_s << characters(u"ren"_s, true).value(0);
        QTest::newRow("the whole run")
            << u"zhongguoren1"_s << u"中国人"_s << QString() << QString();
        QTest::newRow("a character leaves two")
            << u"zhongguoren3"_s << characters(u"zhong"_s, false).value(0) << u"guoren"_s
            << characters(u"guo"_s, false).value(0);
        QTest::newRow("space chooses, then the next word")
            << u"women shi "_s << u"我们"_s + characters(u"shi"_s, true).value(0) << QString()
            << QString();
        QTest::newRow("choices one after the other")
            << u"zhongguoren22"_s << u"中国"_s + characters(u"ren"_s, true).value(1) << QString()
            << QString();
        QTest::newRow("paging keeps the rest")
            << u"zhongguoren2."_s << u"中国"_s << u"ren"_s << characters(u"ren"_s, true).value(10);
    }
    void partialChoice()
    {
        QFETCH(QString, keys);
        Session s(m_index.get());
        s.type(keys);
        QTEST(s.document, "document");
        QTEST(s.input.input(), "input");
        QFETCH(QString, firstShown);
        QCOMPARE(s.input.candidates().isEmpty() || s.input.candidateLine().isEmpty()
                     ? QString()
                     : s.input.candidates().value(s.input.pageStart()).text,
                 firstShown);
    }

    // A tone digit typed inside the run (the caret moved back) is a tone, not a choice.
    void toneTypedInsideTheRun()
    {
        Session s(m_index.get());
        s.type(u"zhonggong"_s);
        QCOMPARE(texts(s.input.candidates(), 0, 2), (QStringList{u"重工"_s, u"中共"_s}));
        s.input.setInput(s.input.input(), 5);
        s.type(u"1"_s);
        QCOMPARE(s.document, QString());
        QCOMPARE(s.input.input(), u"zhong1gong"_s);
        QCOMPARE(texts(s.input.candidates(), 0, 1), QStringList{u"中共"_s});
    }

    void glossLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("down"); // presses of the down arrow
        QTest::addColumn<QString>("gloss");
        QTest::addColumn<int>("option");
        QTest::newRow("the first shown") << u"zhongguo"_s << 0 << u"zhōng guó  China"_s << -1;
        QTest::newRow("a character, in the reading typed")
            << u"zhongguo"_s << 2 << u"zhōng  middle"_s << 2;
        QTest::newRow("ü marked") << u"lvse"_s << 0 << u"lǜ sè  green"_s << -1;
        QTest::newRow("as frequent: the common word before the name")
            << u"zhonggu3"_s << 2 << u"zhōng gǔ  medieval"_s << 2;
    }
    void glossLine()
    {
        QFETCH(QString, typed);
        QFETCH(int, down);
        Session s(m_index.get());
        InputMethod &input = s.input;
        input.edited(typed, int(typed.size()));
        for (int i = 0; i < down; ++i)
            input.press({Qt::Key_Down, Qt::NoModifier, QString(), KeyStroke::rowUnknown});
        QTEST(input.glossLine(), "gloss");
        QTEST(input.checkedOption(), "option");
        // The tooltip of the candidate under the line's first number says the same.
        QVERIFY(input.describe(input.candidateAt(2)).startsWith(input.candidates().at(0).text));
    }

    // Shift+digit previews a candidate; the gloss line follows it although the box, looked up
    // again, switches the option buttons off.
    void glossLine_followsTheShiftDigitPreview()
    {
        Session s(m_index.get());
        InputMethod &input = s.input;
        for (const QChar ch : u"zhongguoren")
            input.press(KeyStroke::typed(ch));
        input.press({Qt::Key_At, Qt::ShiftModifier, u"@"_s, 2});
        QCOMPARE(input.preview(), u"中国"_s);
        QCOMPARE(input.checkedOption(), -1);
        QCOMPARE(input.glossLine(), u"zhōng guó  China"_s);
        input.press(KeyStroke::typed(u'r'));
        QCOMPARE(input.preview(), QString());
        QCOMPARE(input.glossLine(), u"zhōng guó rén  Chinese person"_s);
    }

    void candidateAt_findsTheCandidateUnderAPosition()
    {
        Session s(m_index.get());
        InputMethod &input = s.input;
        input.edited(u"zhongguo"_s, 8);
        const QString line = input.candidateLine(); // "  1 中国 2 中 ..."
        QCOMPARE(input.candidateAt(line.indexOf(u"中国")), 0);
        QCOMPARE(input.candidateAt(line.indexOf(u"2 ")), 1);
        QCOMPARE(input.candidateAt(0), -1);
        QCOMPARE(input.candidateAt(int(line.size()) + 5), -1);
        QCOMPARE(input.describe(0), u"中国  zhōng guó  China"_s);
    }

    void realData_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("firstShown");
        QTest::newRow("a sentence")
            << u"women shi zhongguoren "_s << false << u"我们是中国人"_s << QString();
        QTest::newRow("traditional") << u"zhongguo"_s << true << QString() << u"中國"_s;
        QTest::newRow("lvse") << u"lvse"_s << false << QString() << u"绿色"_s;
        QTest::newRow("zhongg") << u"zhongg"_s << false << QString() << u"中国"_s;
    }
    void realData()
    {
        const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
        if (!QFile::exists(Tables::storePath(folder, Tables::wordStore)) ||
            !QFile::exists(QDir(folder).filePath(Frequencies::storeFile)))
            QSKIP("the program folder has no word table or frequency.db (build ordbok_data)");
        static const std::shared_ptr<const WordIndex> index =
            WordIndex::build(folder, Frequencies(folder));
        QFETCH(QString, keys);
        QFETCH(bool, traditional);
        Session s(index.get(), traditional);
        s.type(keys);
        QTEST(s.document, "document");
        QFETCH(QString, firstShown);
        if (!firstShown.isEmpty())
            QCOMPARE(s.input.candidates().value(0).text, firstShown);
    }
};

QTEST_GUILESS_MAIN(TestWordInput)
#include "tst_wordinput.moc"
