#include "cedict/studylist.h"
#include "tests/common/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStudyList : public QObject
{
    Q_OBJECT
private slots:
    void lineAt_data();
    void lineAt();
    void appendKeepsEarlierLines_data();
    void appendKeepsEarlierLines();
    void flashcard_data();
    void flashcard();
    void exportWritesTabSeparatedCards();
};

void TestStudyList::lineAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("line");

    QTest::newRow("first line") << u"ab\ncd"_s << 0 << u"ab"_s;
    QTest::newRow("caret on a line end") << u"ab\ncd"_s << 2 << u"ab"_s;
    QTest::newRow("start of the next line") << u"ab\ncd"_s << 3 << u"cd"_s;
    QTest::newRow("last line, no line end") << u"ab\ncd"_s << 5 << u"cd"_s;
    QTest::newRow("empty last line") << u"ab\n"_s << 3 << QString();
    QTest::newRow("caret past the end") << u"ab"_s << 99 << u"ab"_s;
}

void TestStudyList::lineAt()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, line);
    const StudyList::TextLine found = StudyList::lineAt(text, caret);
    QCOMPARE(text.sliced(found.start, found.length), line);
}

void TestStudyList::appendKeepsEarlierLines_data()
{
    QTest::addColumn<QByteArray>("before"); // nothing: no file
    QTest::addColumn<QByteArray>("after");

    const QByteArray line = "\xE6\xB0\xB4 [shui3] /water/"; // 水 in UTF-8
    QTest::newRow("new list") << QByteArray() << line + '\n' + line + '\n';
    QTest::newRow("last line without its end")
        << QByteArray("old") << "old\n" + line + '\n' + line + '\n';
    // Lines saved in Big5 by earlier versions stay byte for byte; the file's CR LF is kept.
    QTest::newRow("Big5 list with CR LF") << QByteArray("\xA4\xF4 [shui3]\r\n")
                                          << "\xA4\xF4 [shui3]\r\n" + line + "\r\n" + line + "\r\n";
}

void TestStudyList::appendKeepsEarlierLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(StudyList::fileName);
    if (!before.isEmpty())
        QVERIFY(TestFiles::write(path, before));
    for (int i = 0; i < 2; ++i)
        QVERIFY(StudyList::append(dir.path(), u" 水 [shui3] /water/\r"_s));
    QVERIFY(StudyList::append(dir.path(), u"  "_s)); // a blank line adds nothing
    QCOMPARE(TestFiles::read(path), after);
    QCOMPARE(StudyList::lines(dir.path()).last(), u"水 [shui3] /water/"_s);
}

void TestStudyList::flashcard_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("entry");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("pinyin");
    QTest::addColumn<QString>("english");

    QTest::newRow("entry") << u"水 [shui3] /water/river/"_s << true << u"水"_s << u"shuǐ"_s
                           << u"water; river"_s;
    QTest::newRow("neutral tone") << u"一水兒 [yi1 shui3 r5] /(coll.) the same/"_s << true
                                  << u"一水兒"_s << u"yī shuǐ r"_s << u"(coll.) the same"_s;
    QTest::newRow("u colon") << u"女 [nu:3] /female/"_s << true << u"女"_s << u"nǚ"_s
                             << u"female"_s;
    QTest::newRow("u colon, neutral") << u"綠 [lu:5] /x/"_s << true << u"綠"_s << u"lü"_s << u"x"_s;
    QTest::newRow("end marker") << u"****** Search completed ******"_s << false << QString()
                                << QString() << QString();
    QTest::newRow("no glosses") << u"水 [shui3]"_s << false << QString() << QString() << QString();
}

void TestStudyList::flashcard()
{
    QFETCH(QString, line);
    QFETCH(bool, entry);
    const std::optional<StudyList::Flashcard> card = StudyList::flashcard(line);
    QCOMPARE(card.has_value(), entry);
    if (!entry)
        return;
    QTEST(card->characters, "characters");
    QTEST(card->pinyin, "pinyin");
    QTEST(card->english, "english");
}

void TestStudyList::exportWritesTabSeparatedCards()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"cards.tsv"_s);
    // No list, no cards: nothing is written.
    QVERIFY(!StudyList::exportFlashcards(dir.path(), target).error.isEmpty());
    QVERIFY(!QFile::exists(target));

    QVERIFY(TestFiles::write(dir.filePath(StudyList::fileName),
                             "\xA4\xF4 [shui3] /water/\r\n" // Big5, from an earlier version
                             "****** Search completed ******\r\n"
                             "\xE8\xAA\xAA [shuo1] /\"quoted\"/to\tsay/\r\n"));
    const StudyList::ExportSummary summary = StudyList::exportFlashcards(dir.path(), target);
    QVERIFY2(summary.error.isEmpty(), qPrintable(summary.error));
    QCOMPARE(summary.cards, 2);
    QCOMPARE(summary.skipped, 1);
    QCOMPARE(QString::fromUtf8(TestFiles::read(target)),
             u"水\tshuǐ\twater\n說\tshuō\t\"\"\"quoted\"\"; to say\"\n"_s);
}

QTEST_GUILESS_MAIN(TestStudyList)
#include "tst_studylist.moc"
