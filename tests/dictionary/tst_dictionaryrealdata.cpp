// Checks on the real stores of the program folder; skipped until the data build has run.

#include "dictionary/charactercode.h"
#include "dictionary/readinglist.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/wordsearch.h"
#include "pinyin/tonemarks.h"
#include "platform/sqliteconnection.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDictionaryRealData : public QObject
{
    Q_OBJECT

    std::unique_ptr<DictionaryTables> m_tables;

    // Enter, then "Search more" twice: the records shown and the field Text9 shows.
    QStringList walk(const QString &text, bool english, bool indexed)
    {
        m_tables->words.setSearchIndexEnabled(indexed);
        m_tables->words.moveFirst();
        WordSearch search(*m_tables);
        QStringList shown;
        for (const WordSearch::Kind kind :
             {WordSearch::FromStart, WordSearch::Onwards, WordSearch::Onwards}) {
            const bool found =
                english ? search.findEnglish(text, kind) : search.findPinyin(text, kind);
            shown << u"%1 %2 "_s.arg(found).arg(m_tables->words.currentRowId()) +
                         search.text9Field();
        }
        m_tables->words.setSearchIndexEnabled(true);
        return shown;
    }

private slots:
    void init()
    {
        const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
        for (QLatin1StringView store :
             {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
            if (!QFile::exists(Tables::storePath(folder, store)))
                QSKIP("the program folder has no stores yet (build ordbok_data)");
        }
        m_tables = std::make_unique<DictionaryTables>();
        QVERIFY(m_tables->open(folder));
        QVERIFY(m_tables->words.usesSearchIndex());
    }

    void indexedSearchFindsWhatAScanFinds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        for (const QString &text :
             {u"Water"_s, u"into space"_s, u"definately"_s, u"(abbr.)"_s, u"100%"_s, u"a_b"_s,
              u"wat*r?"_s, u"ox"_s, u"Yúnnán"_s, u"o'clock"_s})
            QTest::newRow(qPrintable(text)) << text << true;
        for (const QString &text : {u"shui3"_s, u"Zhong1 guo2"_s, u"lu:4"_s})
            QTest::addRow("pinyin %s", qPrintable(text)) << text << false;
    }

    void indexedSearchFindsWhatAScanFinds()
    {
        QFETCH(QString, text);
        QFETCH(bool, english);
        QCOMPARE(walk(text, english, true), walk(text, english, false));
    }

    // Every reading of both tables shown with its marks: no tone digit 1 to 4 left over,
    // whether the table writes ü as "uu" or as "u:".
    void everyReadingIsToneMarked_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("field");
        QTest::newRow("words") << QString(Tables::wordStore) << QString(WordField::pinyin);
        QTest::newRow("characters")
            << QString(Tables::characterStore) << QString(CharacterField::pinyin1);
    }

    void everyReadingIsToneMarked()
    {
        QFETCH(QString, store);
        QFETCH(QString, field);
        SqliteConnection connection(Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR),
                                                      QLatin1StringView(store.toLatin1())),
                                    SqliteConnection::Mode::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(u"SELECT %1 FROM %2"_s.arg(field, Tables::tableName)));
        // Capitals ("E2 guo2") and syllabic m and n ("ng2") are marked like the rest.
        static const QRegularExpression toned(u"[A-Za-z:]+[1-4]"_s);
        int readings = 0;
        QStringList unmarked;
        while (query.next()) {
            const QString rendered = toneNumbersToUnicode(query.value(0).toString());
            ++readings;
            for (const QRegularExpressionMatch &syllable : toned.globalMatch(rendered)) {
                if (syllable.hasMatch() && unmarked.size() < 5)
                    unmarked << rendered;
            }
        }
        QVERIFY(readings > 1000);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u" | "_s)));
    }

    // 中國 shown and read from the shipped stores: the forms, radical keys and readings linked.
    void wordAndReadings()
    {
        const QString zhongGuo = CharacterCode::codeString(u"中國");
        m_tables->words.findFirst(SearchCriteria::wordCodes(zhongGuo));
        const WordView traditional = showWordTraditional(*m_tables);
        QCOMPARE(traditional.characters, u"中國"_s);
        QCOMPARE(traditional.radicalSlots.value(1).key, u"31.8"_s);
        QCOMPARE(showWordSimplified(*m_tables).characters, u"中国"_s);
        const QString readings = readingList(*m_tables, Reading::Mandarin, zhongGuo, true).text;
        QVERIFY2(readings.startsWith(u"中,  zhōng, "_s), qPrintable(readings));
        QVERIFY2(readings.contains(u"\r\n国,  guó, "_s), qPrintable(readings));
    }
};

QTEST_GUILESS_MAIN(TestDictionaryRealData)
#include "tst_dictionaryrealdata.moc"
