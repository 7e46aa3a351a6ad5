#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The settings file inst.ini: record 1 of a random-access file with 836-byte records, holding
// 36 fixed-width text fields side by side (bytes 0..417), left-aligned and padded with blanks.
// The program keeps one copy in its SettingsStore; windows read and write it through their
// typed sections.
class SettingsRecord
{
public:
    enum Field {
        simplifiedOn,
        radicalMode,
        mainFontName,
        mainFontSize,
        editorFontName,
        editorFontSize,
        editorTextColor,
        editorBackColor,
        editorTable,
        editorLineTextColor,
        editorLineBackColor,
        pinyinBackColor,
        pinyinTextColor,
        pageBackColor,
        pageTextColor,
        pageFontName,
        pageFontSize,
        pageBold,
        pageItalic,
        reserved20,
        alwaysOnTop,
        autoLookupOn,
        backgroundPath,
        pageLeft,
        pageTop,
        pageWidth,
        pageHeight,
        autoStartSwedish,
        autoStartEnglish,
        codeTraditional,
        codeFontSize,
        codeNotBold,
        codeNotItalic,
        codeBackColor,
        codeTextColor,
        codeFontName,
        FieldCount
    };

    static constexpr int recordLength = 836;
    static constexpr int fieldsLength = 418;
    static constexpr QLatin1StringView fileName{"inst.ini"};

    struct Layout
    {
        int offset;
        int width;
    };
    static Layout layout(Field field);

    // The field's text without its padding blanks.
    QString value(Field field) const;
    // Stores the value; one that does not fit the field's width is not stored (false).
    bool setValue(Field field, const QString &value);

    // Reads record 1 of inst.ini in the folder. A missing or short file leaves the unread
    // fields empty.
    bool read(const QString &programFolder);
    // Writes record 1, keeping whatever the file holds beyond the fields, through a temporary
    // file so that a crash never leaves a half-written settings file.
    bool write(const QString &programFolder) const;

    QByteArray toBytes() const; // the 418 bytes of the fields
    void fromBytes(const QByteArray &bytes);

private:
    std::array<QByteArray, FieldCount> m_fields; // each exactly its width, blank padded
};

// The three ways the program reads a settings field.
namespace SettingsText {
// Blanks are skipped and the longest leading number counts; nothing numeric counts as 0.
double leadingNumber(const QString &text);
// The whole text, blanks at both ends aside, must be a number (C or the user's locale).
std::optional<double> strictNumber(const QString &text);
// "True"/"False" in any case, or a number (not 0 is true); anything else is no boolean.
std::optional<bool> boolean(const QString &text);
QString booleanWord(bool value); // "True" or "False"
} // namespace SettingsText
