#include "app/fontinstaller.h"
#include "tests/common/files.h"
#include "platform/fontregistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QRawFont>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString programDir = QStringLiteral(ORDBOK_PROGRAM_DIR);
const QString dejaVuSerif = u"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"_s;
const QString chineseFamily = u"AR PL UMing TW"_s;

// Stand-ins for the two font files: the installer copies bytes and never looks inside.
const QByteArray pinyinBytes = QByteArray("pinyin font ").repeated(1000);
const QByteArray chineseBytes = QByteArray("chinese font\0", 13).repeated(200000); // > 1 copy block

void putProgramFonts(const QString &folder, bool pinyin = true, bool chinese = true)
{
    if (pinyin)
        QVERIFY(TestFiles::write(QDir(folder).filePath(ProgramFonts::pinyinFile), pinyinBytes));
    if (chinese)
        QVERIFY(TestFiles::write(QDir(folder).filePath(ProgramFonts::chineseFile), chineseBytes));
}

QString builtFile(const QString &name)
{
    return QDir(programDir).filePath(name);
}

} // namespace

class TestFontInstaller : public QObject
{
    Q_OBJECT
private slots:
    void flagProtocol_data();
    void flagProtocol();
    void missingFlagIsNoFirstStart();
    void markInstalledWritesQuotedJa_data();
    void markInstalledWritesQuotedJa();
    void markInstalledInMissingFolderFails();

    void installCopiesBothFonts_data();
    void installCopiesBothFonts();
    void installIntoAFileKeepsTheFile();
    void firstStartRunsOnlyForNej_data();
    void firstStartRunsOnlyForNej();

    void registersTheBuiltFonts();
    void registeringTwiceAddsNothing();
    void missingProgramFontsRegisterNothing();
    void pinyinFontDrawsToneGlyphs_data();
    void pinyinFontDrawsToneGlyphs();
    void pinyinFontKeepsOtherGlyphs_data();
    void pinyinFontKeepsOtherGlyphs();
    void chineseFontCoversDictionaryText_data();
    void chineseFontCoversDictionaryText();

    void radicalPicturesAreDistinctAndInked();
    void backgroundIsLightAndSeamless();
    void programPicturesLoad_data();
    void programPicturesLoad();
    void buildWritesPendingFlag();
};

void TestFontInstaller::flagProtocol_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("pending");

    QTest::newRow("unquoted nej") << "nej\r\n"_ba << u"nej"_s << true;
    QTest::newRow("quoted nej") << "\"nej\"\r\n"_ba << u"nej"_s << true;
    QTest::newRow("quoted, no line end") << "\"nej\""_ba << u"nej"_s << true;
    QTest::newRow("LF line end") << "nej\n"_ba << u"nej"_s << true;
    QTest::newRow("blanks outside unquoted") << " \tnej  \r\n"_ba << u"nej"_s << true;
    QTest::newRow("blanks outside quotes") << "  \"nej\"  \r\n"_ba << u"nej"_s << true;
    QTest::newRow("item ends at comma") << "nej,Ja\r\n"_ba << u"nej"_s << true;
    QTest::newRow("only first line counts") << "\"nej\"\r\n\"Ja\"\r\n"_ba << u"nej"_s << true;
    QTest::newRow("unclosed quote ends at line end") << "\"nej\r\nx"_ba << u"nej"_s << true;
    QTest::newRow("Nej") << "\"Nej\"\r\n"_ba << u"Nej"_s << false;
    QTest::newRow("NEJ unquoted") << "NEJ\r\n"_ba << u"NEJ"_s << false;
    QTest::newRow("blank inside quotes, front") << "\" nej\"\r\n"_ba << u" nej"_s << false;
    QTest::newRow("blank inside quotes, back") << "\"nej \"\r\n"_ba << u"nej "_s << false;
    QTest::newRow("ne j") << "ne j\r\n"_ba << u"ne j"_s << false;
    QTest::newRow("text after closing quote") << "\"ne\"j\r\n"_ba << u"ne"_s << false;
    QTest::newRow("Ja") << "\"Ja\"\r\n"_ba << u"Ja"_s << false;
    QTest::newRow("empty file") << QByteArray() << QString() << false;
    QTest::newRow("empty line, nej below") << "\r\nnej\r\n"_ba << QString() << false;
    QTest::newRow("byte order mark")
        << "\xEF\xBB\xBFnej\r\n"_ba << u"\u00EF\u00BB\u00BFnej"_s << false;
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xFFnej\x01\x02\"\x7F\x80\x9C", 11)
        << u"\u0000\u00FFnej\u0001\u0002\"\u007F\u0080\u009C"_s << false;
    QByteArray huge(100000, 'x');
    huge.prepend("\"nej");
    QTest::newRow("huge unclosed quote") << huge << u"nej"_s + QString(4092, u'x') << false;
}

