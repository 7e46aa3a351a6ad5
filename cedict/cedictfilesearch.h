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
    int matchCount = 0; // every line that matches, shown or not
    QString caption;
};

// Looks a copied text up in cedict.b5, the Big5 CEDICT file, without the databases. The text is
// trimmed; pinyin with tone marks is looked for with tone numbers ("Zhōng guó" -> "zhong1
// guo2"); the caller may name other forms of it to look for too (the traditional form of
// simplified text, which Big5 often cannot even write). The file is compared byte by byte in
// Big5; an ASCII-only term ignores case. Each line is tested at the first occurrence of a term
// only, and a line is listed when that occurrence starts on a character boundary, so a term
// never matches the trail byte of one character with the lead byte of the next:
//
//   term A4 F4 (水), line "... A4 A4 F4 A4 ..." -> the occurrence at byte 1 straddles: not listed
//
// A line that begins with the term and a blank is an exact headword: it goes to the top, the
// last one found first. Collecting stops at 29000 bytes of results; the matching lines after
// that are still counted, and the caption says how many were shown.
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

    CedictFileSearch(const QString &filePath, const QString &copiedText,
                     const QStringList &otherForms = {});

    static CedictSearchResult run(const QString &filePath, const QString &copiedText,
                                  const QStringList &otherForms = {});

    // The copied text as the captions show it: blanks and line breaks around it are dropped.
    static QString copiedTerm(const QString &copiedText);
    // The bytes searched for, lower case when ASCII; nullopt when the text has a character Big5
    // lacks (it matches nothing).
    static std::optional<QByteArray> searchBytes(const QString &text);
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
    void takeLine(const char *lineStart, const char *lineEnd, const char *hit, qsizetype termSize);
    void markProgress(qint64 mark);
    QByteArray resultBytes(qsizetype limit) const;
    QStringList decodeLines(const QByteArray &bytes, QString *unfinished);

    QString m_copiedTerm;
    std::vector<QByteArray> m_terms;
    bool m_ignoreCase = false;
    QByteArray m_folded; // the block in lower case, when case is ignored
    Big5Codec m_codec;
    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_carried = 0; // bytes of an unfinished line kept at the buffer's start
    bool m_done = false;

    qint64 m_lineCount = 0;
    std::vector<QByteArray> m_exactLines; // in file order; shown last found first
    QByteArray m_otherLines;              // each line followed by CR LF
    qsizetype m_resultSize = 0;
    bool m_full = false; // collected up to the limit: later lines are only counted
    int m_matchCount = 0;

    qint64 m_progressLine = 0;
    QByteArray m_progressBytes;
    bool m_changedSinceProgress = false;
};
