#include "dictionary/charactercode.h"
#include "dictionary/codewordsearch.h"
#include "dictionary/pagetranslation.h"
#include "platform/sqliteconnection.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "tests/dictionary/dictionaryfixture.h"
#include "windows/codesearch/codesearchwindow.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;
using DictionaryFixture::word;

namespace {

// nummer, the code point, is how the page finds a character.
const QList<TestStores::Row> kCharacters = {
    character(u"&H4E2D"_s, u"2.3"_s, u"zhong1"_s, {u"central"_s, u"middle"_s},
              {{CharacterField::nummer, 0x4E2D}}),
    character(u"&H570B"_s, u"31.8"_s, u"guo2"_s, {u"country"_s},
              {{CharacterField::nummer, 0x570B}, {CharacterField::forenklaform, u"&H56FD"_s}}),
    character(u"&H56FD"_s, u"31.5"_s, u"guo2"_s, {u"country"_s},
              {{CharacterField::nummer, 0x56FD}, {CharacterField::traditionellform, u"&H570B"_s}}),
    character(u"&H4EBA"_s, u"9.0"_s, u"ren2"_s, {u"person"_s}, {{CharacterField::nummer, 0x4EBA}}),
    character(u"&H6C11"_s, u"83.1"_s, u"min2"_s, {u"people"_s}, {{CharacterField::nummer, 0x6C11}}),
};

QString codes(const QString &text)
{
    return CharacterCode::codeString(text);
}

// Table order matters: 中國人 stands before 中國.
const QList<TestStores::Row> kWords = {
    word(codes(u"中國人"_s), u"Zhong1 guo2 ren2"_s, {u"Chinese person"_s}),
    word(codes(u"中國"_s), u"Zhong1 guo2"_s, {u"China"_s, u""_s, u"Middle Kingdom"_s}),
    word(codes(u"國人"_s), u"guo2 ren2"_s, {u"compatriots"_s}),
    word(codes(u"中國人民"_s), u"Zhong1 guo2 ren2 min2"_s, {u"the Chinese people"_s}),
    word(codes(u"人民"_s), u"ren2 min2"_s, {u"the people"_s}),
    word(codes(u"字"_s), u"zi4"_s, {u"letter"_s}),
    word(codes(u"中"_s.repeated(8)), u"eight"_s, {u"eight"_s}),
    word(codes(u"中"_s.repeated(9)), u"nine"_s, {u"nine"_s}),
};

void copy(const QByteArray &rtf, const QString &plain)
{
    auto *data = new QMimeData;
    if (!rtf.isEmpty())
        data->setData(u"text/rtf"_s, rtf);
    data->setText(plain);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class TestCodePages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.build(kWords, kCharacters));
        {
            // Contained words are found through the search index, as in the shipped table.
            SqliteConnection words(Tables::storePath(m_folder.path(), Tables::wordStore),
                                   SqliteConnection::Mode::ReadWrite);
            QVERIFY(Tables::createWordSearchIndex(words.database()));
        }
        QVERIFY(m_tables.open(m_folder.path()));
    }

    // The word lists read code strings back into text: a broken piece spoils the whole word.
    void codeStringsReadBack_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << u"&H4E2D&H570B"_s << u"中國"_s;
        QTest::newRow("lower-case h and hex") << u"&h4e2d"_s << u"中"_s;
        QTest::newRow("letters of AA制") << u"&H0041&H0041&H5236"_s << u"AA制"_s;
        QTest::newRow("surrogate halves") << CharacterCode::codeString(u"𠀀") << u"𠀀"_s;
        QTest::newRow("piece not a code") << u"&H4E2D&X570B"_s << QString();
        QTest::newRow("cut last piece") << u"&H4E2D&H570"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void codeStringsReadBack()
    {
        QFETCH(QString, codes);
        QTEST(CharacterCode::characters(codes), "text");
    }

    void codeSearchLines_data()
    {
        QTest::addColumn<QString>("copied");
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<QString>("lines"); // joined by LF
        const QString zhongGuo = u"中国, Zhōng guó, China, Middle Kingdom\n中国人民, Zhōng guó "
                                 u"rén mín, the Chinese people"_s;
        QTest::newRow("later words only, simplified") << u"中國"_s << false << zhongGuo;
        QTest::newRow("traditional")
            << u"中國"_s << true << QString(zhongGuo).replace(u'国', u'國');
        QTest::newRow("no entry: characters alone") << u"人中國"_s << false << u"人中国"_s;
        QTest::newRow("simplified copy finds the word") << u"中国"_s << false << zhongGuo;
        QTest::newRow("simplified copy, traditional display: as copied, then as stored")
            << u"中国"_s << true
            << u"中国, Zhōng guó, China, Middle Kingdom\n中國人民, Zhōng guó rén mín, the "
               u"Chinese people"_s;
        QTest::newRow("character unknown to the character table")
            << u"字"_s << false << u"字, zì, letter"_s;
        QTest::newRow("nothing copied") << u""_s << false << u""_s;
    }

    void codeSearchLines()
    {
        QFETCH(QString, copied);
        QFETCH(bool, traditional);
        CodeWordSearch search(m_tables.words, m_tables.characters);
        const qint64 current = m_tables.words.currentRowId();
        QTEST(search.search(CharacterCode::pieces(codes(copied)), traditional).lines.join(u'\n'),
              "lines");
        QCOMPARE(m_tables.words.currentRowId(), current); // the main window's word stays
    }

    // The longest word from a cell on, and every character of a copied text one cell.
    void details_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("wordLine");
        QTest::addColumn<int>("cells");         // -1: not checked
        QTest::addColumn<QString>("character"); // null: not checked
        const auto row = [](const char *tag, const QString &text, int index, const QString &word,
                            const QString &wordLine, int cells = -1,
                            const QString &character = {}) {
            QTest::newRow(tag) << text << index << word << wordLine << cells << character;
        };
        row("four beats three and two", u"中國人民"_s, 0, u"中國人民"_s,
            u"Zhōng guó rén mín, the Chinese people"_s);
        row("two when no longer one", u"中國很"_s, 0, u"中國"_s, u"Zhōng guó, China"_s);
        row("simplified page finds traditional key", u"中国人"_s, 0, u"中国人"_s,
            u"Zhōng guó rén, Chinese person"_s);
        row("from the middle of the page", u"很中國人民"_s, 2, u"國人"_s,
            u"guó rén, compatriots"_s);
        row("eight at most", u"中"_s.repeated(9), 0, u"中"_s.repeated(8), u"eight, eight"_s);
        row("no word: the character", u"人中"_s, 0, u"人 "_s, u"rén ,  person ,  "_s);
        row("last character", u"中國人"_s, 2, u"人 "_s, u"rén ,  person ,  "_s);
        row("unknown character: its code point", u"很"_s, 0, u"很 "_s, u"U+5F88 ,  "_s);
        row("outside the page", u"中國"_s, 2, u""_s, u""_s);
        row("outside the BMP: one cell, its code point", u"\U00020000中國"_s, 0, u"\U00020000 "_s,
            u"U+20000 ,  "_s, 3, u"\U00020000 "_s);
        row("after it, the word as ever", u"\U00020000中國"_s, 1, u"中國"_s, u"Zhōng guó, China"_s,
            3, u"中 "_s);
        row("letters, digits and punctuation stay", u"A1, 中國!"_s, 0, u"A "_s, u"U+0041 ,  "_s, 7,
            u"A "_s);
        row("a word stops at a letter", u"中國x人"_s, 0, u"中國"_s, u"Zhōng guó, China"_s, 4,
            u"中 "_s);
        row("line breaks and tabs are no cells", u"中\r\n\t國"_s, 1, u"國 "_s,
            u"guó ,  country ,  "_s, 2, u"國 "_s);
    }

    void details()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(int, cells);
        QFETCH(QString, character);
        PageTranslation translation(m_tables.characters, m_tables.words);
        translation.setPageText(text);
        if (cells >= 0)
            QCOMPARE(int(translation.page().size()), cells);
        const CharacterDetails details = translation.details(index);
        if (!character.isNull())
            QCOMPARE(details.character, character);
        QTEST(details.word, "word");
        QTEST(details.wordLine, "wordLine");
    }

    // RTF writes a character outside the BMP as two escapes: one cell all the same.
    void surrogateCodesMakeOneCell()
    {
        PageTranslation translation(m_tables.characters, m_tables.words);
        translation.setPage({u"&HD840"_s, u"&HDC00"_s, u"&H4E2D"_s, u"&HD840"_s});
        QCOMPARE(translation.page().size(), 3);
        QCOMPARE(translation.page().at(0).character(), u"\U00020000"_s);
        QCOMPARE(translation.page().at(1).character(), u"中"_s);
        QCOMPARE(translation.details(0).readings, u"U+20000 ,  "_s);
    }

    void grid_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("second cell") << 1 << 100 << QPoint(40, 0);
        QTest::newRow("wraps when the next cell would stick out") << 2 << 119 << QPoint(0, 40);
        QTest::newRow("exact fit stays on the row") << 2 << 120 << QPoint(80, 0);
        QTest::newRow("narrower than a cell: one a row") << 3 << 10 << QPoint(0, 120);
    }

    void grid()
    {
        QFETCH(int, index);
        QFETCH(int, width);
        QTEST(PageTranslation::cellPosition(index, width, 40), "position");
    }

    // The code search page as the clipboard watcher and the user drive it: each copy searched
    // once, the clipboard left alone, the watcher handed back, the form stored at once.
    void eachCopySearchedOnce()
    {
        SettingsStore settings(m_folder.path());
        ProgramContext context{m_folder.path(), settings, m_tables};
        CodeSearchWindow page(context);
        auto *results = page.findChild<QPlainTextEdit *>(u"TextBox1"_s);
        QSignalSpy handedBack(&page, &CodeSearchWindow::autoLookupHandedBack);

        const QByteArray rtf =
            "{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\uc0\\u20013 \\uc0\\u22283 }";
        copy(rtf, u"中國"_s);
        QCOMPARE(page.clipboardSearchWanted(), CodeSearchWindow::Copy::Searched);
        QVERIFY(results->toPlainText().startsWith(u"中国, Zhōng guó, China, Middle Kingdom\n"_s));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(u"text/rtf"_s), rtf);
        // The watcher, handed back, finds the same copy and hands it over again: not searched.
        QCOMPARE(page.clipboardSearchWanted(), CodeSearchWindow::Copy::SearchedBefore);
        QCOMPARE(handedBack.size(), 1);

        page.findChild<QAction *>(u"trad"_s)->trigger();
        QCOMPARE(results->toPlainText().left(2), u"中國"_s);
        SettingsStore stored(m_folder.path());
        QVERIFY(stored.load());
        QCOMPARE(stored.record().value(SettingsRecord::codeTraditional), u"1"_s);

        // A browser's copy: plain text only.
        copy({}, u"國"_s);
        QCOMPARE(page.clipboardSearchWanted(), CodeSearchWindow::Copy::Searched);
        QCOMPARE(results->toPlainText(), u"國"_s);
        QCOMPARE(handedBack.size(), 2);
        copy({}, u"no Chinese here"_s);
        QCOMPARE(page.clipboardSearchWanted(), CodeSearchWindow::Copy::NoChinese);
        QCOMPARE(results->toPlainText(), u"國"_s);
    }

private:
    DictionaryFixture::ProgramFolder m_folder;
    DictionaryTables m_tables;
};

QTEST_MAIN(TestCodePages)
#include "tst_codepages.moc"