void TestFontInstaller::flagProtocol()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, item);
    QFETCH(bool, pending);

    QTemporaryDir dir;
    QVERIFY(TestFiles::write(QDir(dir.path()).filePath(FontFlagFile::fileName), content));
    const FontFlagFile flag(dir.path());
    QCOMPARE(flag.item(), std::optional<QString>(item));
    QCOMPARE(flag.fontsPending(), pending);
    QCOMPARE(TestFiles::read(flag.path()), content); // reading never touches the file
}

void TestFontInstaller::missingFlagIsNoFirstStart()
{
    QTemporaryDir dir;
    const FontFlagFile flag(dir.path());
    QCOMPARE(flag.item(), std::nullopt);
    QVERIFY(!flag.fontsPending());
    QVERIFY(!QFileInfo::exists(flag.path()));

    QVERIFY(QDir(dir.path()).mkdir(FontFlagFile::fileName)); // a folder in the file's place
    QVERIFY(!flag.fontsPending());
}

void TestFontInstaller::markInstalledWritesQuotedJa_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("exists");
    QTest::newRow("replaces nej") << "\"nej\"\r\n"_ba << true;
    QTest::newRow("replaces a longer file") << QByteArray(10000, 'n') << true;
    QTest::newRow("creates a missing file") << QByteArray() << false;
}

void TestFontInstaller::markInstalledWritesQuotedJa()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, exists);

    QTemporaryDir dir;
    const FontFlagFile flag(dir.path());
    if (exists)
        QVERIFY(TestFiles::write(flag.path(), before));
    QVERIFY(flag.markInstalled());
    QCOMPARE(TestFiles::read(flag.path()), "\"Ja\"\r\n"_ba);
    QCOMPARE(flag.item(), std::optional<QString>(u"Ja"_s));
    QVERIFY(!flag.fontsPending());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{FontFlagFile::fileName}); // no temporary file left behind
}

void TestFontInstaller::markInstalledInMissingFolderFails()
{
    QTemporaryDir dir;
    const FontFlagFile flag(QDir(dir.path()).filePath(u"gone"_s));
    QVERIFY(!flag.markInstalled());
    QVERIFY(!QFileInfo::exists(flag.path()));
}

void TestFontInstaller::installCopiesBothFonts_data()
{
    QTest::addColumn<QString>("userFolder"); // relative to the temporary folder
    QTest::addColumn<bool>("olderCopies");
    QTest::newRow("existing empty folder") << u"fonts"_s << false;
    QTest::newRow("folder made on the way") << u"home/.local/share/fonts"_s << false;
    QTest::newRow("older copies replaced") << u"fonts"_s << true;
}

