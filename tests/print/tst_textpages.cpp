#include "print/printfont.h"
#include "print/rubysegmenter.h"
#include "print/textpages.h"
#include "tests/common/files.h"
#include "tests/print/smallreadingtable.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString withoutBlanks(QString text)
{
    text.remove(QRegularExpression(u"\\s"_s));
    return text;
}

QString repeated(const QString &line, int count, bool numbered)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << (numbered ? u"%1 %2"_s.arg(i).arg(line) : line);
    return lines.join(u'\n');
}

} // namespace

class TestTextPages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QFont m_font;
    const ReadingTable m_table = smallReadingTable();
    const RubySegmenter m_segmenter{m_table};

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_font = programPrintFont(QStringLiteral(ORDBOK_PROGRAM_DIR), 12);
    }

    void nothingLostAcrossPages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<bool>("pinyin");
        QTest::addColumn<int>("leastPages");

        const QString mixed = u"我在中國學習中文, and I write English words between them."_s;
        QTest::newRow("80 mixed lines") << repeated(mixed, 80, true) << 12.0 << false << 2;
        QTest::newRow("80 mixed lines, pinyin") << repeated(mixed, 80, true) << 12.0 << true << 3;
        QTest::newRow("one long Chinese paragraph")
            << repeated(u"我在中国学习中文。"_s, 600, false).remove(u'\n') << 14.0 << false << 3;
        QTest::newRow("one long Chinese paragraph, pinyin")
            << repeated(u"我在中国学习中文。"_s, 600, false).remove(u'\n') << 14.0 << true << 5;
        QTest::newRow("long English paragraph")
            << repeated(u"The quick brown fox jumps over the lazy dog."_s, 400, false)
                   .replace(u'\n', u' ')
            << 11.0 << false << 2;
        QTest::newRow("a word longer than a line") << QString(3000, u'x') << 12.0 << false << 1;
        QTest::newRow("a word longer than a line, pinyin")
            << QString(3000, u'x') << 12.0 << true << 1;
        // Twenty lines fit one page at 12 pt: the type size must be taken.
        QTest::newRow("large type") << repeated(mixed, 20, true) << 48.0 << false << 3;
        QTest::newRow("blank lines") << u"a\n\n\n\nb\r\nc\n"_s << 12.0 << false << 1;
        QTest::newRow("empty document") << QString() << 12.0 << false << 1;
    }
    void nothingLostAcrossPages()
    {
        QFETCH(QString, text);
        QFETCH(double, pointSize);
        QFETCH(bool, pinyin);
        QFETCH(int, leastPages);

        const QString file =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        QVERIFY(PageFrame::applyMargins(writer));
        QFont font = m_font;
        font.setPointSizeF(pointSize);
        const TextPages pages(text, font, writer, pinyin ? &m_segmenter : nullptr);
        QVERIFY2(pages.pageCount() >= leastPages, qPrintable(QString::number(pages.pageCount())));

        QString printed;
        for (int page = 0; page < pages.pageCount(); ++page) {
            QVERIFY(pages.usedHeight(page) <= pages.frame().body().height());
            QVERIFY(text.isEmpty() || !pages.pageText(page).isEmpty());
            printed += pages.pageText(page);
        }
        QCOMPARE(withoutBlanks(printed), withoutBlanks(text));

        QVERIFY(pages.print(writer));
        // Pages as the PDF file has them.
        QCOMPARE(int(QString::fromLatin1(TestFiles::read(file))
                         .count(QRegularExpression(u"/Type\\s*/Page[^s]"_s))),
                 pages.pageCount());
    }

    void marginsAndBody()
    {
        QPdfWriter writer(m_dir.filePath(u"frame.pdf"_s));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(254); // ten dots to the millimetre
        QVERIFY(PageFrame::applyMargins(writer));
        const PageFrame frame(writer);
        const QRectF body = frame.body();
        QVERIFY(body.left() >= 0 && body.top() >= 0);
        // The body and footer stay inside A4 less 15 mm on every side.
        QVERIFY(body.width() <= (210 - 30) * 10 + 0.5);
        QVERIFY(frame.footer().bottom() <= (297 - 30) * 10 + 0.5);
        QVERIFY(body.width() > 150 * 10 && body.height() > 200 * 10);
        QVERIFY(frame.footer().top() >= body.bottom());
    }

    void latinBreaksBetweenWords_data()
    {
        QTest::addColumn<bool>("pinyin");
        QTest::newRow("plain") << false;
        QTest::newRow("pinyin") << true;
    }
    void latinBreaksBetweenWords()
    {
        QFETCH(bool, pinyin);
        QPdfWriter writer(m_dir.filePath(u"words.pdf"_s));
        QVERIFY(PageFrame::applyMargins(writer));
        const QString text =
            repeated(u"understanding international vocabulary"_s, 60, false).replace(u'\n', u' ');
        const TextPages pages(text, m_font, writer, pinyin ? &m_segmenter : nullptr);
        const QStringList words = text.split(u' ');
        for (int page = 0; page < pages.pageCount(); ++page) {
            const QStringList lines = pages.pageText(page).split(u'\n');
            QVERIFY(lines.size() > 1 || pages.pageCount() == 1);
            for (const QString &line : lines) {
                for (const QString &word : line.split(u' ', Qt::SkipEmptyParts))
                    QVERIFY2(words.contains(word), qPrintable(word));
            }
        }
    }

    void closingPunctuationNeverStartsALine_data()
    {
        QTest::addColumn<double>("pointSize");
        for (double size : {10.0, 11.0, 12.0, 13.0, 17.0, 23.0})
            QTest::addRow("%g pt", size) << size;
    }
    void closingPunctuationNeverStartsALine()
    {
        QFETCH(double, pointSize);
        QPdfWriter writer(m_dir.filePath(u"punctuation.pdf"_s));
        QVERIFY(PageFrame::applyMargins(writer));
        QFont font = m_font;
        font.setPointSizeF(pointSize);
        const TextPages pages(repeated(u"我在中國學習，我學習。"_s, 80, false).remove(u'\n'), font,
                              writer, &m_segmenter);
        for (int page = 0; page < pages.pageCount(); ++page) {
            for (const QString &line : pages.pageText(page).split(u'\n'))
                QVERIFY2(!line.startsWith(u'，') && !line.startsWith(u'。'), qPrintable(line));
        }
    }
};

QTEST_MAIN(TestTextPages)
#include "tst_textpages.moc"
