#pragma once

#include <QByteArrayView>

enum class CedictFormat {
    Big5, // the classic edition: "traditional [pinyin] /glosses/" in Big5, read byte by byte
    Utf8, // CC-CEDICT today: "traditional simplified [pinyin] /glosses/" in UTF-8
};

// Tells the two editions apart from the start of a file: by the header's "#! charset=UTF-8"
// or "#! charset=Big5" where there is one; else UTF-8 when the text is valid UTF-8 and most of
// its first lines carry two headwords. Everything else, binary files included, is Big5.
// wholeFile: head is the whole file, not a sample that may end inside a line.
CedictFormat detectCedictFormat(QByteArrayView head, bool wholeFile);
