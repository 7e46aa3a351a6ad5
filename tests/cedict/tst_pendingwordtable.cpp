#include "cedict/pendingwordtable.h"
#include "importfolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPendingWordTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void install_data();
    void install();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // A one-word store whose only translation names it.
    bool wordStore(const QString &name, const QString &word)
    {
        return TestStores::words(path(name), {{{u"translation1"_s, word}}});
    }
    QString wordIn(const QString &name) const
    {
        const QList<QVariantList> rows = ImportFolder::records(path(name));
        return rows.size() == 1 ? rows.first().at(3).toString() : QString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPendingWordTable::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPendingWordTable::install_data()
{
    QTest::addColumn<bool>("wordTable");  // kinesiskBIG5kod.mdb holds "old"
    QTest::addColumn<QString>("pending"); // kinesiskBIG5kod1.mdb: "store" holds "new", or bytes
    QTest::addColumn<bool>("staging");    // an unfinished import left its staging file
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("wordAfter");
    QTest::addColumn<bool>("pendingAfter");

    QTest::newRow("pending replaces the word table")
        << true << u"store"_s << false << true << u"new"_s << false;
    QTest::newRow("nothing waiting") << true << QString() << false << false << u"old"_s << false;
    QTest::newRow("interrupted import is not installed")
        << true << QString() << true << false << u"old"_s << false;
    QTest::newRow("pending installed, staging file removed")
        << true << u"store"_s << true << true << u"new"_s << false;
    QTest::newRow("first word table") << false << u"store"_s << false << true << u"new"_s << false;
    QTest::newRow("a file that is no word store stays aside")
        << true << u"garbage"_s << false << false << u"old"_s << true;
    QTest::newRow("empty pending file stays aside")
        << true << u"empty"_s << false << false << u"old"_s << true;
}

void TestPendingWordTable::install()
{
    QFETCH(bool, wordTable);
    QFETCH(QString, pending);
    QFETCH(bool, staging);
    QFETCH(bool, installed);
    QFETCH(QString, wordAfter);
    QFETCH(bool, pendingAfter);

    const QString word = u"kinesiskBIG5kod.mdb"_s;
    const QString waiting = u"kinesiskBIG5kod1.mdb"_s;
    if (wordTable)
        QVERIFY(wordStore(word, u"old"_s));
    if (pending == u"store")
        QVERIFY(wordStore(waiting, u"new"_s));
    else if (pending == u"garbage")
        QVERIFY(TestFiles::write(path(waiting), QByteArray(5000, '\x5A')));
    else if (pending == u"empty")
        QVERIFY(TestFiles::write(path(waiting), QByteArray()));
    // A staging file cut off in the middle: a valid start of a store, then nothing.
    if (staging) {
        QVERIFY(wordStore(u"half.mdb"_s, u"half"_s));
        QVERIFY(TestFiles::write(stagingFileFor(path(waiting)),
                                        TestFiles::read(path(u"half.mdb"_s)).left(1024)));
    }

    QCOMPARE(installPendingWordTable(m_dir->path()), installed);
    QCOMPARE(wordIn(word), wordAfter);
    QCOMPARE(QFile::exists(path(waiting)), pendingAfter);
    QVERIFY(!QFile::exists(stagingFileFor(path(waiting))));
    QCOMPARE(installPendingWordTable(m_dir->path()), false);
    QCOMPARE(wordIn(word), wordAfter);
}

QTEST_GUILESS_MAIN(TestPendingWordTable)
#include "tst_pendingwordtable.moc"
