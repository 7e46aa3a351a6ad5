#pragma once

#include <QLatin1StringView>
#include <QLoggingCategory>
#include <QStringList>

#include <array>

Q_DECLARE_LOGGING_CATEGORY(lcFonts)

// The two fonts beside the program and the names the program asks for them by.
namespace ProgramFonts {
inline constexpr QLatin1StringView pinyinFile{"pyserif.ttf"};
inline constexpr QLatin1StringView chineseFile{"MSSONG.ttf"};
// Family of pyserif.ttf, DejaVu Serif under the program's own name: it draws every
// tone-marked letter of Unicode pinyin.
inline constexpr QLatin1StringView pinyinFamily{"Ovrek's PinYin Serif"};
// Name the windows use for the Chinese font; it is mapped onto MSSONG.ttf's own family.
inline constexpr QLatin1StringView chineseAlias{"MS Song"};

// What draws the characters MSSONG.ttf has no glyph for, tried in this order: HanaMin A for
// the BMP (CJK Extension A among it), HanaMin B for Extensions B to F, and Unifont last, for
// the Hangul readings and the ideographs newer than both. Debian's fonts-hanazono and
// fonts-unifont put them here (scripts/setup.sh installs them).
struct FallbackFont
{
    QLatin1StringView family;
    QLatin1StringView file;
};
inline constexpr std::array<FallbackFont, 3> chineseFallbacks{{
    {QLatin1StringView("HanaMinA"),
     QLatin1StringView("/usr/share/fonts/truetype/hanazono/HanaMinA.ttf")},
    {QLatin1StringView("HanaMinB"),
     QLatin1StringView("/usr/share/fonts/truetype/hanazono/HanaMinB.ttf")},
    {QLatin1StringView("Unifont"),
     QLatin1StringView("/usr/share/fonts/opentype/unifont/unifont.otf")},
}};

// The files of the Chinese font chain that exist, the program's own font first.
QStringList chineseChainFiles(const QString &programFolder);
} // namespace ProgramFonts
