#include "dictionary/radicalchartgrid.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// The chart's columns and rows are not evenly spaced: they follow the wide and the narrow
// radicals of the original picture.
constexpr std::array<int, 20> columnStarts{0,    400,  800,  1160, 1560, 1920, 2350,
                                           2730, 3120, 3480, 3900, 4300, 4680, 5060,
                                           5450, 5880, 6240, 6620, 7000, 7400};
constexpr std::array<int, 11> rowStarts{0,    520,  1080, 1605, 2160, 2685,
                                        3240, 3765, 4320, 4875, 5400};
constexpr int cellWidth = 405;
constexpr int cellHeight = 555;
constexpr int perRow = 20;
constexpr int mainHeight = 5400 + cellHeight;
// The other shapes start below the main grid, with room for a dividing line.
constexpr int formsTop = 6300;
constexpr int kangxiBlock = 0x2F00; // the Kangxi Radicals block holds radical n at 0x2F00 + n - 1

// The simplified forms of the Unicode radicals table (CJKRadicals.txt, the N' rows).
struct SimplifiedForm
{
    int radical;
    char32_t glyph;
};
constexpr std::array<SimplifiedForm, 26> simplifiedForms{{
    {90, 0x2EA6},  {120, 0x2EB0}, {147, 0x2EC5}, {149, 0x2EC8}, {154, 0x2EC9}, {159, 0x2ECB},
    {162, 0x2ECC}, {167, 0x2ED0}, {168, 0x2ED3}, {169, 0x2ED4}, {178, 0x2ED9}, {181, 0x2EDA},
    {182, 0x2EDB}, {183, 0x2EDC}, {184, 0x2EE0}, {187, 0x2EE2}, {195, 0x2EE5}, {196, 0x2EE6},
    {197, 0x2EE7}, {199, 0x2EE8}, {201, 0x2EE9}, {205, 0x2EEA}, {210, 0x2EEC}, {211, 0x2EEE},
    {212, 0x2EF0}, {213, 0x2EF3},
}};

// The other shapes, most common first; mostly from the CJK Radicals Supplement.
struct OtherShapes
{
    int radical;
    std::array<char32_t, 4> glyphs; // ended by 0 when shorter
};
constexpr std::array<OtherShapes, 50> otherShapes{{
    {4, {0x4E40, 0x4E41}},                    // 乀 乁
    {5, {0x2E82, 0x2E83}},                    // ⺂ ⺃
    {9, {0x2E85}},                            // 亻
    {18, {0x2E89, 0x2E88}},                   // 刂 ⺈
    {25, {0x2E8A}},                           // ⺊
    {26, {0x2E8B}},                           // ⺋
    {42, {0x2E8C, 0x2E8D}},                   // ⺌ ⺍
    {43, {0x2E8F, 0x2E8E, 0x2E91}},           // ⺏ ⺎ ⺑
    {58, {0x2E94, 0x2E95}},                   // ⺔ ⺕
    {61, {0x2E96, 0x2E97}},                   // 忄 ⺗
    {64, {0x2E98, 0x9FB5}},                   // 扌 龵
    {66, {0x2E99}},                           // 攵
    {71, {0x2E9B}},                           // ⺛
    {78, {0x2E9E}},                           // ⺞
    {80, {0x2E9F}},                           // ⺟
    {85, {0x2EA1, 0x2EA2}},                   // 氵 氺
    {86, {0x2EA3}},                           // 灬
    {87, {0x2EA4, 0x2EA5}},                   // 爫 ⺥
    {93, {0x2EA7}},                           // 牜
    {94, {0x2EA8}},                           // 犭
    {96, {0x2EA9}},                           // 王
    {103, {0x2EAA}},                          // ⺪
    {109, {0x2EAB}},                          // ⺫
    {113, {0x2EAD}},                          // 礻
    {118, {0x2EAE}},                          // ⺮
    {120, {0x2F77, 0x2EAF}},                  // 糸 糹
    {122, {0x2EB2, 0x2EB1, 0x2EB3, 0x2EB4}},  // 罒 ⺱ ⺳ ⺴
    {123, {0x2EB6, 0x2EB7, 0x2EB8, 0x2634C}}, // ⺶ ⺷ ⺸ 𦍌
    {125, {0x2EB9}},                          // 耂
    {129, {0x2EBA, 0x2EBB}},                  // 肀 ⺻
    {130, {0x2EBC}},                          // ⺼
    {140, {0x2EBE, 0x2EBF, 0x2EC0}},          // 艹 ⺿ ⻀
    {145, {0x2EC2}},                          // 衤
    {146, {0x2EC3, 0x2EC4}},                  // 覀 ⻄
    {148, {0x2EC6, 0x2EC7}},                  // ⻆ ⻇
    {157, {0x2ECA}},                          // ⻊
    {162, {0x2ECD, 0x2ECE}},                  // ⻍ ⻎
    {163, {0x2ECF}},                          // 阝 (right)
    {168, {0x2ED1, 0x2ED2}},                  // ⻑ 镸
    {170, {0x2ED6, 0x2ED5}},                  // 阝 (left) ⻕
    {173, {0x2ED7}},                          // ⻗
    {174, {0x2ED8}},                          // 青
    {184, {0x2FB7, 0x2EDF, 0x2EDE}},          // 食 飠 ⻞
    {185, {0x2EE1}},                          // ⻡
    {188, {0x2EE3}},                          // ⻣
    {194, {0x2EE4}},                          // ⻤
    {210, {0x2EEB}},                          // 斉
    {211, {0x2EED}},                          // 歯
    {212, {0x2EEF, 0x2FD3}},                  // 竜 龍
    {213, {0x2EF2, 0x2EF1}},                  // 亀 ⻱
}};

