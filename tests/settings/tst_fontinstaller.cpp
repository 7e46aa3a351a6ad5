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

    // The flag is written through a temporary file: made when missing, never in a folder that
    // is not there.
    void markInstalled()
    {
        QTemporaryDir dir;
        QVERIFY(FontFlagFile(dir.path()).markInstalled());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{FontFlagFile::fileName});
        const FontFlagFile gone(dir.filePath(u"gone"_s));
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

    // "nej" starts the first start once; a failed copy still ends it, since the fonts are
    // registered from the program folder at every start anyway.
    void firstStartEndsEvenWhenTheCopyFails()
    {
        QTemporaryDir program;
        QVERIFY(putProgramFonts(program.path()));
        const FontFlagFile flag(program.path());
        QVERIFY(TestFiles::write(flag.path(), "\"nej\"\r\n"));
        const QString blocked = program.filePath(u"user"_s); // a file where the folder should be
        QVERIFY(TestFiles::write(blocked, "the user's own file"));
        QVERIFY(FontInstaller(program.path(), blocked).installOnFirstStart());
        QCOMPARE(TestFiles::read(flag.path()), "\"Ja\"\r\n"_ba);
        QVERIFY(!FontInstaller(program.path(), blocked).installOnFirstStart());
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
        // A second registration adds nothing; Qt keeps substitutes in lower case.
        const QStringList families = QFontDatabase::families();
        QCOMPARE(registerProgramFonts(built + u"/"_s).chineseFamilies, first.chineseFamilies);
        QCOMPARE(QFontDatabase::families(), families);
        const QString chinese = first.chineseFamilies.value(0).toLower();
        QCOMPARE(QFont::substitutes(ProgramFonts::chineseAlias).count(chinese), 1);
    }
};

QTEST_MAIN(TestFontInstaller)
#include "tst_fontinstaller.moc"
