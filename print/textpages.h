#pragma once

// A document laid out on pages: each line of the text wraps at the body's width (Chinese
// between characters, other text between words) and a line that would not fit on a page
// starts the next one, so nothing is cut. With a segmenter, each word's pinyin is set above
// its characters.
//
// Lengths are the device's pixels; the layout is made for one device and its page size.

#include "print/pageframe.h"
#include "print/rubysegmenter.h"

#include <QFont>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextLayout;

class TextPages
{
public:
    // Called after each page with the pages done and the page count; false stops the job.
    using Progress = std::function<bool(int done, int pages)>;

    TextPages(const QString &text, const QFont &font, QPagedPaintDevice &device,
              const RubySegmenter *pinyinAbove = nullptr);
    ~TextPages();
    TextPages(const TextPages &) = delete;
    TextPages &operator=(const TextPages &) = delete;

    int pageCount() const { return int(m_pages.size()); }
    PageFrame frame() const { return m_frame; }
    // The text printed on a page, its lines joined by '\n' (pinyin left out): what the page
    // holds, for checking that the pages together hold the document.
    QString pageText(int page) const;
    // The height the lines of a page take; never more than the body's.
    double usedHeight(int page) const;

    void paintPage(QPainter &painter, int page) const;

    // The whole document, one page after the other, with page numbers; false when the device
    // would not start or the job was stopped.
    bool print(QPagedPaintDevice &device, const Progress &progress = {}) const;

private:
    struct Placed
    {
        qsizetype segment; // into m_segments
        double x;
        double width;
    };
    struct Line
    {
        double height = 0;
        // A plain line is a line of a paragraph's text layout; a reading line lists its pieces.
        int layout = -1;
        int layoutLine = -1;
        std::vector<Placed> pieces;
    };

    void layOutPlain(const QString &paragraph);
    void layOutWithReadings(const QString &paragraph, const RubySegmenter &segmenter);
    void paginate();
    double advance(const QString &text, bool reading);

    QFont m_font;
    QFont m_readingFont;
    QPagedPaintDevice &m_device;
    PageFrame m_frame;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<RubySegment> m_segments;
    std::vector<Line> m_lines;
    std::vector<std::pair<int, int>> m_pages; // first line, line count
    double m_readingHeight = 0;
    double m_readingAscent = 0;
    double m_baseHeight = 0;
    double m_baseAscent = 0;
    QHash<QString, double> m_baseAdvance;
    QHash<QString, double> m_readingAdvance;
};
