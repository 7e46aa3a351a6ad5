#include "dictionary/charactercode.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "tests/dictionary/dictionaryfixture.h"
#include "windows/codesearch/codesearchwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void copy(const QByteArray &rtf, const QString &plain)
{
    auto *data = new QMimeData;
    if (!rtf.isEmpty())
        data->setData(u"text/rtf"_s, rtf);
    data->setText(plain);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

// The page as the clipboard watcher and the user drive it: each copy searched once, the
// clipboard left alone, the watcher handed back, the form stored the moment it changes.
class TestCodeSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void eachCopySearchedOnce();

private:
    DictionaryFixture::ProgramFolder m_folder;
    DictionaryTables m_tables;
};

void TestCodeSearch::initTestCase()
{
    using DictionaryFixture::character;
    using DictionaryFixture::word;
    QVERIFY(m_folder.build(
        {word(u"&H4E2D&H570B"_s, u"Zhong1 guo2"_s, {u"China"_s}),
         word(u"&H4E2D&H570B&H4EBA"_s, u"Zhong1 guo2 ren2"_s, {u"Chinese person"_s})},
        {character(u"&H570B"_s, u"31.8"_s, {}, {}, {{u"forenklaform"_s, u"&H56FD"_s}})}));
    QVERIFY(m_tables.open(m_folder.path()));
}

void TestCodeSearch::eachCopySearchedOnce()
{
    SettingsStore settings(m_folder.path());
    ProgramContext context{m_folder.path(), settings, m_tables};
    CodeSearchWindow page(context);
    auto *results = page.findChild<QPlainTextEdit *>(u"TextBox1"_s);
    QSignalSpy handedBack(&page, &CodeSearchWindow::autoLookupHandedBack);

    const QByteArray rtf = "{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\uc0\\u20013 \\uc0\\u22283 }";
    copy(rtf, u"中國"_s);
    QCOMPARE(page.clipboardSearchWanted(), CodeSearchWindow::Copy::Searched);
    QCOMPARE(results->toPlainText(), u"中国, Zhong1 guo2, China\n中国人, Zhong1 guo2 ren2, Chinese person"_s);
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

QTEST_MAIN(TestCodeSearch)
#include "tst_codesearch.moc"
