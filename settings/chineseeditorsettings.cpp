#include "settings/chineseeditorsettings.h"

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

ChineseEditorSettings ChineseEditorSettings::read(const SettingsRecord &record)
{
    ChineseEditorSettings s;
    s.fontName = record.value(F::editorFontName);
    if (const std::optional<double> size =
            SettingsText::strictNumber(record.value(F::editorFontSize));
        size && *size > 0)
        s.fontSize = *size;
    s.textColor = colourValue(record.value(F::editorTextColor));
    s.backColor = colourValue(record.value(F::editorBackColor));
    s.lineTextColor = colourValue(record.value(F::editorLineTextColor));
    s.lineBackColor = colourValue(record.value(F::editorLineBackColor));
    // An empty field is no choice at all: the simplified table loaded at start stays.
    if (const std::optional<double> table =
            SettingsText::strictNumber(record.value(F::editorTable)))
        s.traditional = *table == 0;
    return s;
}

void ChineseEditorSettings::write(SettingsRecord &record) const
{
    if (!fontName.isEmpty())
        record.setValue(F::editorFontName, fontName);
    if (fontSize)
        record.setValue(F::editorFontSize, QString::number(*fontSize));
    const auto colour = [&record](F field, const std::optional<quint32> &value) {
        if (value)
            record.setValue(field, colourText(*value));
    };
    colour(F::editorTextColor, textColor);
    colour(F::editorBackColor, backColor);
    colour(F::editorLineTextColor, lineTextColor);
    colour(F::editorLineBackColor, lineBackColor);
    if (traditional)
        record.setValue(F::editorTable, *traditional ? u"0"_s : u"-1"_s);
}

// Negative values are system colours of another platform, and a cut one is garbage: both are
// no colour here.
std::optional<quint32> ChineseEditorSettings::colourValue(const QString &text)
{
    const std::optional<double> value = SettingsText::strictNumber(text);
    if (!value || *value < 0 || *value > 0xFFFFFF || *value != double(qint64(*value)))
        return std::nullopt;
    return quint32(*value);
}

QString ChineseEditorSettings::colourText(quint32 value)
{
    return QString::number(value & 0xFFFFFF);
}
