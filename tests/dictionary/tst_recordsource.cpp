#include "dictionary/searchcriteria.h"
#include "platform/recordsource.h"
#include "platform/sqliteconnection.h"
#include "tests/common/storebuilder.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Rows = QList<qint64>;

// Rowid order is search order. Chosen so that trigram folding (which knows É/é) and LIKE (which
// folds ASCII only) disagree, and so that % _ \ " ' and wildcards meet text that holds them.
static QList<TestStores::Row> wordRows()
{
    QList<TestStores::Row> rows{{}}; // 1: all null
    for (const QString &line :
         {u"shui3|water"_s, u"he2 shui3|river water|stream"_s, u"shui3 ni2|WATER"_s,
          u"bai3 fen1|100% pure"_s, u"xia4 hua2|under_score"_s, u"fan3|back\\slash"_s,
          u"ka1 fei1|café|CAFÉ au lait"_s, u"xiao4|say \"cheese\""_s, u"zhong1 wen2|ÉCOLE|école"_s,
          u"gu3|𠀀𠀁 old"_s, u"|"_s, u"shui3 shui3|water water"_s, u"Shui3|wa ter|1000%"_s,
          u"bu4|it's"_s}) {
        const QStringList fields = line.split(u'|'); // rows 2..15; row 12 empty, not null
        rows << TestStores::Row{{WordField::pinyin, fields[0]},
                                {WordField::translation(1), fields[1]}};
        if (fields.size() > 2)
            rows.last().insert(WordField::translation(2), fields[2]);
    }
    return rows;
}

// "field like operand", "field = operand", "summa = #12" for a number; empty for no criteria.
static QString describe(const std::optional<Criteria> &criteria)
{
    if (!criteria)
        return {};
    return u"%1 %2 %3%4"_s.arg(
        criteria->field, criteria->op == Criteria::Operator::Like ? u"like"_s : u"="_s,
        criteria->isNumber() ? u"#"_s : QString(), criteria->operand.toString());
}

class TestRecordSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_plain = m_dir.filePath(u"plain.mdb"_s);      // no index
    const QString m_indexFirst = m_dir.filePath(u"first.mdb"_s); // index filled by its triggers
    const QString m_indexAfter = m_dir.filePath(u"after.mdb"_s); // index over the rows there

    Rows walk(const QString &file, const QString &criteria, bool indexed)
    {
        RecordSource source;
        source.setSearchIndexEnabled(indexed);
        if (!source.open(file) || source.usesSearchIndex() != (indexed && file != m_plain))
            return {-1};
        // Criteria text as it comes from outside: parsed, then searched.
        const std::optional<Criteria> parsed = Criteria::parse(criteria);
        Rows found;
        for (source.findFirst(parsed); !source.noMatch(); source.findNext(parsed))
            found << source.currentRowId();
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestStores::words(m_plain, wordRows()));
        QVERIFY(TestStores::build(
            m_indexFirst,
            [](QSqlDatabase &db) {
                return Tables::createWordTable(db) && Tables::createWordSearchIndex(db);
            },
            wordRows()));
        QVERIFY(TestStores::words(m_indexAfter, wordRows()));
        SqliteConnection after(m_indexAfter, SqliteConnection::Mode::ReadWrite);
        QVERIFY(after.isOpen() && Tables::createWordSearchIndex(after.database()));
    }

    // Criteria text parsed, LIKE patterns, and the criteria the searches build from typed text.
    void criteria_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto parse = [](const char *tag, const QString &text, const QString &expected) {
            QTest::addRow("parse %s", tag) << describe(Criteria::parse(text)) << expected;
        };
        parse("LIKE, blanks", u" pinyin  LIKE '*zh*' "_s, u"pinyin like *zh*"_s);
        parse("like, no blank, empty", u"t1 like''"_s, u"t1 like "_s);
        parse("number", u"summa =-12"_s, u"summa = #-12"_s);
        parse("non-ascii, double quotes", u"t1 ='smörgås \"中\"'"_s, u"t1 = smörgås \"中\""_s);
        parse("doubled quote", u"t1 ='it''s'"_s, {});
        parse("no closing quote", u"pinyin ='hao3"_s, {});
        parse("trailing words", u"pinyin ='a' OR 1=1"_s, {});
        parse("decimal", u"summa =1.5"_s, {});
        parse("number with like", u"summa like 12"_s, {});
        parse("other operator", u"summa >12"_s, {});
        parse("field with blank", u"trans lation1 ='a'"_s, {});
        parse("too large", u"summa =99999999999999999999"_s, {});
        parse("empty", {}, {});
        QTest::newRow("like: star and question mark")
            << Criteria{u"f"_s, Criteria::Operator::Like, u"*h?o*"_s}.sqlLikePattern()
            << u"%h_o%"_s;
        const auto typed = [](const char *tag, const std::optional<Criteria> &criteria,
                              const QString &expected) {
            QTest::addRow("typed %s", tag) << describe(criteria) << expected;
        };
        using namespace SearchCriteria;
        typed("translation contains", translationContains(3, u"Wa"_s), u"translation3 like *wa*"_s);
        typed("translation equals", translationEquals(10, u"A B"_s), u"translation10 = a b"_s);
        typed("pinyin contains", pinyinContains(u"SHUI"_s), u"pinyin like *shui*"_s);
        typed("pinyin equals", pinyinEquals(u"Shui3"_s), u"pinyin = shui3"_s);
        typed("strokes, fraction", strokes(u"1.0"_s), {});
        // Quotes are text like any other; look-alike ones count as the ASCII ones.
        typed("apostrophe", translationContains(1, u"Down's"_s), u"translation1 like *down's*"_s);
        typed("curly apostrophe", translationEquals(2, u"Down\u2019s"_s),
              u"translation2 = down's"_s);
        typed("curly double quotes", pinyinContains(u"\u201Cer\u201D"_s),
              u"pinyin like *\"er\"*"_s);
    }

    void criteria()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void searchesFindWhatAScanFinds_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<Rows>("rows");
        const auto row = [](const char *tag, const QString &criteria, const Rows &rows) {
            QTest::newRow(tag) << criteria << rows;
        };
        const auto like = [&](const char *tag, const QString &pattern, const Rows &rows) {
            row(tag, u"translation1 like'"_s + pattern + u"'"_s, rows);
        };
        like("contains, any case", u"*WaTeR*"_s, {2, 3, 4, 13});
        like("from the start", u"water*"_s, {2, 4, 13});
        like("wildcard inside", u"*wa*er*"_s, {2, 3, 4, 13, 14});
        like("eight characters", u"*iver wat*"_s, {3});
        like("percent is no wildcard", u"*00%p*"_s, {});
        like("underscore is no wildcard", u"wat_r"_s, {});
        like("backslash", u"*k\\sl*"_s, {7});
        like("double quote", u"*y \"ch*"_s, {9});
        like("lone surrogate", u"*\xD800ter*"_s, {});
        // A pasted page is narrowed by its start; the whole of it still decides.
        like("long text, its start in rows", u"*water"_s + QString(400, u'x') + u'*', {});
        like("long text, many runs", u"*wat?r*"_s.repeated(500), {});
        like("outside the BMP", u"*𠀁 *"_s, {11});
        // LIKE folds ASCII letters only: the index finds CAFÉ and école, the criteria refuses them.
        row("accented, other case", u"translation2 like'*café*'"_s, {});
        row("accented, ascii case only", u"translation2 like'*cafÉ*'"_s, {8});
        row("stars skip nulls", u"pinyin like'**'"_s,
            {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        row("equals, any case", u"translation1 ='wAtEr'"_s, {2, 4});
        row("equals, star literal", u"translation1 ='wat*'"_s, {});
        row("equals, field of other case", u"PINYIN ='SHUI3'"_s, {2, 14});
        row("equals, empty", u"translation1 =''"_s, {12});
        row("unknown field", u"nofield ='x'"_s, {});
        row("quote in text", u"translation1 ='it's'"_s, {});
    }

    void searchesFindWhatAScanFinds()
    {
        QFETCH(QString, criteria);
        QFETCH(Rows, rows);
        QCOMPARE(walk(m_plain, criteria, false), rows);
        QCOMPARE(walk(m_indexFirst, criteria, true), rows);
        QCOMPARE(walk(m_indexAfter, criteria, true), rows);
        // findEach reaches the same records in one pass and signals the last one once.
        for (const QString &file : {m_plain, m_indexAfter}) {
            RecordSource source;
            QVERIFY(source.open(file));
            QSignalSpy moved(&source, &RecordSource::currentChanged);
            Rows seen;
            const int count =
                source.findEach(Criteria::parse(criteria), [&] { seen << source.currentRowId(); });
            QCOMPARE(seen, rows);
            QCOMPARE(count, rows.size());
            QCOMPARE(moved.count(), rows.isEmpty() ? 0 : 1);
            QCOMPARE(source.currentRowId(), rows.isEmpty() ? 1 : rows.last());
        }
    }

    void records_data()
    {
        QTest::addColumn<qint64>("after");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("from the start") << qint64(-1) << 10 << Rows{2, 3, 4, 13};
        QTest::newRow("limit") << qint64(-1) << 2 << Rows{2, 3};
        QTest::newRow("after a match") << qint64(3) << 10 << Rows{4, 13};
        QTest::newRow("after a non-match") << qint64(5) << 1 << Rows{13};
        QTest::newRow("after the last") << qint64(13) << 10 << Rows{};
        QTest::newRow("no limit, no records") << qint64(-1) << 0 << Rows{};
    }

    void records()
    {
        QFETCH(qint64, after);
        QFETCH(int, limit);
        const Criteria criteria = *Criteria::parse(u"translation1 like'*water*'"_s);
        for (const QString &file : {m_plain, m_indexAfter}) {
            RecordSource source;
            QVERIFY(source.open(file));
            source.findFirst(
                Criteria{WordField::translation(1), Criteria::Operator::Equals, u"café"_s});
            QSignalSpy moved(&source, &RecordSource::currentChanged);
            Rows found;
            for (const RecordSource::Record &record : source.records(criteria, after, limit)) {
                found << record.rowId;
                QCOMPARE(record.values.size(), source.fieldNames().size());
                const QVariant t1 = record.values.at(source.fieldIndex(u"TRANSLATION1"_s));
                QVERIFY(t1.toString().contains(u"water"_s, Qt::CaseInsensitive));
            }
            QTEST(found, "rows");
            QCOMPARE(source.currentRowId(), 8); // the current record does not move
            QCOMPARE(moved.count(), 0);
        }
    }

    void changedRecordsStayIndexed()
    {
        const QString file = m_dir.filePath(u"grow.mdb"_s);
        QVERIFY(QFile::copy(m_indexFirst, file));
        {
            RecordSource source;
            QVERIFY(source.open(file, u"Tabell1"_s, RecordSource::Mode::ReadWrite));
            source.findFirst(
                Criteria{WordField::translation(3), Criteria::Operator::Like, u"*storm*"_s});
            QVERIFY(source.noMatch());
            QVERIFY(source.beginTransaction());
            source.addNew();
            source.setValue(WordField::translation(3), u"thunderstorm"_s);
            source.setValue(u"nosuchfield"_s, u"ignored"_s);
            QVERIFY(source.update());
            QVERIFY(!source.update()); // nothing pending
            QVERIFY(source.commit());
            source.findFirst(Criteria{WordField::translation(3), Criteria::Operator::Like,
                                      u"*storm*"_s}); // not the answer from before
            QVERIFY(!source.noMatch());
            QSqlQuery query(source.database());
            QVERIFY(query.exec(u"UPDATE Tabell1 SET translation1 = 'fire' WHERE rowid = 2"_s));
            QVERIFY(query.exec(u"DELETE FROM Tabell1 WHERE rowid = 3"_s));
        }
        QCOMPARE(walk(file, u"translation3 like'*storm*'"_s, true), Rows{16});
        QCOMPARE(walk(file, u"translation1 like'*fire*'"_s, true), Rows{2});
        QCOMPARE(walk(file, u"translation1 like'*water*'"_s, true), (Rows{4, 13}));
        QCOMPARE(walk(file, u"translation2 like'*stream*'"_s, true), Rows{});

        RecordSource readOnly;
        QVERIFY(readOnly.open(file));
        readOnly.addNew();
        QVERIFY(!readOnly.update());
    }
};

QTEST_GUILESS_MAIN(TestRecordSource)
#include "tst_recordsource.moc"
