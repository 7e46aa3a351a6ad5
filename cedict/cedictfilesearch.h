#pragma once

#include "cedict/big5codec.h"

#include <QByteArray>
#include <QFile>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the CEDICT search page shows once a search has read cedict.b5.
struct CedictSearchResult
{
    QString copiedTerm; // as copied: captions and messages show it so
    QStringList lines;  // the entry lines shown, exact headwords first
    QString text;       // the results box: the lines, then the end marker; or the no-match message
    int entryCount = 0; // line ends among the lines shown
    QString caption;
};

// Looks a copied text up in cedict.b5, the Big5 CEDICT file, without the databases. The file is
// compared byte by byte in Big5, case-sensitively; an ASCII-only term is searched in lower case.
// Each line is tested at the first occurrence of the term only, and a line is listed when that
// occurrence starts on a character boundary, so a term never matches the trail byte of one
// character with the lead byte of the next:
//
//   term A4 F4 (水), line "... A4 A4 F4 A4 ..." -> the occurrence at byte 1 straddles: not listed
//
// A line that begins with the term and a blank is an exact headword: it goes to the top, the
// last one found first. Collecting stops at 29000 bytes of results.
//
// The search runs in steps (searchMore) so that a window can show its progress and stay
// responsive; run() does the whole search at once.
class CedictFileSearch
{
public:
    static constexpr QLatin1StringView fileName{"cedict.b5"};
    static constexpr qsizetype collectLimit = 29000;
    static constexpr qsizetype progressLimit = 10000;
    static constexpr qsizetype displayLimit = 30000;
    static constexpr qint64 progressInterval = 2000; // lines between progress displays
    static constexpr qint64 maxFileBytes = 256 * 1024 * 1024;

    CedictFileSearch(const QString &filePath, const QString &copiedText);

    static CedictSearchResult run(const QString &filePath, const QString &copiedText);

    // The copied text as the captions show it: a line break copied along with a word is dropped.
    static QString copiedTerm(const QString &copiedText);
    // The bytes searched for; nullopt when the text has a character Big5 lacks (nothing matches).
    static std::optional<QByteArray> searchBytes(const QString &copiedText);
    static QString searchingCaption(const QString &copiedTerm);

    // Reads and searches the next block of the file; false once the file is done.
    bool searchMore();
    bool atEnd() const { return m_done; }

    // The first 10000 bytes of the results as they stood at the last 2000-line mark passed
    // (0 before the first mark), for the progress display.
    qint64 progressLine() const { return m_progressLine; }
    QString progressText();

    CedictSearchResult result();

private:
    void searchBlock(const char *begin, const char *end, bool lastBlock);
    void takeLine(const char *lineStart, const char *lineEnd, const char *hit);
    void markProgress(qint64 mark);
    QByteArray resultBytes(qsizetype limit) const;
    QStringList decodeLines(const QByteArray &bytes, QString *unfinished);

    QString m_copiedTerm;
    std::optional<QByteArray> m_term;
    Big5Codec m_codec;
    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_carried = 0; // bytes of an unfinished line kept at the buffer's start
    bool m_done = false;

    qint64 m_lineCount = 0;
    std::vector<QByteArray> m_exactLines; // in file order; shown last found first
    QByteArray m_otherLines;              // each line followed by CR LF
    qsizetype m_resultSize = 0;

    qint64 m_progressLine = 0;
    QByteArray m_progressBytes;
    bool m_changedSinceProgress = false;
};
