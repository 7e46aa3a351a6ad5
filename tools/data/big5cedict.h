#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class Big5Codec;
struct Utf8Line;

// The Big5 edition of an entry: "traditional [pinyin] /glosses/", without the line break.
// Cross-references keep their traditional half ("見|见[jian4]" -> "見[jian4]"); other gloss
// characters without a Big5 code lose their accents ("décolleté" -> "decollete") or become
// "?", counted in replaced. nullopt when the headword has no Big5 encoding.
std::optional<QByteArray> big5CedictLine(const Utf8Line &entry, Big5Codec &codec, qint64 &replaced);

struct Big5CedictSummary
{
    qint64 entries = 0;
    qint64 headerLines = 0;
    qint64 withoutBig5 = 0; // entries left out: the headword has no Big5 encoding
    qint64 malformed = 0;   // lines that are no entry
    qint64 replacedCharacters = 0;
};

// Writes cedict.b5 from the UTF-8 CC-CEDICT file: the "#" header lines, then one line per
// entry, CR LF.
bool writeBig5Cedict(const QString &utf8File, const QString &targetFile, Big5CedictSummary &summary,
                     QString &error);
