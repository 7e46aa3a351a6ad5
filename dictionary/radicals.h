#pragma once

// The 214 Kangxi radicals as the word display and the radical lists use them: radical keys
// ("149.7": radical number, a dot, added strokes) and the picture files in the program folder.

#include <QString>
#include <QStringView>

namespace Radicals {

inline constexpr int count = 214;

// The radical number part of a key: the text before the first dot among its first six
// characters, or the whole key when there is none there. "149.7" -> "149", "12" -> "12".
QString numberText(QStringView key);

// The position (1..21) of a radical among those with a separate simplified form, whose
// traditional form then needs a picture of its own; 0 for the others. 149 -> 3, 1 -> 0.
int traditionalFormIndex(int radical);

// "r" + the number padded to three digits + ".gif": the Kangxi (traditional) form.
// The text form pads what was typed: "9" -> "r009.gif", "12.3" -> "r12.3.gif".
QString pictureFile(const QString &numberText);
QString pictureFile(int radical);
// The simplified form: "rs149.gif" for the 21 radicals that have one, else pictureFile().
QString simplifiedPictureFile(int radical);

} // namespace Radicals
