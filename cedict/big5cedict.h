#pragma once

#include <QByteArray>
#include <QByteArrayView>
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

// The Big5 edition of a whole UTF-8 CC-CEDICT text: the "#" header lines (the charset line
// saying Big5), then one line per entry whose headword Big5 can hold, CR LF.
QByteArray big5CedictText(QByteArrayView utf8Content, Big5Codec &codec, Big5CedictSummary &summary);

// Writes cedict.b5 from the UTF-8 CC-CEDICT file: the "#" header lines, then one line per
// entry, CR LF.
bool writeBig5Cedict(const QString &utf8File, const QString &targetFile, Big5CedictSummary &summary,
                     QString &error);
