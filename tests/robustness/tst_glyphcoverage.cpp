// Every character the three stores hold is drawn: the Chinese font or one of its fallbacks has
// a glyph for it, and the font the windows ask for reaches that glyph.

#include "dictionary/tables.h"
#include "platform/programfonts.h"
#include "platform/sqliteconnection.h"
#include "shell/fontregistration.h"

#include <QFileInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTextLayout>

#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString programDir = QStringLiteral(ORDBOK_PROGRAM_DIR);

QString hex(char32_t codePoint)
{
    return u"U+"_s + QString::number(codePoint, 16).toUpper();
}

// Text fields as they are, and code strings ("&H4E2D&H570B") as the characters they stand for.
void collect(const QString &text, std::set<char32_t> &codePoints)
{
    static const QRegularExpression code(u"&[Hh]([0-9A-Fa-f]{4})"_s);
    QString decoded;
    for (const QRegularExpressionMatch &match : code.globalMatch(text))
        decoded += QChar(char16_t(match.captured(1).toUInt(nullptr, 16)));
    for (const QString &part : {text, decoded}) {
        for (const char32_t c : part.toUcs4())
            codePoints.insert(c);
    }
}

} // namespace

class TestGlyphCoverage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void chainHasAGlyphForEveryCharacter();
    void chineseFontDrawsThroughTheChain();

private:
    std::set<char32_t> m_codePoints;
};

void TestGlyphCoverage::initTestCase()
{
    for (QLatin1StringView store : {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        const QString file = Tables::storePath(programDir, store);
        if (!QFileInfo(file).isFile())
            QSKIP("the real stores are not in the program folder");
        SqliteConnection connection(file, SqliteConnection::Mode::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY2(query.exec(u"SELECT * FROM Tabell1"_s), qPrintable(file));
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i)
                collect(query.value(i).toString(), m_codePoints);
        }
    }
    QVERIFY(m_codePoints.size() > 20000);
}

void TestGlyphCoverage::chainHasAGlyphForEveryCharacter()
{
    const QStringList files = ProgramFonts::chineseChainFiles(programDir);
    QVERIFY2(files.size() == int(ProgramFonts::chineseFallbacks.size()) + 1,
             "a font of the chain is missing: run scripts/setup.sh");
    QList<QRawFont> chain;
    for (const QString &file : files) {
        chain << QRawFont(file, 12);
        QVERIFY2(chain.last().isValid(), qPrintable(file));
    }
    int ownFont = 0;
    QStringList missing;
    for (const char32_t c : m_codePoints) {
        ownFont += chain.first().supportsCharacter(c);
        if (std::none_of(chain.cbegin(), chain.cend(),
                         [c](const QRawFont &font) { return font.supportsCharacter(c); }))
            missing << hex(c);
    }
    qInfo("%zu code points in the stores: %d in %s alone, %lld with its fallbacks",
          m_codePoints.size(), ownFont, ProgramFonts::chineseFile.data(),
          qlonglong(m_codePoints.size()) - missing.size());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 20).join(u' ')));
}

// Qt falls back on fonts of its own choosing when the chain is not registered (or in the wrong
// order); on a system without them that is an empty box.
void TestGlyphCoverage::chineseFontDrawsThroughTheChain()
{
    const RegisteredFonts fonts = registerProgramFonts(programDir);
    QVERIFY(!fonts.chineseFamilies.isEmpty());
    QStringList chain = fonts.chineseFamilies + fonts.fallbackFamilies;
    for (QString &family : chain)
        family = family.toLower();

    const QFont font(ProgramFonts::chineseAlias, 36);
    QStringList wrong;
    // A few hundred characters per layout: one layout of all of them would be slow to shape.
    QString text;
    const auto check = [&] {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            const QList<quint32> glyphs = run.glyphIndexes();
            if (!chain.contains(run.rawFont().familyName().toLower())
                || glyphs.contains(0u))
                wrong << run.rawFont().familyName();
        }
        text.clear();
    };
    for (const char32_t c : m_codePoints) {
        text += QString::fromUcs4(&c, 1);
        if (text.size() >= 400)
            check();
    }
    check();
    wrong.removeDuplicates();
    QVERIFY2(wrong.isEmpty(), qPrintable(u"drawn outside the chain by: "_s + wrong.join(u", ")));
}

QTEST_MAIN(TestGlyphCoverage)
#include "tst_glyphcoverage.moc"
