#pragma once

#include "platform/programfonts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

// font.log in the program folder: one text item, "nej" while the fonts still have to be
// installed, "Ja" once they are.
class FontFlagFile
{
public:
    static constexpr QLatin1StringView fileName{"font.log"};
    static constexpr QLatin1StringView pending{"nej"};
    static constexpr QLatin1StringView installed{"Ja"};

    explicit FontFlagFile(const QString &programFolder);

    QString path() const { return m_path; }

    // The item, or nothing when there is no readable file.
    std::optional<QString> item() const;
    // True only when the item is exactly "nej": case matters, and so do blanks inside quotes.
    bool fontsPending() const;
    // Replaces the file by one holding the line "Ja" in quotes.
    bool markInstalled() const;

    // The first item of a file's content, read the way a quoted-or-unquoted text item is:
    //   `"nej"`      -> nej        `  nej  ` -> nej     `" nej"` -> ` nej`
    //   `nej,x`      -> nej        `"ne"j`   -> ne      `ne j`   -> `ne j`
    // Leading blanks and tabs are skipped; an unquoted item ends at a comma or the end of the
    // line and loses its trailing blanks; a quoted one ends at the closing quote or the end of
    // the line. Bytes are Latin-1.
    static QString parseItem(QByteArrayView content);
    // `"item"` and CR LF, as the flag file is written.
    static QByteArray formatItem(const QString &item);

private:
    QString m_path;
};

// Puts the program's fonts into the user's own font folder, so that other programs (and this
// one, should the program folder move) find them.
class FontInstaller
{
public:
    explicit FontInstaller(const QString &programFolder,
                           const QString &userFontFolder = defaultUserFontFolder());

    // ~/.local/share/fonts on Linux: the folder fontconfig scans for the user's fonts.
    static QString defaultUserFontFolder();

    QString userFontFolder() const { return m_userFontFolder; }

    // Copies pyserif.ttf and MSSONG.ttf, replacing older copies. A font that cannot be copied
    // is skipped. Returns the paths of the fonts now installed.
    QStringList install() const;

    // The fonts' share of a first start: when font.log says "nej", install the fonts and mark
    // them installed. Returns true when it ran.
    bool installOnFirstStart() const;

private:
    QString m_programFolder;
    QString m_userFontFolder;
};
