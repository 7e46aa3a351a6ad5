#include "handwriting/strokestore.h"
#include "handwriting/strokestorewriter.h"
#include "tests/common/files.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The package's point in the 1000 box, y down, as the store should give it.
QPointF packagePoint(const QJsonArray &xy)
{
    return {xy.at(0).toDouble() * 1000 / 1024, (900 - xy.at(1).toDouble()) * 1000 / 1024};
}

bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1 && std::abs(a.y() - b.y()) < 1; // stored as whole units
}

} // namespace

class TestStrokeStore : public QObject
{
    Q_OBJECT

    StrokeStore m_store;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QDir(QStringLiteral(ORDBOK_STROKE_PACKAGE)).filePath(u"package.json"_s)))
            QSKIP("hanzi-writer-data is not unpacked in .deps: run scripts/setup.sh");
        QVERIFY2(m_store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))),
                 "the built stroke store");
    }

    // Every character of the package is in the store: its strokes, the ends of each median
    // and where each outline starts ("M x y ..."), in the 1000 box.
    void everyPackageCharacter()
    {
        const QDir package(QStringLiteral(ORDBOK_STROKE_PACKAGE));
        int checked = 0;
        for (const QString &file : package.entryList({u"*.json"_s}, QDir::Files)) {
            if (file == u"package.json")
                continue;
            const QString character = file.chopped(5);
            const QJsonObject entry =
                QJsonDocument::fromJson(TestFiles::read(package.filePath(file))).object();
            const QJsonArray medians = entry.value(u"medians").toArray();
            const std::optional<CharacterStrokes> strokes = m_store.strokes(character);
            QVERIFY2(strokes, qPrintable(character));
            QCOMPARE(strokes->character, character);
            QCOMPARE(strokes->count(), medians.size());
            QCOMPARE(strokes->outlines.size(), medians.size());
            for (int i = 0; i < strokes->count(); ++i) {
                const QJsonArray median = medians.at(i).toArray();
                const QStringList path =
                    entry.value(u"strokes").toArray().at(i).toString().split(u' ');
                QVERIFY2(strokes->medians.at(i).size() == median.size() &&
                             near(strokes->medians.at(i).first(),
                                  packagePoint(median.first().toArray())) &&
                             near(strokes->medians.at(i).last(),
                                  packagePoint(median.last().toArray())) &&
                             near(strokes->outlines.at(i).elementAt(0),
                                  packagePoint(
                                      QJsonArray{path.at(1).toDouble(), path.at(2).toDouble()})),
                         qPrintable(character));
            }
            ++checked;
        }
        QCOMPARE(m_store.size(), checked);
        QVERIFY(checked > 9000);
        QVERIFY(!m_store.strokes(u"A"_s) && !m_store.strokes(QString()));
    }
};

