#include "pinyin/documentfile.h"
#include "pinyin/wordwrap.h"
#include "tests/common/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using DocumentFile::Problem;

class TestDocumentFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("text");

        const QString zh = u"中文\n你好"_s;
        QTest::newRow("utf-8") << zh.toUtf8() << int(Problem::None) << zh;
        QTest::newRow("utf-8 with bom")
            << QByteArray("\xEF\xBB\xBF") + zh.toUtf8() << int(Problem::None) << zh;
        QTest::newRow("crlf and cr")
            << u"中\r\n文\r你"_s.toUtf8() << int(Problem::None) << u"中\n文\n你"_s;
        QTest::newRow("utf-16 with bom")
            << QByteArray("\xFF\xFE\x2D\x4E\n\0", 6) << int(Problem::None) << u"中\n"_s;
        QTest::newRow("empty") << QByteArray() << int(Problem::None) << QString();
        QTest::newRow("nul bytes")
            << QByteArray("abc\0def", 7) << int(Problem::NotText) << QString();
        QTest::newRow("truncated utf-8")
            << QByteArray("\xE4\xB8") << int(Problem::NotText) << QString();
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(u"read.txt"_s);
        QVERIFY(TestFiles::write(path, bytes));
        const DocumentFile::Result result = DocumentFile::read(path);
        QTEST(int(result.problem), "problem");
        QTEST(result.text, "text");
    }

    void read_missingOrTooLarge()
    {
        QCOMPARE(DocumentFile::read(m_dir.filePath(u"none.txt"_s)).problem, Problem::Unreadable);
        QCOMPARE(DocumentFile::read(m_dir.path()).problem, Problem::Unreadable);
        QFile large(m_dir.filePath(u"large.txt"_s));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(DocumentFile::maxSize + 1)); // sparse
        large.close();
        QCOMPARE(DocumentFile::read(large.fileName()).problem, Problem::TooLarge);
    }

    void write_roundTrip()
    {
        const QString path = m_dir.filePath(u"round.txt"_s);
        QVERIFY(TestFiles::write(path, "old and longer than the new text"));
        const QString text = u"中文，你好\n第二行 𠀀"_s;
        QCOMPARE(DocumentFile::write(path, text).problem, Problem::None);
        QCOMPARE(TestFiles::read(path), text.toUtf8()); // no byte order mark, nothing left over
        QCOMPARE(DocumentFile::read(path).text, text);
    }

    // Printed text, one character one unit wide.
    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width"); // in characters, each one wide
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("empty") << QString() << 10 << QStringList();
        QTest::newRow("blank counts where it stands")
            << u"ni3 hao3 ma5"_s << 8 << QStringList{u"ni3 "_s, u"hao3 ma5"_s};
        QTest::newRow("exactly full") << u"abcd"_s << 4 << QStringList{u"abcd"_s};
        QTest::newRow("two CR LF give an empty line")
            << u"ab\r\n\r\ncd"_s << 10 << QStringList{u"ab"_s, QString(), u"cd"_s};
        QTest::newRow("LF and CR breaks")
            << u"a\nb\rc"_s << 10 << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("last break starts no line") << u"ab\r\n"_s << 10 << QStringList{u"ab"_s};
        QTest::newRow("too wide word ends even an empty line")
            << u"abcdefgh"_s << 5 << QStringList{QString(), u"abcdefgh"_s};
    }

    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QTEST(WordWrap::wrap(text, width, [](const QString &word) { return qreal(word.size()); }),
              "lines");
    }

    void paginate()
    {
        const QStringList lines{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
        QCOMPARE(WordWrap::paginate(lines, 10, 25),
                 (QList<QStringList>{{u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}, {u"5"_s}}));
        // A line taller than the page still gets a page of its own.
        QCOMPARE(WordWrap::paginate({u"a"_s, u"b"_s}, 30, 25),
                 (QList<QStringList>{{u"a"_s}, {u"b"_s}}));
    }
};

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
