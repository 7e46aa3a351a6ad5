#include "windows/radicalcharts/radicalchartwindow.h"

#include "platform/programfiles.h"

#include "shell/tiledsurface.h"
#include "windows/radicalcharts/radicalchartview.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RadicalChartWindow::RadicalChartWindow(RadicalChart chart, const QString &programFolder,
                                       QWidget *parent)
    : QWidget(parent)
{
    const bool simplified = chart == RadicalChart::Simplified;
    setObjectName(simplified ? u"Forenklad"_s : u"Traditionell"_s);
    setWindowTitle(simplified ? u"Simplified radicals"_s : u"Traditional radicals"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new RadicalChartView(chart, QDir(programFolder).filePath(pictureFile(chart)), this);
    connect(Picture1, &RadicalChartView::cellClicked, this, &RadicalChartWindow::radikal_Click);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    if (simplified)
        buildSimplifiedSide(programFolder);
    else
        outer->addWidget(Picture1);
    // The chart at its own size where the screen has room: a new window is otherwise held to
    // two thirds of the screen, which makes the shapes too small to tell apart.
    QSize wanted = sizeHint();
    if (const QScreen *shown = screen())
        wanted = wanted.boundedTo(shown->availableSize() - QSize(16, 48));
    resize(wanted);
}

void RadicalChartWindow::buildSimplifiedSide(const QString &programFolder)
{
    // The paper is re-tiled by its own paint on every resize.
    Image15 = new TiledSurface(this);
    Image15->setObjectName(u"Image15"_s);
    Image15->tileBackground(ProgramFiles::defaultBackground(programFolder));
    layout()->addWidget(Image15);
    auto *columns = new QHBoxLayout(Image15);
    columns->setContentsMargins(8, 8, 8, 8);
    columns->addWidget(Picture1, 1);
    Label1 = new QLabel(
        u"To see all characters that have a specific radical, press on any of the radicals to "
        "the left.\n\nBelow them, to the left, are the alternative versions of some radicals: "
        "the shapes they take inside characters, such as 氵 for 水 (85) or 亻 for 人 (9). "
        "Press one of them just the same.\n\nThe number under each shape is its radical's "
        "number; hold the mouse over a shape to see its stroke count."_s,
        Image15);
    Label1->setObjectName(u"Label1"_s);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label1->setFixedWidth(fontMetrics().averageCharWidth() * 32);
    columns->addWidget(Label1, 0, Qt::AlignTop);
}

RadicalChart RadicalChartWindow::chart() const
{
    return Picture1->grid().chart();
}

QString RadicalChartWindow::pictureFile(RadicalChart chart)
{
    return chart == RadicalChart::Simplified ? u"radicals-simplified.png"_s
                                             : u"radicals-traditional.png"_s;
}

void RadicalChartWindow::radikal_Click(int radical)
{
    m_selectedRadical = radical;
    emit radicalPicked(radical);
    close();
}