void TestFontInstaller::installCopiesBothFonts()
{
    QFETCH(QString, userFolder);
    QFETCH(bool, olderCopies);

    QTemporaryDir program;
    QTemporaryDir home;
    putProgramFonts(program.path());
    const QDir user(QDir(home.path()).filePath(userFolder));
    if (userFolder == u"fonts"_s)
        QVERIFY(QDir(home.path()).mkdir(userFolder));
    if (olderCopies) {
        QVERIFY(TestFiles::write(user.filePath(ProgramFonts::pinyinFile), "old and longer than nothing"));
        QVERIFY(TestFiles::write(user.filePath(ProgramFonts::chineseFile), "old"));
    }

    const FontInstaller installer(program.path(), user.path());
    const QStringList installed = installer.install();

    QCOMPARE(installed, (QStringList{user.filePath(ProgramFonts::pinyinFile),
                                     user.filePath(ProgramFonts::chineseFile)}));
    QCOMPARE(TestFiles::read(user.filePath(ProgramFonts::pinyinFile)), pinyinBytes);
    QCOMPARE(TestFiles::read(user.filePath(ProgramFonts::chineseFile)), chineseBytes);
    QCOMPARE(user.entryList(QDir::Files | QDir::Hidden).size(), 2);
    // The program folder keeps its fonts.
    QCOMPARE(TestFiles::read(QDir(program.path()).filePath(ProgramFonts::chineseFile)), chineseBytes);
}

void TestFontInstaller::installIntoAFileKeepsTheFile()
{
    QTemporaryDir program;
    QTemporaryDir home;
    putProgramFonts(program.path(), true, false);
    const QString blocker = QDir(home.path()).filePath(u"fonts"_s);
    QVERIFY(TestFiles::write(blocker, "the user's own file"));

    QVERIFY(FontInstaller(program.path(), blocker).install().isEmpty());
    QCOMPARE(TestFiles::read(blocker), "the user's own file"_ba);

    // With the user folder fine, a font missing from the program folder is skipped alone.
    const QString user = QDir(home.path()).filePath(u"real"_s);
    QCOMPARE(FontInstaller(program.path(), user).install(),
             QStringList{QDir(user).filePath(ProgramFonts::pinyinFile)});
}

void TestFontInstaller::firstStartRunsOnlyForNej_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("flagExists");
    QTest::addColumn<bool>("userFolderWritable");
    QTest::addColumn<bool>("runs");
    QTest::newRow("nej") << "\"nej\"\r\n"_ba << true << true << true;
    QTest::newRow("nej, user folder blocked") << "\"nej\"\r\n"_ba << true << false << true;
    QTest::newRow("Ja") << "\"Ja\"\r\n"_ba << true << true << false;
    QTest::newRow("Nej") << "\"Nej\"\r\n"_ba << true << true << false;
    QTest::newRow("no flag file") << QByteArray() << false << true << false;
}

void TestFontInstaller::firstStartRunsOnlyForNej()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, flagExists);
    QFETCH(bool, userFolderWritable);
    QFETCH(bool, runs);

    QTemporaryDir program;
    QTemporaryDir home;
    putProgramFonts(program.path());
    const FontFlagFile flagFile(program.path());
    if (flagExists)
        QVERIFY(TestFiles::write(flagFile.path(), flag));
    const QString user = QDir(home.path()).filePath(u"fonts"_s);
    if (!userFolderWritable)
        QVERIFY(TestFiles::write(user, "blocked"));

    QCOMPARE(FontInstaller(program.path(), user).installOnFirstStart(), runs);

    const bool fontsCopied = QFileInfo::exists(QDir(user).filePath(ProgramFonts::pinyinFile)) &&
                             QFileInfo::exists(QDir(user).filePath(ProgramFonts::chineseFile));
    QCOMPARE(fontsCopied, runs && userFolderWritable);
    // A failed copy still ends the first start: the fonts are registered from the program
    // folder at every start anyway.
    if (runs)
        QCOMPARE(TestFiles::read(flagFile.path()), "\"Ja\"\r\n"_ba);
    else if (flagExists)
        QCOMPARE(TestFiles::read(flagFile.path()), flag);
    else
        QVERIFY(!QFileInfo::exists(flagFile.path()));
}

