#pragma once

#include "cedict/cedictformat.h"

#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <optional>

// Whether a file is a whole CEDICT word list in the encoding its name promises, decided before
// anything is written, so that a wrong, cut or mis-encoded file can never replace the
// dictionary:
//
//   a NUL byte anywhere                                   -> refused (text files have none)
//   "#! charset=" naming another encoding than the name's -> refused
//   no line that parses as an entry                       -> refused
//   more than 1 in 1,000 lines with bytes the encoding
//   cannot read (or U+FFFD)                               -> refused
//   a last line without a line break that is no whole
//   entry ("... /Chin")                                   -> refused: the file was cut
//   a "#! entries=N" header other than the lines that are
//   neither comments nor blank                            -> refused
//   fewer than half of the lines that are neither comments
//   nor blank parse as entries                            -> refused
//   fewer than half of the headwords hold a CJK character -> refused
//
// A real CEDICT file with a few odd lines passes and imports as before. Entries are what the
// import itself reads as one: in the Big5 edition a headword with its reading or its first
// gloss, in the UTF-8 edition a line of the full "trad simp [reading] /gloss/" shape. The
// encoding follows the file name: .b5 is Big5, .u8 and .txt are UTF-8; other names are
// told apart by their content.
struct CedictFileCheck
{
    enum class Verdict {
        Accepted,
        NulByte,
        CharsetMismatch,
        NoEntries,
        CutShort,
        Undecodable,
        EntryCountMismatch,
        TooFewEntries,
        NotChinese,
        Stopped, // the cancel flag was raised before the check was done
    };

    Verdict verdict = Verdict::NoEntries;
    CedictFormat format = CedictFormat::Big5;
    qint64 nulOffset = -1;       // of the first NUL byte
    qint64 entryLines = 0;       // lines that parse as dictionary entries
    qint64 consideredLines = 0;  // lines that are neither comments nor blank
    qint64 undecodableLines = 0; // considered lines the encoding cannot read
    qint64 cjkHeadwords = 0;     // entries whose headword holds a CJK character
    qint64 headerEntries = -1;   // "#! entries=N", -1 without one
    qint64 lastLineNumber = 0;   // of the cut last line
    QString headerCharset;       // "#! charset=" as written, for CharsetMismatch

    bool accepted() const { return verdict == Verdict::Accepted; }
    // Why the file is refused, for the user: "not a CEDICT file: 12 of 1,199 lines are
    // dictionary entries". Empty when accepted. English or Swedish.
    QString reason(bool swedish = false) const;

    // content: the whole file. expected: the encoding the file's name promises, if any.
    static CedictFileCheck inspect(QByteArrayView content,
                                   std::optional<CedictFormat> expected = std::nullopt,
                                   const std::atomic<bool> *cancel = nullptr);
    // .b5 -> Big5, .u8 and .txt -> UTF-8, any other name -> nullopt (told by the content).
    static std::optional<CedictFormat> expectedFormat(const QString &fileName);
};

// The lines of a file, without LF or CR LF; a last line without a break counts as a line.
class ContentLines
{
public:
    explicit ContentLines(QByteArrayView content)
        : m_content(content)
    {
    }

    bool next(QByteArrayView &line);
    qint64 position() const { return m_position; } // bytes consumed so far

private:
    QByteArrayView m_content;
    qint64 m_position = 0;
};
