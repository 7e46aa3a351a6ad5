#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"
#include "platform/recordsource.h"
#include "tests/cedict/importfolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCedictImporter : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString pendingFile() const { return path(u"kinesiskBIG5kod1.mdb"_s); }
    // A name without an extension: the content tells the edition.
    CedictImportSummary import(const QByteArray &content)
    {
        if (!TestFiles::write(path(u"cedict"_s), content))
            return {};
        return CedictImporter(m_dir->path()).importFile(path(u"cedict"_s));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(ImportFolder::create(*m_dir));
    }

    void detectsFormat_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("wholeFile");
        QTest::addColumn<CedictFormat>("format");
        const QByteArray entry = "中國 中国 [Zhong1 guo2] /China/\n";
        QTest::newRow("Big5 header wins")
            << "#! charset=Big5\n" + entry << true << CedictFormat::Big5;
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF"_ba << true << CedictFormat::Utf8;
        QTest::newRow("headwords of different lengths")
            << "中國 国 [Zhong1 guo2] /China/\n"_ba << true << CedictFormat::Big5;
        QTest::newRow("sample cut inside a character")
            << entry + entry.first(4) << false << CedictFormat::Utf8;
        QTest::newRow("file cut inside a character")
            << entry + entry.first(4) << true << CedictFormat::Big5;
    }

    void detectsFormat()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, wholeFile);
        QTEST(detectCedictFormat(head, wholeFile), "format");
    }

    void big5OneRecordPerLineAfterAnEmptyOne()
    {
        const CedictImportSummary summary =
            import("\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/written language/\r\n\r\n"
                   "# a comment\r\n\xB0\xEA [guo2] /country/");
        QVERIFY(summary.succeeded());
        QCOMPARE(summary.format, CedictFormat::Big5);
        QCOMPARE(summary.linesRead, 4);
        QCOMPARE(summary.recordsWritten, 5);
        QCOMPARE(summary.linesWithoutHeadword, 2);
        QCOMPARE(
            ImportFolder::records(pendingFile()),
            (QStringList{QString(), u"A4A4A4E5|&H4E2D&H6587|zhong1 wen2|Chinese|written language"_s,
                         QString(), QString(), u"B0EA|&H570B|guo2|country"_s}));
        QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
    }

    void entries_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("counts"); // unknown codes, without Big5, outside the BMP
        const auto big5 = [](const char *tag, const QByteArray &line, const QString &record,
                             const QString &counts) {
            // With a second entry: a file must look like a word list to be imported.
            QTest::newRow(tag) << line + "\r\n\xB0\xEA [guo2] /country/\r\n" << record << counts;
        };
        big5("unknown code adds nothing", "\xA4\xA4\xC9\x40\xA4\xE5 [ab1] /gloss/",
             u"A4A4C940A4E5|&H4E2D&H6587|ab1|gloss"_s, u"1 0 0"_s);
        big5("no known code", "\xC9\x40 [ab1] /gloss/", u"C940|~|ab1|gloss"_s, u"1 0 0"_s);
        big5("letters keep their place", "AA\xA4\xA4 [AA zhi4] /gloss/",
             u"4141A4A4|&H0041&H0041&H4E2D|AA zhi4|gloss"_s, u"0 0 0"_s);
        big5("a letter after a character", "\xA4\xA4T [zhong1 T] /gloss/",
             u"A4A454|&H4E2D&H0054|zhong1 T|gloss"_s, u"0 0 0"_s);
        big5("digits only", "88 [ab1] /gloss/", u"~|~|ab1|gloss"_s, u"0 0 0"_s);
        big5("glosses decoded", "\xA4\xA4 [zhong1] /see \xA4\xA4\xA4\xE5[Zhong1 wen2]/",
             u"A4A4|&H4E2D|zhong1|see 中文[Zhong1 wen2]"_s, u"0 0 0"_s);
        const auto utf8 = [](const char *tag, const QByteArray &line, const QString &record,
                             const QString &counts) {
            // With a second entry: most headwords of a word list are Chinese.
            QTest::newRow(tag) << "#! charset=UTF-8\n" + line + "\n國 国 [guo2] /country/\n"
                               << record << counts;
        };
        utf8("UTF-8, traditional headword", "中國 中国 [Zhong1 guo2] /China/",
             u"A4A4B0EA|&H4E2D&H570B|Zhong1 guo2|China"_s, u"0 0 0"_s);
        utf8("UTF-8, no Big5", "这 这 [zhe4] /this/", u"~|&H8FD9|zhe4|this"_s, u"0 1 0"_s);
        utf8("UTF-8, outside the BMP", "𠀀中 𠀀中 [ha1 zhong1] /test/",
             u"~|&H4E2D|ha1 zhong1|test"_s, u"0 1 1"_s);
        utf8("UTF-8, ascii keeps its digits", "3C 3C [san1 C] /computers/",
             u"3343|&H0033&H0043|san1 C|computers"_s, u"0 0 0"_s);
        utf8("UTF-8, past the tenth gloss", "中 中 [zhong1] /1/2/3/4/5/6/7/8/9/10/11/12/",
             u"A4A4|&H4E2D|zhong1|1|2|3|4|5|6|7|8|9|10 / 11 / 12"_s, u"0 0 0"_s);
        utf8("UTF-8, long gloss not cut", "中 中 [zhong1] /" + QByteArray(400, 'g') + "/",
             u"A4A4|&H4E2D|zhong1|"_s + QString(400, u'g'), u"0 0 0"_s);
    }

    void entries()
    {
        QFETCH(QByteArray, line);
        const CedictImportSummary summary = import(line);
        QVERIFY(summary.succeeded());
        QTEST(u"%1 %2 %3"_s.arg(summary.unknownCodes)
                  .arg(summary.headwordsWithoutBig5)
                  .arg(summary.charactersOutsideBmp),
              "counts");
        QTEST(ImportFolder::records(pendingFile()).value(1), "record");
    }

    void utf8CommentsAndBlankLinesAreNoWords()
    {
        // No charset header: the two headwords tell the edition.
        const CedictImportSummary summary =
            import("# CC-CEDICT\n#\n\n中國 中国 [Zhong1 guo2] /China/\nnot an entry\n   \n"
                   "\xEF\xBB\xBF\n中文 中文 [Zhong1 wen2] /Chinese/");
        QVERIFY(summary.succeeded());
        QCOMPARE(summary.format, CedictFormat::Utf8);
        QCOMPARE(summary.linesRead, 8);
        QCOMPARE(summary.nonEntryLines, 5); // a byte order mark alone is a blank line
        QCOMPARE(summary.malformedLines, 1);
        QCOMPARE(ImportFolder::records(pendingFile()).value(2),
                 u"A4A4A4E5|&H4E2D&H6587|Zhong1 wen2|Chinese"_s);
    }

    void refusalsLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("input");   // empty: no file chosen
        QTest::addColumn<QString>("spoiled"); // "-file": taken away, "!file": garbage
        QTest::addColumn<CedictImportSummary::Outcome>("outcome");
        using Outcome = CedictImportSummary::Outcome;
        const QString input = u"cedict"_s;
        QTest::newRow("no file chosen") << QString() << QString() << Outcome::Cancelled;
        QTest::newRow("file missing") << u"none.b5"_s << QString() << Outcome::InputUnreadable;
        QTest::newRow("template missing")
            << input << u"-empty/kinesiskBIG5kod1.mdb"_s << Outcome::TemplateMissing;
        QTest::newRow("template broken")
            << input << u"!empty/kinesiskBIG5kod1.mdb"_s << Outcome::WriteFailed;
        QTest::newRow("code table missing") << input << u"-big5.mdb"_s << Outcome::CodeTableMissing;
    }

    void refusalsLeaveEverythingAsItWas()
    {
        QFETCH(QString, input);
        QFETCH(QString, spoiled);
        QFETCH(CedictImportSummary::Outcome, outcome);
        QVERIFY(TestFiles::write(path(u"cedict"_s), "\xA4\xA4 [zhong1] /middle/\r\n"));
        QVERIFY(TestFiles::write(pendingFile(), "an earlier import"));
        if (!spoiled.isEmpty())
            QVERIFY(spoiled[0] == u'!' ? TestFiles::write(path(spoiled.mid(1)), "not a database")
                                       : QFile::remove(path(spoiled.mid(1))));
        const QString file = input.isEmpty() ? QString() : path(input);
        QCOMPARE(CedictImporter(m_dir->path()).importFile(file).outcome, outcome);
        QCOMPARE(TestFiles::read(pendingFile()), "an earlier import"_ba);
        QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
        if (outcome == CedictImportSummary::Outcome::CodeTableMissing) // UTF-8 needs none
            QVERIFY(import("中國 中国 [Zhong1 guo2] /China/\n").succeeded());
    }

    // The word table waiting beside the program replaces the old one at the next start.
    void pendingTableInstall_data()
    {
        QTest::addColumn<QString>("before"); // word: the word table holds "old"; pending: a
        QTest::addColumn<QString>("after");  // store holding "new" waits; empty: an empty file
        QTest::newRow("nothing waiting") << u"word"_s << u"old"_s;
        QTest::newRow("interrupted import not installed") << u"word staging"_s << u"old"_s;
        QTest::newRow("installed, staging removed") << u"word pending staging"_s << u"new"_s;
        QTest::newRow("first word table") << u"pending"_s << u"new"_s;
        QTest::newRow("empty file stays aside") << u"word empty"_s << u"old"_s;
    }

    void pendingTableInstall()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QString word = path(u"kinesiskBIG5kod.mdb"_s);
        const auto store = [](const QString &file, const QString &text) {
            return TestStores::words(file, {{{WordField::translation(1), text}}});
        };
        QVERIFY(!before.contains(u"word") || store(word, u"old"_s));
        QVERIFY(!before.contains(u"pending") || store(pendingFile(), u"new"_s));
        QVERIFY(!before.contains(u"empty") || TestFiles::write(pendingFile(), {}));
        if (before.contains(u"staging")) { // a valid start of a store, then nothing
            QVERIFY(store(path(u"half.mdb"_s), u"half"_s));
            QVERIFY(TestFiles::write(stagingFileFor(pendingFile()),
                                     TestFiles::read(path(u"half.mdb"_s)).left(1024)));
        }
        QCOMPARE(installPendingWordTable(m_dir->path()), after == u"new");
        QCOMPARE(ImportFolder::records(word), QStringList{u"~|~|~|"_s + after});
        // Installed means renamed: nothing waits any more. What was refused stays aside.
        QCOMPARE(QFile::exists(pendingFile()), before.contains(u"empty"));
        QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
        QVERIFY(!installPendingWordTable(m_dir->path()));
        QCOMPARE(ImportFolder::records(word), QStringList{u"~|~|~|"_s + after});
    }

    // An import writes both files of the dictionary; the next start installs them together
    // and keeps the pair it replaces. A start killed before any step of the install (simulated
    // by stopping there) is carried on by the next one: the old pair or the new pair, never
    // one of each.
    void pairedInstall_data()
    {
        QTest::addColumn<int>("killedBefore"); // the step the first start reaches; -1: none
        QTest::newRow("start not killed") << -1;
        for (int step = 0; step < 6; ++step)
            QTest::addRow("killed before step %d", step) << step;
    }

    void pairedInstall()
    {
        QFETCH(int, killedBefore);
        QVERIFY(TestStores::words(
            path(u"kinesiskBIG5kod.mdb"_s),
            {{{WordField::teckenkoder, u"&H4E2D"_s}, {WordField::translation(1), u"old"_s}}}));
        QVERIFY(TestFiles::write(path(u"cedict.b5"_s), "old pair\r\n"));
        const CedictImportSummary summary = import("#! charset=UTF-8\n中國 中国 [Zhong1 guo2] "
                                                   "/China/\nAA制 AA制 [A A zhi4] /Dutch treat/\n"
                                                   "这 这 [zhe4] /this/\n");
        QVERIFY(summary.succeeded());
        QCOMPARE(summary.big5Entries, 2); // 这 has no Big5 form
        // The Big5 file keeps the Latin letters of a mixed headword.
        const QByteArray newBig5 = "#! charset=Big5\r\n\xA4\xA4\xB0\xEA [Zhong1 guo2] /China/\r\n"
                                   "AA\xA8\xEE [A A zhi4] /Dutch treat/\r\n"_ba;
        QCOMPARE(TestFiles::read(path(u"cedict1.b5"_s)), newBig5);

        DictionaryUpdate first(m_dir->path());
        bool stopped = false;
        first.setStepHook([&](int step) { return !(stopped = step == killedBefore); });
        const DictionaryUpdate::Change change = first.applyAtStart();
        QCOMPARE(stopped, killedBefore >= 0);
        if (!stopped)
            QCOMPARE(change, DictionaryUpdate::Change::Installed);
        // Had it stopped for good here, the files might be one of each; the next start makes
        // them whole before anything opens them.
        DictionaryUpdate(m_dir->path()).applyAtStart();
        QCOMPARE(ImportFolder::records(path(u"kinesiskBIG5kod.mdb"_s)).value(1),
                 u"A4A4B0EA|&H4E2D&H570B|Zhong1 guo2|China"_s);
        QCOMPARE(TestFiles::read(path(u"cedict.b5"_s)), newBig5);
        QCOMPARE(ImportFolder::records(DictionaryFiles::previousWordStore(m_dir->path())),
                 QStringList{u"~|&H4E2D|~|old"_s});
        QCOMPARE(TestFiles::read(DictionaryFiles::previousBig5(m_dir->path())), "old pair\r\n"_ba);
        const QStringList left =
            QDir(m_dir->path())
                .entryList({u"*1.mdb"_s, u"cedict1.b5"_s, u"update.journal"_s, u"*.part"_s});
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u", ")));
    }

    // The previous pair comes back at the next start, and the pair it replaces becomes the
    // previous one: a second restore undoes the first. A start killed half-way through the
    // swap is carried on, and an import made after the request wins over it.
    void restore_data()
    {
        QTest::addColumn<int>("killedBefore");
        QTest::addColumn<bool>("importAfterwards");
        QTest::addColumn<QString>("inUse"); // after the next start
        QTest::newRow("restored") << -1 << false << u"old"_s;
        for (int step = 0; step < 9; ++step)
            QTest::addRow("killed before step %d", step) << step << false << u"old"_s;
        QTest::newRow("import after the request") << -1 << true << u"newest"_s;
    }

    void restore()
    {
        QFETCH(int, killedBefore);
        QFETCH(bool, importAfterwards);
        const auto words = [](const QString &text) {
            return QList<TestStores::Row>{
                {{WordField::teckenkoder, u"&H4E2D"_s}, {WordField::translation(1), text}}};
        };
        QVERIFY(TestStores::words(path(u"kinesiskBIG5kod.mdb"_s), words(u"old"_s)));
        QVERIFY(TestFiles::write(path(u"cedict.b5"_s), "old"));
        QVERIFY(!DictionaryUpdate(m_dir->path()).requestRestore()); // no previous one yet
        QVERIFY(TestStores::words(pendingFile(), words(u"new"_s)));
        QVERIFY(TestFiles::write(path(u"cedict1.b5"_s), "new"));
        QCOMPARE(DictionaryUpdate(m_dir->path()).applyAtStart(),
                 DictionaryUpdate::Change::Installed);

        DictionaryUpdate update(m_dir->path());
        QCOMPARE(update.current().entries, 1);
        QVERIFY(update.previous().exists);
        QString error;
        QVERIFY2(update.requestRestore(&error), qPrintable(error));
        if (importAfterwards) {
            QVERIFY(import("#! charset=UTF-8\n中 中 [zhong1] /newest/\n").succeeded());
            QVERIFY(!update.restoreRequested());
        }
        DictionaryUpdate first(m_dir->path());
        first.setStepHook([&](int step) { return step != killedBefore; });
        first.applyAtStart();
        DictionaryUpdate(m_dir->path()).applyAtStart();

        const auto translation = [importAfterwards](const QString &file) {
            return ImportFolder::records(file).value(importAfterwards ? 1 : 0).section(u'|', 3, 3);
        };
        QTEST(translation(path(u"kinesiskBIG5kod.mdb"_s)), "inUse");
        if (!importAfterwards) {
            QCOMPARE(TestFiles::read(path(u"cedict.b5"_s)), "old"_ba);
            QCOMPARE(
                ImportFolder::records(DictionaryFiles::previousWordStore(m_dir->path())).value(0),
                u"~|&H4E2D|~|new"_s);
            QCOMPARE(TestFiles::read(DictionaryFiles::previousBig5(m_dir->path())), "new"_ba);
        }
        QVERIFY(!update.restoreRequested());
        QVERIFY(!QFile::exists(path(u"update.journal"_s)));
    }

    void realBig5CedictImportsThroughTheCodeTable()
    {
        const QDir program(QStringLiteral(ORDBOK_PROGRAM_DIR));
        if (!program.exists(u"cedict.b5"_s) || !program.exists(Tables::codeStore) ||
            !program.exists(Tables::emptyWordTemplate))
            QSKIP("the program folder has no stores yet (build ordbok_data)");
        for (const auto &[from, to] : {std::pair{Tables::codeStore, QLatin1StringView("big5.mdb")},
                                       {Tables::emptyWordTemplate, Tables::emptyWordTemplate}}) {
            QVERIFY(QFile::remove(path(to)));
            QVERIFY(QFile::copy(program.filePath(from), path(to)));
        }
        const CedictImportSummary summary =
            CedictImporter(m_dir->path()).importFile(program.filePath(u"cedict.b5"_s));
        QVERIFY(summary.succeeded());
        QCOMPARE(summary.format, CedictFormat::Big5);
        QCOMPARE(summary.recordsWritten, summary.linesRead + 1);
        QVERIFY(summary.linesRead > 110000);
        RecordSource words;
        QVERIFY(words.open(summary.targetFile));
        words.findFirst(
            Criteria{WordField::teckenkoder, Criteria::Operator::Equals, u"&H4E2D&H570B"_s});
        QCOMPARE(words.text(WordField::pinyin) + words.text(WordField::translation(1)),
                 u"Zhong1 guo2China"_s);
    }
};

QTEST_GUILESS_MAIN(TestCedictImporter)
#include "tst_cedictimporter.moc"
