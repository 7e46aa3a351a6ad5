#include "settings/cedictpagesettings.h"

#include <QLocale>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

namespace {

// Negative values are system colours of another platform, and a cut one is garbage: both are
// no colour here.
std::optional<quint32> colour(const QString &text)
{
    const std::optional<double> value = SettingsText::strictNumber(text);
    if (!value || *value < 0 || *value > 0xFFFFFF || *value != double(qint64(*value)))
        return std::nullopt;
    return quint32(*value);
}

std::optional<int> twips(const QString &text)
{
    const std::optional<double> value = SettingsText::strictNumber(text);
    if (!value || *value < -1e8 || *value > 1e8)
        return std::nullopt;
    return int(*value);
}

} // namespace

CedictPageSettings CedictPageSettings::read(const SettingsRecord &record)
{
    CedictPageSettings s;
    s.backColor = colour(record.value(F::pageBackColor));
    s.textColor = colour(record.value(F::pageTextColor));
    s.fontName = record.value(F::pageFontName);
    if (const std::optional<double> size =
            SettingsText::strictNumber(record.value(F::pageFontSize));
        size && *size > 0 && *size < 1000)
        s.fontSize = *size;
    s.bold = SettingsText::leadingNumber(record.value(F::pageBold)) != 0;
    s.italic = SettingsText::leadingNumber(record.value(F::pageItalic)) != 0;
    const std::optional<int> left = twips(record.value(F::pageLeft));
    const std::optional<int> top = twips(record.value(F::pageTop));
    const std::optional<int> width = twips(record.value(F::pageWidth));
    const std::optional<int> height = twips(record.value(F::pageHeight));
    if (left && top && width && height && *width >= twipsPerPixel && *height >= twipsPerPixel)
        s.geometry = QRect(*left / twipsPerPixel, *top / twipsPerPixel, *width / twipsPerPixel,
                           *height / twipsPerPixel);
    return s;
}

void CedictPageSettings::write(SettingsRecord &record) const
{
    if (backColor)
        record.setValue(F::pageBackColor, QString::number(*backColor & 0xFFFFFF));
    if (textColor)
        record.setValue(F::pageTextColor, QString::number(*textColor & 0xFFFFFF));
    record.setValue(F::pageFontName, fontName);
    if (fontSize)
        record.setValue(F::pageFontSize, QLocale().toString(*fontSize));
    record.setValue(F::pageBold, bold ? u"1"_s : u"0"_s);
    record.setValue(F::pageItalic, italic ? u"1"_s : u"0"_s);
    if (geometry) {
        record.setValue(F::pageLeft, QString::number(geometry->left() * twipsPerPixel));
        record.setValue(F::pageTop, QString::number(geometry->top() * twipsPerPixel));
        record.setValue(F::pageWidth, QString::number(geometry->width() * twipsPerPixel));
        record.setValue(F::pageHeight, QString::number(geometry->height() * twipsPerPixel));
    }
}
