#include "tests/common/cli.h"
#include "tests/common/files.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// ordbok-cli print and practice-sheet on the real stores, read back with pdftotext.
class TestPrintCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The exit code; -1 when the run did not finish.
    static int run(const QStringList &arguments)
    {
        bool finished = false;
        const int code =
            TestCli::run(arguments + QStringList{u"--folder"_s, QStringLiteral(ORDBOK_PROGRAM_DIR)},
                         60000)
                .value(0)
                .toInt(&finished);
        return finished ? code : -1;
    }

    static QString pdfText(const QString &pdf)
    {
        QProcess process;
        process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        if (!QFile::exists(QStringLiteral(ORDBOK_PROGRAM_DIR) + u"/kinesiskBIG5kod.mdb"_s))
            QSKIP("the real stores are not built");
    }

    // Page breaking and segmenting are the library's; one run proves the options reach it.
    void everyLineInOrder()
    {
        QStringList lines;
        for (int i = 1; i <= 80; ++i)
            lines << u"Line%1 我們在中國学习 and write English%1"_s.arg(i);
        const QString input = m_dir.filePath(u"eighty.txt"_s);
        QVERIFY(TestFiles::write(input, lines.join(u'\n').toUtf8()));
        const QString pdf = m_dir.filePath(u"eighty.pdf"_s);
        QCOMPARE(
            run({u"print"_s, input, u"--pdf"_s, pdf, u"--pinyin"_s, u"--font-size"_s, u"20"_s}), 0);
        const QString text = pdfText(pdf);
        // Readings from the stores, for the simplified form too.
        QVERIFY2(text.contains(u"zhōngguó"_s) && text.contains(u"xuéxí"_s),
                 qPrintable(text.left(400)));
        qsizetype from = 0;
        for (int i = 1; i <= 80; ++i) {
            const qsizetype at = text.indexOf(u"Line%1 "_s.arg(i), from);
            QVERIFY2(at >= 0, qPrintable(u"line %1 missing"_s.arg(i)));
            from = text.indexOf(u"English%1"_s.arg(i), at);
            QVERIFY2(from >= 0, qPrintable(u"end of line %1 missing"_s.arg(i)));
        }
    }

    void practiceSheet()
    {
        const QString pdf = m_dir.filePath(u"sheet.pdf"_s);
        QCOMPARE(run({u"practice-sheet"_s, u"學習"_s, u"--pdf"_s, pdf, u"--per-row"_s, u"6"_s}), 0);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(u"xué"_s) && text.contains(u"xí"_s), qPrintable(text));
        QCOMPARE(text.count(u"學"_s), 6);
        QCOMPARE(text.count(u"習"_s), 6);
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QString>("arguments"); // split at blanks
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no pdf") << u"print x.txt"_s << 2;
        QTest::newRow("pdf without file") << u"print x.txt --pdf"_s << 2;
        QTest::newRow("bad size") << u"print x.txt --pdf o.pdf --font-size big"_s << 2;
        QTest::newRow("missing file") << u"print /nonexistent/x.txt --pdf o.pdf"_s << 1;
        QTest::newRow("zero per row") << u"practice-sheet 學 --pdf o.pdf --per-row 0"_s << 2;
        QTest::newRow("no Chinese") << u"practice-sheet abc --pdf o.pdf"_s << 1;
        QTest::newRow("unwritable pdf") << u"practice-sheet 學 --pdf /nonexistent/o.pdf"_s << 1;
    }
    void refusesBadArguments()
    {
        QFETCH(QString, arguments);
        QTEST(run(arguments.split(u' ')), "exitCode");
    }
};

QTEST_GUILESS_MAIN(TestPrintCli)
#include "tst_printcli.moc"
