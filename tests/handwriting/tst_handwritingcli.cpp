#include "handwriting/inkfile.h"
#include "handwriting/strokestore.h"
#include "tests/common/cli.h"
#include "tests/common/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHandwritingCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    StrokeStore m_store;

    QString file(const QString &name, const QString &contents)
    {
        TestFiles::write(m_dir.filePath(name), contents.toUtf8());
        return m_dir.filePath(name);
    }
    static QString strokesFolder() { return QStringLiteral(ORDBOK_STROKES_DIR); }

private slots:
    void initTestCase()
    {
        if (!m_store.open(StrokeStore::path(strokesFolder())))
            QSKIP("no stroke store built");
    }

    void strokesOf()
    {
        const QString character = u"學"_s;
        const QStringList output =
            TestCli::run({u"strokes-of"_s, character, u"--folder"_s, strokesFolder()});
        const CharacterStrokes strokes = *m_store.strokes(character);
        QCOMPARE(output.value(0), u"0"_s);
        QCOMPARE(output.value(1), QString::number(strokes.count()));
        QCOMPARE(output.size(), 2 + strokes.count());
        for (int i = 0; i < strokes.count(); ++i) {
            // "x,y x,y ...": whole numbers in the box, in writing direction.
            const std::optional<Ink> line = InkFile::parse(output.at(2 + i));
            QVERIFY(line && line->size() == 1);
            QCOMPARE(line->first().size(), strokes.medians.at(i).size());
            QCOMPARE(line->first().first(), strokes.medians.at(i).first().toPoint().toPointF());
            QCOMPARE(line->first().last(), strokes.medians.at(i).last().toPoint().toPointF());
            for (const QPointF &point : line->first())
                QVERIFY(point.x() >= -100 && point.x() <= 1100 && point.y() >= -100 &&
                        point.y() <= 1100);
        }
    }

    // What strokes-of prints, recognize reads back: the character comes out among the first.
    // Which characters the models and medians know is the recognizer's own test.
    void recognizeItsOwnStrokes_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("limit");
        QTest::newRow("water, default limit") << u"水"_s << QString();
        QTest::newRow("person, 3") << u"人"_s << u"3"_s;
    }
    void recognizeItsOwnStrokes()
    {
        QFETCH(QString, character);
        QFETCH(QString, limit);
        const QStringList strokes =
            TestCli::run({u"strokes-of"_s, character, u"--folder"_s, strokesFolder()});
        const QString ink = file(u"ink.txt"_s, strokes.mid(2).join(u'\n'));
        QStringList arguments{u"recognize"_s, ink, u"--folder"_s,
                              QStringLiteral(ORDBOK_PROGRAM_DIR)};
        if (!limit.isEmpty())
            arguments += {u"--limit"_s, limit};
        const QStringList output = TestCli::run(arguments);
        if (output.value(0) == u"1")
            QSKIP("no handwriting model installed");
        QCOMPARE(output.value(0), u"0"_s);
        const QStringList candidates = output.mid(1);
        QVERIFY(candidates.size() <= (limit.isEmpty() ? 10 : limit.toInt()));
        QVERIFY2(candidates.mid(0, 3).contains(character), qPrintable(candidates.join(u' ')));
        for (const QString &candidate : candidates)
            QCOMPARE(candidate.toUcs4().size(), 1); // one character a line
    }

    void refused_data()
    {
        QTest::addColumn<QString>("arguments"); // split at blanks
        QTest::addColumn<int>("exitCode");
        QTest::newRow("strokes-of: nothing") << u"strokes-of"_s << 2;
        QTest::newRow("strokes-of: two characters") << u"strokes-of 水水"_s << 2;
        QTest::newRow("strokes-of: no data") << u"strokes-of A"_s << 1;
        QTest::newRow("recognize: no file") << u"recognize"_s << 2;
        QTest::newRow("recognize: bad limit") << u"recognize ink.txt --limit x"_s << 2;
        QTest::newRow("recognize: zero limit") << u"recognize ink.txt --limit 0"_s << 2;
        QTest::newRow("recognize: missing file") << u"recognize missing.txt"_s << 1;
        QTest::newRow("recognize: not points") << u"recognize bad.txt"_s << 1;
    }
    void refused()
    {
        QFETCH(QString, arguments);
        file(u"ink.txt"_s, u"100,100 900,100\n"_s);
        file(u"bad.txt"_s, u"100,100 900;100\n"_s);
        QStringList words = arguments.split(u' ');
        for (QString &word : words) {
            if (word.endsWith(u".txt"))
                word = m_dir.filePath(word);
        }
        const QStringList output =
            TestCli::run(words + QStringList{u"--folder"_s, strokesFolder()});
        QTEST(output.value(0).toInt(), "exitCode");
        QCOMPARE(output.size(), 1); // nothing on standard output
    }
};

QTEST_GUILESS_MAIN(TestHandwritingCli)
#include "tst_handwritingcli.moc"