char32_t simplifiedGlyph(int radical)
{
    for (const SimplifiedForm &form : simplifiedForms) {
        if (form.radical == radical)
            return form.glyph;
    }
    return char32_t(kangxiBlock + radical - 1);
}

QRect cellAtSlot(int slot, int top, const std::array<int, 11> *rows)
{
    const int row = slot / perRow;
    const int y = rows ? (*rows)[row] : top + row * cellHeight;
    return QRect(columnStarts[slot % perRow], y, cellWidth, cellHeight);
}

} // namespace

RadicalChartGrid::RadicalChartGrid(RadicalChart chart)
    : m_chart(chart)
{
    for (int radical = 1; radical <= 214; ++radical) {
        const char32_t glyph = chart == RadicalChart::Simplified
                                   ? simplifiedGlyph(radical)
                                   : char32_t(kangxiBlock + radical - 1);
        m_cells.append({cellAtSlot(radical - 1, 0, &rowStarts), radical, 1, glyph});
    }
    m_size = QSize(columnStarts.back() + cellWidth, mainHeight);
    if (chart == RadicalChart::Traditional)
        return;

    int slot = 0;
    for (const OtherShapes &shapes : otherShapes) {
        int form = 2;
        for (const char32_t glyph : shapes.glyphs) {
            if (glyph == 0)
                break;
            m_cells.append({cellAtSlot(slot++, formsTop, nullptr), shapes.radical, form++, glyph});
        }
    }
    m_size.setHeight(m_cells.last().twips.bottom() + 1);
}

QRectF RadicalChartGrid::shownRect(QSizeF widget) const
{
    if (widget.isEmpty())
        return {};
    const qreal scale =
        std::min(widget.width() / m_size.width(), widget.height() / m_size.height());
    return QRectF(0, 0, m_size.width() * scale, m_size.height() * scale);
}

QRectF RadicalChartGrid::shownCell(const RadicalChartCell &cell, QSizeF widget) const
{
    const qreal scale = shownRect(widget).width() / m_size.width();
    return QRectF(cell.twips.x() * scale, cell.twips.y() * scale, cell.twips.width() * scale,
                  cell.twips.height() * scale);
}

const RadicalChartCell *RadicalChartGrid::cellAt(QPointF point, QSizeF widget) const
{
    const QRectF shown = shownRect(widget);
    if (shown.isEmpty() || !shown.contains(point))
        return nullptr;
    const qreal toTwips = m_size.width() / shown.width();
    const QPointF at = point * toTwips;
    const RadicalChartCell *best = nullptr;
    qreal bestDistance = std::numeric_limits<qreal>::max();
    for (const RadicalChartCell &cell : m_cells) {
        const QRectF rect(cell.twips); // a QRect's right() is one short of x + width
        if (!rect.contains(at))
            continue;
        const QPointF offset = rect.center() - at;
        const qreal distance = QPointF::dotProduct(offset, offset);
        if (distance < bestDistance) {
            best = &cell;
            bestDistance = distance;
        }
    }
    return best;
}

int RadicalChartGrid::strokeCount(int radical)
{
    // The first radical of each stroke count, 1 to 17 strokes.
    constexpr std::array<int, 17> firsts{1,   7,   30,  61,  95,  118, 147, 167, 176,
                                         187, 195, 201, 205, 209, 211, 212, 214};
    if (radical < 1 || radical > 214)
        return 0;
    return int(std::upper_bound(firsts.begin(), firsts.end(), radical) - firsts.begin());
}