// The writer and reader on small inputs, without the package.
class TestStrokeStoreFormat : public QObject
{
    Q_OBJECT

private slots:
    void encodeOutline_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("bytes"); // -1: refused
        QTest::newRow("move, line, close") << u"M 1 2 L 3 4 Z"_s << 2 + 5 + 5 + 1;
        QTest::newRow("quadratic and cubic")
            << u"M 0 0 Q 1 1 2 2 C 1 1 2 2 3 3 Z"_s << 2 + 5 + 9 + 13 + 1;
        QTest::newRow("negative and fractions") << u"M -42 17.6 Z"_s << 2 + 5 + 1;
        QTest::newRow("lower case") << u"m 1 2 z"_s << -1;
        QTest::newRow("missing number") << u"M 1"_s << -1;
        QTest::newRow("not a number") << u"M 1 x Z"_s << -1;
        QTest::newRow("arc") << u"M 0 0 A 1 1 0 0 0 5 5"_s << -1;
        QTest::newRow("out of range") << u"M 99999 0 Z"_s << -1;
        QTest::newRow("empty") << QString() << -1;
    }
    void encodeOutline()
    {
        QFETCH(QString, path);
        const std::optional<QByteArray> encoded = StrokeStoreWriter::encodeOutline(path);
        QTEST(encoded ? int(encoded->size()) : -1, "bytes");
    }

    void parseJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("strokes"); // -1: refused
        QTest::newRow("one stroke")
            << QByteArray(R"({"strokes":["M 0 0 L 10 0 Z"],"medians":[[[0,0],[10,0]]]})") << 1;
        QTest::newRow("more medians than strokes")
            << QByteArray(R"({"strokes":["M 0 0 Z"],"medians":[[[0,0]],[[1,1]]]})") << -1;
        QTest::newRow("no strokes") << QByteArray(R"({"strokes":[],"medians":[]})") << -1;
        QTest::newRow("median point with one number")
            << QByteArray(R"({"strokes":["M 0 0 Z"],"medians":[[[0]]]})") << -1;
        QTest::newRow("not JSON") << QByteArray("<html>") << -1;
    }
    void parseJson()
    {
        QFETCH(QByteArray, json);
        const std::optional<SourceCharacter> parsed = StrokeStoreWriter::parseJson(U'一', json);
        QTEST(parsed ? int(parsed->strokes.size()) : -1, "strokes");
    }

    void roundTrip()
    {
        const auto character = [](char32_t c, int x) {
            SourceCharacter source{c, {}};
            source.strokes.append(
                {*StrokeStoreWriter::encodeOutline(u"M %1 900 L 1024 900 Z"_s.arg(x)),
                 {QPoint(x, 900), QPoint(1024, 0)}});
            return source;
        };
        QTemporaryDir dir;
        const QString file = dir.filePath(u"strokes.dat"_s);
        // Out of order and twice: the store sorts and keeps one.
        QVERIFY(TestFiles::write(
            file, StrokeStoreWriter::build(
                      {character(U'丁', 512), character(U'一', 0), character(U'丁', 512)})));

        StrokeStore store;
        QVERIFY(store.open(file));
        QCOMPARE(store.characters(), (QList<char32_t>{U'一', U'丁'}));
        const std::optional<CharacterStrokes> ding = store.strokes(U'丁');
        QVERIFY(ding);
        QCOMPARE(ding->count(), 1);
        QCOMPARE(ding->medians.first(),
                 (QPolygonF{QPointF(500, 0), QPointF(1000, 900 * 1000.0 / 1024)}));
        QCOMPARE(ding->outlines.first().elementAt(1),
                 QPainterPath::Element({1000, 0, QPainterPath::LineToElement}));
        QVERIFY(!store.strokes(U'七'));
    }

    // A file that is no store opens as none; a record cut short gives no strokes rather than
    // reading past the file.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("opens");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("foreign") << QByteArray("SQLite format 3\0\0\0\0\0\0", 22) << false;
        QByteArray tooMany(StrokeStoreFormat::magic, 8);
        tooMany.append("\xff\xff\x00\x00", 4);
        QTest::newRow("index past the end") << tooMany << false;
        SourceCharacter source{U'一', {}};
        source.strokes.append({*StrokeStoreWriter::encodeOutline(u"M 0 0 Q 1 1 2 2 Z"_s),
                               {QPoint(0, 0), QPoint(5, 5)}});
        QTest::newRow("record cut short") << StrokeStoreWriter::build({source}).chopped(4) << true;
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"strokes.dat"_s);
        QVERIFY(TestFiles::write(file, contents));
        StrokeStore store;
        QCOMPARE(store.open(file), opens);
        QCOMPARE(store.contains(U'一'), opens);
        QVERIFY(!store.strokes(U'一'));
        QVERIFY(!StrokeStore().open(dir.filePath(u"missing.dat"_s)));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestStrokeStoreFormat format;
    TestStrokeStore store;
    return QTest::qExec(&format, argc, argv) | QTest::qExec(&store, argc, argv);
}

#include "tst_strokestore.moc"