void TestFontInstaller::registersTheBuiltFonts()
{
    if (!QFileInfo::exists(builtFile(ProgramFonts::pinyinFile)) ||
        !QFileInfo::exists(builtFile(ProgramFonts::chineseFile)))
        QSKIP("fonts not built into the program folder");

    const RegisteredFonts fonts = registerProgramFonts(programDir);
    QCOMPARE(fonts.pinyinFamilies, QStringList{ProgramFonts::pinyinFamily});
    QCOMPARE(fonts.chineseFamilies, QStringList{chineseFamily});

    QCOMPARE(QFontInfo(QFont(ProgramFonts::pinyinFamily)).family(),
             QString(ProgramFonts::pinyinFamily));
    QCOMPARE(QFontInfo(QFont(ProgramFonts::chineseAlias)).family(), chineseFamily);
    QVERIFY(QFontDatabase::families().contains(ProgramFonts::pinyinFamily));
}

void TestFontInstaller::registeringTwiceAddsNothing()
{
    if (!QFileInfo::exists(builtFile(ProgramFonts::chineseFile)))
        QSKIP("fonts not built into the program folder");

    const RegisteredFonts first = registerProgramFonts(programDir);
    const QStringList families = QFontDatabase::families();
    const RegisteredFonts second = registerProgramFonts(programDir + u"/"_s);
    QCOMPARE(second.chineseFamilies, first.chineseFamilies);
    QCOMPARE(QFontDatabase::families(), families);
    // Qt keeps substitutes in lower case.
    QCOMPARE(QFont::substitutes(ProgramFonts::chineseAlias).count(chineseFamily.toLower()), 1);
}

void TestFontInstaller::missingProgramFontsRegisterNothing()
{
    QTemporaryDir empty;
    const QStringList substitutes = QFont::substitutes(ProgramFonts::chineseAlias);
    const RegisteredFonts fonts = registerProgramFonts(empty.path());
    QVERIFY(fonts.pinyinFamilies.isEmpty());
    QVERIFY(fonts.chineseFamilies.isEmpty());
    QCOMPARE(QFont::substitutes(ProgramFonts::chineseAlias), substitutes);

    // Not a font at all: refused without harm.
    putProgramFonts(empty.path());
    QVERIFY(registerProgramFonts(empty.path()).pinyinFamilies.isEmpty());
}

void TestFontInstaller::pinyinFontDrawsToneGlyphs_data()
{
    QTest::addColumn<int>("codePoint");
    QTest::addColumn<QString>("drawnAs");

    // Rows of letters, columns of tones 1 to 4.
    const struct
    {
        const char *letter;
        int codePoints[4];
        const char16_t *marked;
    } rows[] = {
        {"a", {0xE1, 0xE0, 0xE2, 0xE4}, u"\u0101\u00E1\u01CE\u00E0"},
        {"e", {0xE3, 0xE5, 0xE7, 0xE9}, u"\u0113\u00E9\u011B\u00E8"},
        {"i", {0xEA, 0xEB, 0xED, 0xEC}, u"\u012B\u00ED\u01D0\u00EC"},
        {"o", {0xEE, 0xEF, 0xF1, 0xF3}, u"\u014D\u00F3\u01D2\u00F2"},
        {"u", {0xF2, 0xF4, 0xF6, 0xF5}, u"\u016B\u00FA\u01D4\u00F9"},
        {"v", {0xFA, 0xF9, 0xFB, 0xFC}, u"\u01D6\u01D8\u01DA\u01DC"},
        {"A", {0xA2, 0xC1, 0xA7, 0xC0}, u"\u0100\u00C1\u01CD\u00C0"},
        {"E", {0xB6, 0xC9, 0xAE, 0xC8}, u"\u0112\u00C9\u011A\u00C8"},
        {"I", {0xB4, 0xCD, 0xCF, 0xCC}, u"\u012A\u00CD\u01CF\u00CC"},
        {"O", {0xD8, 0xD3, 0xB1, 0xD2}, u"\u014C\u00D3\u01D1\u00D2"},
        {"U", {0xAA, 0xDA, 0xB5, 0xD9}, u"\u016A\u00DA\u01D3\u00D9"},
    };
    for (const auto &row : rows) {
        for (int tone = 0; tone < 4; ++tone)
            QTest::addRow("%s%d", row.letter, tone + 1)
                << row.codePoints[tone] << QString(QChar(row.marked[tone]));
    }
}

