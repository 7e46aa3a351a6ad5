// Every character the three real stores hold is drawn: the Chinese font or one of its fallbacks
// has a glyph for it, and the font the windows ask for reaches that glyph. Qt falls back on
// fonts of its own choosing when the chain is not registered (or in the wrong order); on a
// system without them that is an empty box.

#include "dictionary/tables.h"
#include "platform/programfonts.h"
#include "platform/sqliteconnection.h"
#include "shell/fontregistration.h"

#include <QFileInfo>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTextLayout>

#include <set>

using namespace Qt::StringLiterals;

class TestGlyphCoverage : public QObject
{
    Q_OBJECT
private slots:
    void everyCharacterOfTheStoresDrawn();
};

void TestGlyphCoverage::everyCharacterOfTheStoresDrawn()
{
    const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
    // Text fields as they are, and code strings ("&H4E2D&H570B") as the characters they name.
    static const QRegularExpression code(u"&[Hh]([0-9A-Fa-f]{4})"_s);
    std::set<char32_t> codePoints;
    for (QLatin1StringView store : {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        if (!QFileInfo(Tables::storePath(folder, store)).isFile())
            QSKIP("the real stores are not in the program folder");
        SqliteConnection connection(Tables::storePath(folder, store),
                                    SqliteConnection::Mode::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(u"SELECT * FROM Tabell1"_s));
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i) {
                QString text = query.value(i).toString();
                for (const QRegularExpressionMatch &match : code.globalMatch(text))
                    text += QChar(char16_t(match.captured(1).toUInt(nullptr, 16)));
                for (const char32_t c : text.toUcs4())
                    codePoints.insert(c);
            }
        }
    }
    QVERIFY(codePoints.size() > 20000);

    const QStringList files = ProgramFonts::chineseChainFiles(folder);
    QVERIFY2(files.size() == int(ProgramFonts::chineseFallbacks.size()) + 1,
             "a font of the chain is missing: run scripts/setup.sh");
    const RegisteredFonts fonts = registerProgramFonts(folder);
    const QStringList chain = fonts.chineseFamilies + fonts.fallbackFamilies;

    // What the windows' font draws, a few hundred characters at a time (shaping is slow): only
    // glyphs of the chain, and no empty box (glyph 0).
    QStringList wrong;
    QString text;
    const auto layOut = [&] {
        QTextLayout layout(text, QFont(ProgramFonts::chineseAlias, 36));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            if (!chain.contains(run.rawFont().familyName(), Qt::CaseInsensitive) ||
                run.glyphIndexes().contains(0u))
                wrong << run.rawFont().familyName();
        }
        text.clear();
    };
    for (const char32_t c : codePoints) {
        text += QString::fromUcs4(&c, 1);
        if (text.size() >= 400)
            layOut();
    }
    layOut();
    wrong.removeDuplicates();
    QVERIFY2(wrong.isEmpty(),
             qPrintable(u"boxes or fonts outside the chain: "_s + wrong.join(u", ")));
}

QTEST_MAIN(TestGlyphCoverage)
#include "tst_glyphcoverage.moc"
