#include "tools/data/tonenumbers.h"

namespace {

// Combining marks after decomposition (NFD).
constexpr char16_t macron = 0x0304;
constexpr char16_t acute = 0x0301;
constexpr char16_t caron = 0x030C;
constexpr char16_t grave = 0x0300;
constexpr char16_t diaeresis = 0x0308;
constexpr char16_t circumflex = 0x0302; // ê

} // namespace

QString toneNumberPinyin(QStringView marked)
{
    const QString decomposed = marked.toString().normalized(QString::NormalizationForm_D);
    QString plain;
    int tone = 0;
    for (const QChar c : decomposed) {
        switch (c.unicode()) {
        case macron:
            tone = 1;
            break;
        case acute:
            tone = 2;
            break;
        case caron:
            tone = 3;
            break;
        case grave:
            tone = 4;
            break;
        case diaeresis:
            plain += u'u';
            break;
        case circumflex:
            break;
        default:
            plain += c;
        }
    }
    if (tone > 0)
        plain += QString::number(tone);
    return plain;
}