void TestFontInstaller::pinyinFontDrawsToneGlyphs()
{
    QFETCH(int, codePoint);
    QFETCH(QString, drawnAs);

    const QRawFont pinyin(builtFile(ProgramFonts::pinyinFile), 20);
    const QRawFont reference(dejaVuSerif, 20);
    if (!pinyin.isValid() || !reference.isValid())
        QSKIP("pyserif.ttf not built or DejaVu Serif not installed");

    const QList<quint32> drawn = pinyin.glyphIndexesForString(QString(QChar(codePoint)));
    const QList<quint32> expected = reference.glyphIndexesForString(drawnAs);
    QCOMPARE(drawn.size(), 1);
    QVERIFY(drawn.first() != 0); // 0 is the missing-glyph box
    QCOMPARE(drawn, expected);
}

void TestFontInstaller::pinyinFontKeepsOtherGlyphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII letters and digits") << u"aeiouAEIOU hao3 zhong1guo2"_s;
    QTest::newRow("Latin-1 outside the table")
        << u"\u00E6\u00E8\u00F0\u00F7\u00F8\u00FF\u00DF\u00C4"_s;
    QTest::newRow("tone-marked letters themselves") << u"\u0101\u01CE\u01D6\u01DC\u0100"_s;
}

void TestFontInstaller::pinyinFontKeepsOtherGlyphs()
{
    QFETCH(QString, text);
    const QRawFont pinyin(builtFile(ProgramFonts::pinyinFile), 20);
    const QRawFont reference(dejaVuSerif, 20);
    if (!pinyin.isValid() || !reference.isValid())
        QSKIP("pyserif.ttf not built or DejaVu Serif not installed");
    QCOMPARE(pinyin.glyphIndexesForString(text), reference.glyphIndexesForString(text));
    QCOMPARE(pinyin.familyName(), QString(ProgramFonts::pinyinFamily));
}

void TestFontInstaller::chineseFontCoversDictionaryText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("traditional") << u"\u5B57\u5178\u6F22\u5B57\u9F8D"_s;
    QTest::newRow("simplified") << u"\u6C49\u5B57\u9F99\u4E66"_s;
    QTest::newRow("first and last Kangxi radical") << u"\u2F00\u2FD5"_s;
    QTest::newRow("simplified radicals") << u"\u2EB0\u2EC8\u2EF3"_s;
    QTest::newRow("zhuyin letters") << u"\u3105\u3129"_s;
}

void TestFontInstaller::chineseFontCoversDictionaryText()
{
    QFETCH(QString, text);
    const QRawFont chinese(builtFile(ProgramFonts::chineseFile), 20);
    if (!chinese.isValid())
        QSKIP("MSSONG.ttf not built");
    QCOMPARE(chinese.familyName(), chineseFamily);
    for (const QChar c : text)
        QVERIFY2(chinese.supportsCharacter(c), qPrintable(u"U+%1"_s.arg(c.unicode(), 4, 16)));
}

