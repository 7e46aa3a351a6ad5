#include "print/textpages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

// Punctuation that closes a phrase hangs into the margin rather than open the next line.
bool closesPhrase(const RubySegment &segment)
{
    static const QString closing = u"，。、；：？！）」』】》〉”’.,;:?!)"_s;
    return segment.reading.isEmpty() && !segment.base.isEmpty() &&
           std::all_of(segment.base.cbegin(), segment.base.cend(),
                       [](QChar c) { return closing.contains(c); });
}

QStringList paragraphsOf(const QString &text)
{
    QString unified = text;
    unified.replace(u"\r\n"_s, u"\n"_s);
    unified.replace(u'\r', u'\n');
    QStringList paragraphs = unified.split(u'\n');
    if (paragraphs.size() > 1 && paragraphs.last().isEmpty())
        paragraphs.removeLast(); // a final line break opens no line of its own
    return paragraphs;
}

} // namespace

TextPages::TextPages(const QString &text, const QFont &font, QPagedPaintDevice &device,
                     const RubySegmenter *pinyinAbove)
    : m_font(font)
    , m_readingFont(font)
    , m_device(device)
    , m_frame(device)
{
    // Pinyin reads best in a proportional serif face; the document's own font stays behind it.
    m_readingFont.setFamilies(QStringList{u"DejaVu Serif"_s} + font.families());
    m_readingFont.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.6));
    const QFontMetricsF base(m_font, &m_device);
    const QFontMetricsF reading(m_readingFont, &m_device);
    m_baseHeight = base.lineSpacing();
    m_baseAscent = base.ascent();
    // A little air between reading lines, so each line's pinyin stays with its own characters.
    m_readingHeight = reading.lineSpacing() + base.lineSpacing() * 0.25;
    m_readingAscent = base.lineSpacing() * 0.25 + reading.ascent();
    for (const QString &paragraph : paragraphsOf(text)) {
        if (pinyinAbove)
            layOutWithReadings(paragraph, *pinyinAbove);
        else
            layOutPlain(paragraph);
    }
    paginate();
}

TextPages::~TextPages() = default;

void TextPages::layOutPlain(const QString &paragraph)
{
    auto layout = std::make_unique<QTextLayout>(paragraph, m_font, &m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    const int index = int(m_layouts.size());
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(m_frame.body().width());
        Line placed;
        placed.layout = index;
        placed.layoutLine = line.lineNumber();
        placed.height = line.height();
        m_lines.push_back(std::move(placed));
    }
    layout->endLayout();
    m_layouts.push_back(std::move(layout));
}

double TextPages::advance(const QString &text, bool reading)
{
    QHash<QString, double> &cache = reading ? m_readingAdvance : m_baseAdvance;
    auto known = cache.constFind(text);
    if (known != cache.cend())
        return *known;
    const QFontMetricsF metrics(reading ? m_readingFont : m_font, &m_device);
    return *cache.insert(text, metrics.horizontalAdvance(text));
}

void TextPages::layOutWithReadings(const QString &paragraph, const RubySegmenter &segmenter)
{
    const double width = m_frame.body().width();
    const double gap = advance(u" "_s, true);
    Line line;
    line.height = m_readingHeight + m_baseHeight;
    double x = 0;
    auto place = [&](const RubySegment &segment) {
        const double w =
            segment.reading.isEmpty()
                ? advance(segment.base, false)
                : std::max(advance(segment.base, false), advance(segment.reading, true)) + gap;
        if (x + w > width && !line.pieces.empty() && !closesPhrase(segment)) {
            m_lines.push_back(line);
            line.pieces.clear();
            x = 0;
        }
        m_segments.push_back(segment);
        line.pieces.push_back({qsizetype(m_segments.size() - 1), x, w});
        x += w;
    };
    for (const RubySegment &segment : segmenter.segment(paragraph)) {
        if (segment.reading.isEmpty() && advance(segment.base, false) > width) {
            // A word longer than the line is broken where it must.
            for (QChar c : segment.base)
                place({QString(c), {}});
            continue;
        }
        place(segment);
    }
    m_lines.push_back(line);
}

void TextPages::paginate()
{
    const double height = m_frame.body().height();
    int first = 0;
    double y = 0;
    for (int i = 0; i < int(m_lines.size()); ++i) {
        if (y + m_lines[i].height > height && i > first) {
            m_pages.emplace_back(first, i - first);
            first = i;
            y = 0;
        }
        y += m_lines[i].height;
    }
    m_pages.emplace_back(first, int(m_lines.size()) - first);
}

QString TextPages::pageText(int page) const
{
    if (page < 0 || page >= pageCount())
        return {};
    QStringList lines;
    const auto [first, count] = m_pages[page];
    for (int i = first; i < first + count; ++i) {
        const Line &line = m_lines[i];
        QString text;
        if (line.layout >= 0) {
            const QTextLayout &layout = *m_layouts[line.layout];
            const QTextLine textLine = layout.lineAt(line.layoutLine);
            text = layout.text().mid(textLine.textStart(), textLine.textLength());
        } else {
            for (const Placed &piece : line.pieces)
                text += m_segments[piece.segment].base;
        }
        lines << text;
    }
    return lines.join(u'\n');
}

double TextPages::usedHeight(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    const auto [first, count] = m_pages[page];
    double height = 0;
    for (int i = first; i < first + count; ++i)
        height += m_lines[i].height;
    return height;
}

void TextPages::paintPage(QPainter &painter, int page) const
{
    if (page < 0 || page >= pageCount())
        return;
    painter.save();
    painter.setPen(Qt::black);
    const QPointF origin = m_frame.body().topLeft();
    double y = origin.y();
    const auto [first, count] = m_pages[page];
    for (int i = first; i < first + count; ++i) {
        const Line &line = m_lines[i];
        if (line.layout >= 0) {
            const QTextLine textLine = m_layouts[line.layout]->lineAt(line.layoutLine);
            // A text line draws at its own position inside the paragraph's layout.
            textLine.draw(&painter, QPointF(origin.x(), y - textLine.y()));
        } else {
            for (const Placed &piece : line.pieces) {
                const RubySegment &segment = m_segments[piece.segment];
                const double left = origin.x() + piece.x;
                if (segment.reading.isEmpty()) {
                    painter.setFont(m_font);
                    painter.drawText(QPointF(left, y + m_readingHeight + m_baseAscent),
                                     segment.base);
                    continue;
                }
                const double inner = piece.width - m_readingAdvance.value(u" "_s, 0);
                painter.setFont(m_readingFont);
                const double readingWidth = m_readingAdvance.value(segment.reading);
                painter.drawText(QPointF(left + (inner - readingWidth) / 2, y + m_readingAscent),
                                 segment.reading);
                painter.setFont(m_font);
                const double baseWidth = m_baseAdvance.value(segment.base);
                painter.drawText(
                    QPointF(left + (inner - baseWidth) / 2, y + m_readingHeight + m_baseAscent),
                    segment.base);
            }
        }
        y += line.height;
    }
    QFont numberFont = m_font;
    numberFont.setPointSizeF(9);
    painter.setFont(numberFont);
    m_frame.paintPageNumber(painter, page, pageCount());
    painter.restore();
}

bool TextPages::print(QPagedPaintDevice &device, const Progress &progress) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        paintPage(painter, page);
        if (progress && !progress(page + 1, pageCount()))
            return false;
    }
    return painter.end();
}
