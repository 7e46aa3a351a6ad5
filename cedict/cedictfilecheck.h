#pragma once

#include "cedict/cedictformat.h"

#include <QByteArrayView>
#include <QString>

#include <atomic>

// Whether a file is a CEDICT word list at all, decided before anything is written, so that a
// wrong file chosen by mistake can never replace the dictionary:
//
//   a NUL byte anywhere                                   -> refused (text files have none)
//   no line that parses as an entry                       -> refused
//   fewer than half of the lines that are neither comments
//   nor blank parse as entries                            -> refused
//
// A real CEDICT file with a few odd lines passes and imports as before. Entries are what the
// import itself reads as one: in the Big5 edition a headword with its reading or its first
// gloss, in the UTF-8 edition a line of the full "trad simp [reading] /gloss/" shape.
struct CedictFileCheck
{
    enum class Verdict {
        Accepted,
        NulByte,
        NoEntries,
        TooFewEntries,
        Stopped, // the cancel flag was raised before the check was done
    };

    Verdict verdict = Verdict::NoEntries;
    CedictFormat format = CedictFormat::Big5;
    qint64 nulOffset = -1;      // of the first NUL byte
    qint64 entryLines = 0;      // lines that parse as dictionary entries
    qint64 consideredLines = 0; // lines that are neither comments nor blank

    bool accepted() const { return verdict == Verdict::Accepted; }
    // Why the file is refused, for the user: "not a CEDICT file: 12 of 1,199 lines are
    // dictionary entries". Empty when accepted.
    QString reason() const;

    // content: the whole file.
    static CedictFileCheck inspect(QByteArrayView content,
                                   const std::atomic<bool> *cancel = nullptr);
};

// The lines of a file, without LF or CR LF; a last line without a break counts as a line.
class ContentLines
{
public:
    explicit ContentLines(QByteArrayView content) : m_content(content) {}

    bool next(QByteArrayView &line);
    qint64 position() const { return m_position; } // bytes consumed so far

private:
    QByteArrayView m_content;
    qint64 m_position = 0;
};