void TestFontInstaller::radicalPicturesAreDistinctAndInked()
{
    QStringList names;
    for (int n = 1; n <= 214; ++n)
        names << u"r%1.gif"_s.arg(n, 3, 10, QChar(u'0'));
    for (int n : {120, 147, 149, 154, 159, 167, 168, 169, 178, 181, 182,
                  183, 184, 187, 195, 196, 199, 210, 211, 212, 213})
        names << u"rs%1.gif"_s.arg(n);
    if (!QFileInfo::exists(builtFile(names.first())))
        QSKIP("radical pictures not built");

    QSet<QByteArray> seen;
    for (const QString &name : names) {
        const QImage picture(builtFile(name));
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.size(), QSize(64, 64));
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        int ink = 0;
        for (int y = 0; y < grey.height(); ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int x = 0; x < grey.width(); ++x) {
                ink += line[x] < 128;
                // A margin all round: nothing is cut off at the edge.
                if (x < 2 || y < 2 || x >= 62 || y >= 62)
                    QVERIFY2(line[x] > 200, qPrintable(name));
            }
        }
        QVERIFY2(ink >= 20, qPrintable(name));
        // The same picture twice would mean a missing glyph drawn as a box.
        const QByteArray pixels(reinterpret_cast<const char *>(grey.constBits()),
                                grey.sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(name));
        seen.insert(pixels);
    }
}

void TestFontInstaller::backgroundIsLightAndSeamless()
{
    const QImage tile(builtFile(u"2.gif"_s));
    if (tile.isNull())
        QSKIP("2.gif not built");
    const QImage grey = tile.convertToFormat(QImage::Format_Grayscale8);
    auto at = [&grey](int x, int y) { return int(grey.constScanLine(y)[x]); };

    qint64 sum = 0;
    int darkest = 255;
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            sum += at(x, y);
            darkest = std::min(darkest, at(x, y));
        }
    }
    // Black text must stay readable anywhere on it.
    QVERIFY(sum / (grey.width() * grey.height()) >= 220);
    QVERIFY(darkest >= 180);

    // Across the seam (last column to first) the step is no larger than inside the tile.
    auto columnStep = [&](int a, int b) {
        qint64 step = 0;
        for (int y = 0; y < grey.height(); ++y)
            step += std::abs(at(a, y) - at(b, y));
        return step;
    };
    auto rowStep = [&](int a, int b) {
        qint64 step = 0;
        for (int x = 0; x < grey.width(); ++x)
            step += std::abs(at(x, a) - at(x, b));
        return step;
    };
    const int w = grey.width();
    const int h = grey.height();
    QVERIFY(columnStep(w - 1, 0) <= 2 * columnStep(w / 2, w / 2 + 1) + grey.height());
    QVERIFY(rowStep(h - 1, 0) <= 2 * rowStep(h / 2, h / 2 + 1) + grey.width());
}

void TestFontInstaller::programPicturesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("start1") << u"start1.png"_s << QSize(112, 208);
    QTest::newRow("start2") << u"start2.png"_s << QSize(192, 192);
    QTest::newRow("icon") << u"ordbok.png"_s << QSize(64, 64);
}

void TestFontInstaller::programPicturesLoad()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage picture(builtFile(name));
    if (picture.isNull() && !QFileInfo::exists(builtFile(name)))
        QSKIP("pictures not built");
    QCOMPARE(picture.size(), size);
    QVERIFY(picture.hasAlphaChannel());
    // Drawn over the background: the corners are see-through.
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(picture.pixel(size.width() - 1, size.height() - 1)), 0);
}

void TestFontInstaller::buildWritesPendingFlag()
{
    const FontFlagFile flag(programDir);
    if (!QFileInfo::exists(flag.path()))
        QSKIP("font.log not built");
    // A program folder that has been started once holds "Ja"; either way the file is one
    // quoted item on one line.
    const QByteArray bytes = TestFiles::read(flag.path());
    QVERIFY2(bytes == "\"nej\"\r\n"_ba || bytes == "\"Ja\"\r\n"_ba, bytes.constData());
}

QTEST_MAIN(TestFontInstaller)
#include "tst_fontinstaller.moc"
