#include "dictionary/criteria.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCriteria : public QObject
{
    Q_OBJECT
private slots:
    void parsesBuiltForms_data();
    void parsesBuiltForms();
    void refusesEverythingElse_data();
    void refusesEverythingElse();
    void likePattern_data();
    void likePattern();
};

void TestCriteria::parsesBuiltForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("like");
    QTest::addColumn<QVariant>("operand");

    QTest::newRow("code") << u"teckenkod ='&H4E2D'"_s << u"teckenkod"_s << false
                          << QVariant(u"&H4E2D"_s);
    QTest::newRow("contains") << u"translation1 like'*water*'"_s << u"translation1"_s << true
                              << QVariant(u"*water*"_s);
    QTest::newRow("like upper case")
        << u"pinyin LIKE'*zhong*'"_s << u"pinyin"_s << true << QVariant(u"*zhong*"_s);
    QTest::newRow("blank before quote")
        << u"pinyin = 'hao3'"_s << u"pinyin"_s << false << QVariant(u"hao3"_s);
    QTest::newRow("empty text") << u"pinyin =''"_s << u"pinyin"_s << false << QVariant(QString());
    QTest::newRow("stars only") << u"pinyin like'**'"_s << u"pinyin"_s << true << QVariant(u"**"_s);
    QTest::newRow("number") << u"summa =12"_s << u"summa"_s << false << QVariant(qlonglong(12));
    QTest::newRow("negative number")
        << u"summa =-3"_s << u"summa"_s << false << QVariant(qlonglong(-3));
    QTest::newRow("non-ascii") << u"translation1 ='smörgås 中'"_s << u"translation1"_s << false
                               << QVariant(u"smörgås 中"_s);
    QTest::newRow("backslash") << u"translation1 like'*a\\b*'"_s << u"translation1"_s << true
                               << QVariant(u"*a\\b*"_s);
    QTest::newRow("double quote inside") << u"translation1 ='say \"hi\"'"_s << u"translation1"_s
                                         << false << QVariant(u"say \"hi\""_s);
    QTest::newRow("radical dot star")
        << u"kinesisktradikal like'9.*'"_s << u"kinesisktradikal"_s << true << QVariant(u"9.*"_s);
}

void TestCriteria::parsesBuiltForms()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(bool, like);
    QFETCH(QVariant, operand);

    const std::optional<Criteria> criteria = Criteria::parse(text);
    QVERIFY(criteria.has_value());
    QCOMPARE(criteria->field, field);
    QCOMPARE(criteria->op == Criteria::Operator::Like, like);
    QCOMPARE(criteria->operand, operand);
}

void TestCriteria::refusesEverythingElse_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote inside") << u"translation1 like'*don't*'"_s;
    QTest::newRow("doubled quote") << u"translation1 ='it''s'"_s;
    QTest::newRow("missing closing quote") << u"pinyin ='hao3"_s;
    QTest::newRow("missing opening quote") << u"pinyin =hao3'"_s;
    QTest::newRow("trailing words") << u"pinyin ='a' OR 1=1"_s;
    QTest::newRow("injection") << u"pinyin ='a'; DROP TABLE Tabell1"_s;
    QTest::newRow("no operand") << u"summa ="_s;
    QTest::newRow("not a number") << u"summa =abc"_s;
    QTest::newRow("decimal") << u"summa =1.5"_s;
    QTest::newRow("number with like") << u"summa like 12"_s;
    QTest::newRow("unknown operator") << u"summa >12"_s;
    QTest::newRow("no field") << u"='a'"_s;
    QTest::newRow("field with space") << u"trans lation1 ='a'"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("too large number") << u"summa =99999999999999999999999"_s;
}

void TestCriteria::refusesEverythingElse()
{
    QFETCH(QString, text);
    QVERIFY(!Criteria::parse(text).has_value());
}

void TestCriteria::likePattern_data()
{
    QTest::addColumn<QString>("operand");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("stars") << u"*water*"_s << u"%water%"_s;
    QTest::newRow("question mark") << u"h?o3"_s << u"h_o3"_s;
    QTest::newRow("percent is literal") << u"*100%*"_s << u"%100\\%%"_s;
    QTest::newRow("underscore is literal") << u"a_b"_s << u"a\\_b"_s;
    QTest::newRow("backslash is literal") << u"a\\b"_s << u"a\\\\b"_s;
    QTest::newRow("non-ascii kept") << u"*中*"_s << u"%中%"_s;
}

void TestCriteria::likePattern()
{
    QFETCH(QString, operand);
    QFETCH(QString, pattern);
    const std::optional<Criteria> criteria = Criteria::parse(u"f like'"_s + operand + u"'"_s);
    QVERIFY(criteria.has_value());
    QCOMPARE(criteria->sqlLikePattern(), pattern);
}

QTEST_GUILESS_MAIN(TestCriteria)
#include "tst_criteria.moc"
