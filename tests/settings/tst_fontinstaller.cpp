#include "settings/fontinstaller.h"
#include "shell/fontregistration.h"
#include "tests/common/files.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Stand-ins for the two font files: the installer copies bytes and never looks inside.
const QByteArray pinyinBytes = QByteArray("pinyin font ").repeated(1000);
const QByteArray chineseBytes = QByteArray("chinese font\0", 13).repeated(200000); // > 1 block

bool putProgramFonts(const QString &folder)
{
    return TestFiles::write(QDir(folder).filePath(ProgramFonts::pinyinFile), pinyinBytes) &&
           TestFiles::write(QDir(folder).filePath(ProgramFonts::chineseFile), chineseBytes);
}

} // namespace

class TestFontInstaller : public QObject
{
    Q_OBJECT

private slots:
    void flagItem_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("item"); // the fonts wait exactly when it is "nej"
        QTest::newRow("quoted nej") << "\"nej\"\r\n"_ba << u"nej"_s;
        QTest::newRow("blanks outside unquoted, LF") << " \tnej  \n"_ba << u"nej"_s;
        QTest::newRow("item ends at comma") << "nej,Ja\r\n"_ba << u"nej"_s;
        QTest::newRow("unclosed quote ends at line end") << "\"nej\r\nx"_ba << u"nej"_s;
        QTest::newRow("Nej") << "\"Nej\"\r\n"_ba << u"Nej"_s;
        QTest::newRow("blank inside quotes") << "\" nej\"\r\n"_ba << u" nej"_s;
        QTest::newRow("text after closing quote") << "\"ne\"j\r\n"_ba << u"ne"_s;
        QTest::newRow("empty line, nej below") << "\r\nnej\r\n"_ba << QString();
        QTest::newRow("byte order mark") << "\xEF\xBB\xBFnej"_ba << u"\u00EF\u00BB\u00BFnej"_s;
        QTest::newRow("huge unclosed quote")
            << "\"nej"_ba + QByteArray(100000, 'x') << u"nej"_s + QString(4092, u'x');
    }

    void flagItem()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, item);
        QTemporaryDir dir;
        const FontFlagFile flag(dir.path());
        QVERIFY(TestFiles::write(flag.path(), content));
        QCOMPARE(flag.item(), std::optional<QString>(item));
        QCOMPARE(flag.fontsPending(), item == u"nej");
        QCOMPARE(TestFiles::read(flag.path()), content); // reading never touches the file
    }

    void markInstalled()
    {
        QTemporaryDir dir;
        const FontFlagFile flag(dir.path());
        QCOMPARE(flag.item(), std::nullopt);
        QVERIFY(!flag.fontsPending());
        QVERIFY(flag.markInstalled()); // creates a missing file
        QVERIFY(TestFiles::write(flag.path(), QByteArray(10000, 'n')));
        QVERIFY(flag.markInstalled()); // replaces a longer one
        QCOMPARE(TestFiles::read(flag.path()), "\"Ja\"\r\n"_ba);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{FontFlagFile::fileName}); // no temporary file left behind

        const FontFlagFile gone(QDir(dir.path()).filePath(u"gone"_s));
        QVERIFY(!gone.markInstalled());
        QVERIFY(!QFileInfo::exists(gone.path()));
    }

    void install()
    {
        QTemporaryDir program;
        QTemporaryDir home;
        QVERIFY(putProgramFonts(program.path()));
        const QDir user(QDir(home.path()).filePath(u".local/share/fonts"_s)); // made on the way
        const FontInstaller installer(program.path(), user.path());
        QVERIFY(!installer.install().isEmpty());
        QVERIFY(TestFiles::write(user.filePath(ProgramFonts::pinyinFile), "older, and longer"));
        QCOMPARE(installer.install(), (QStringList{user.filePath(ProgramFonts::pinyinFile),
                                                   user.filePath(ProgramFonts::chineseFile)}));
        QCOMPARE(TestFiles::read(user.filePath(ProgramFonts::pinyinFile)), pinyinBytes);
        QCOMPARE(TestFiles::read(user.filePath(ProgramFonts::chineseFile)), chineseBytes);
        QCOMPARE(user.entryList(QDir::Files | QDir::Hidden).size(), 2);

        // A font missing from the program folder is skipped alone; a file where the folder
        // should be is kept.
        QVERIFY(QFile::remove(QDir(program.path()).filePath(ProgramFonts::chineseFile)));
        const QString other = QDir(home.path()).filePath(u"other"_s);
        QCOMPARE(FontInstaller(program.path(), other).install(),
                 QStringList{QDir(other).filePath(ProgramFonts::pinyinFile)});
        const QString blocker = QDir(home.path()).filePath(u"blocker"_s);
        QVERIFY(TestFiles::write(blocker, "the user's own file"));
        QVERIFY(FontInstaller(program.path(), blocker).install().isEmpty());
        QCOMPARE(TestFiles::read(blocker), "the user's own file"_ba);
    }

    void firstStartRunsOnlyForNej_data()
    {
        QTest::addColumn<QByteArray>("flag"); // empty: no flag file
        QTest::addColumn<bool>("userFolderWritable");
        QTest::addColumn<bool>("runs");
        QTest::newRow("nej") << "\"nej\"\r\n"_ba << true << true;
        QTest::newRow("nej, user folder blocked") << "\"nej\"\r\n"_ba << false << true;
        QTest::newRow("Ja") << "\"Ja\"\r\n"_ba << true << false;
        QTest::newRow("no flag file") << QByteArray() << true << false;
    }

    void firstStartRunsOnlyForNej()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, userFolderWritable);
        QFETCH(bool, runs);
        QTemporaryDir program;
        QTemporaryDir home;
        QVERIFY(putProgramFonts(program.path()));
        const FontFlagFile flagFile(program.path());
        if (!flag.isEmpty())
            QVERIFY(TestFiles::write(flagFile.path(), flag));
        const QString user = QDir(home.path()).filePath(u"fonts"_s);
        if (!userFolderWritable)
            QVERIFY(TestFiles::write(user, "blocked"));

        QCOMPARE(FontInstaller(program.path(), user).installOnFirstStart(), runs);
        QCOMPARE(QFileInfo::exists(QDir(user).filePath(ProgramFonts::chineseFile)),
                 runs && userFolderWritable);
        // A failed copy still ends the first start: the fonts are registered from the program
        // folder at every start anyway.
        QCOMPARE(TestFiles::read(flagFile.path()), runs ? "\"Ja\"\r\n"_ba : flag);
    }

    void registration()
    {
        QTemporaryDir notFonts;
        QVERIFY(putProgramFonts(notFonts.path()));
        const QStringList substitutes = QFont::substitutes(ProgramFonts::chineseAlias);
        const RegisteredFonts refused = registerProgramFonts(notFonts.path());
        QVERIFY(refused.pinyinFamilies.isEmpty() && refused.chineseFamilies.isEmpty());
        QCOMPARE(QFont::substitutes(ProgramFonts::chineseAlias), substitutes);

        const QString built = QStringLiteral(ORDBOK_PROGRAM_DIR);
        if (!QFileInfo::exists(QDir(built).filePath(ProgramFonts::chineseFile)))
            QSKIP("fonts not built into the program folder");
        const RegisteredFonts first = registerProgramFonts(built);
        QCOMPARE(first.pinyinFamilies, QStringList{ProgramFonts::pinyinFamily});
        const QStringList families = QFontDatabase::families();
        QCOMPARE(registerProgramFonts(built + u"/"_s).chineseFamilies, first.chineseFamilies);
        QCOMPARE(QFontDatabase::families(), families);
        // Qt keeps substitutes in lower case.
        const QString chinese = first.chineseFamilies.value(0).toLower();
        QCOMPARE(QFont::substitutes(ProgramFonts::chineseAlias).count(chinese), 1);
    }
};

QTEST_MAIN(TestFontInstaller)
#include "tst_fontinstaller.moc"
