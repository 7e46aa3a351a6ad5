#include "dictionary/radicals.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Radicals {
namespace {

constexpr std::array<int, 21> separateSimplifiedForm = {
    120, 147, 149, 154, 159, 167, 168, 169, 178, 181, 182,
    183, 184, 187, 195, 196, 199, 210, 211, 212, 213,
};

} // namespace

QString numberText(QStringView key)
{
    const qsizetype dot = key.first(qMin<qsizetype>(key.size(), 6)).indexOf(u'.');
    return (dot < 0 ? key : key.first(dot)).toString();
}

int traditionalFormIndex(int radical)
{
    for (size_t k = 0; k < separateSimplifiedForm.size(); ++k) {
        if (separateSimplifiedForm[k] == radical)
            return int(k) + 1;
    }
    return 0;
}

QString pictureFile(const QString &numberText)
{
    const QString padding = numberText.size() == 1   ? u"00"_s
                            : numberText.size() == 2 ? u"0"_s
                                                     : QString();
    return u"r"_s + padding + numberText + u".gif"_s;
}

QString pictureFile(int radical)
{
    return pictureFile(QString::number(radical));
}

QString simplifiedPictureFile(int radical)
{
    return traditionalFormIndex(radical) > 0 ? u"rs%1.gif"_s.arg(radical) : pictureFile(radical);
}

} // namespace Radicals
