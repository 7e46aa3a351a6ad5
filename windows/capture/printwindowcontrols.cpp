// The print window's controls and their places.

#include "shell/tiledsurface.h"
#include "windows/capture/printwindow.h"
#include "windows/capture/thumbnailview.h"

#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {
constexpr QSize windowSize{960, 660};
constexpr int sizeBoxWidth = 48;

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}
} // namespace

void PrintWindow::buildControls()
{
    setObjectName(u"printbild"_s);
    setWindowTitle(m_texts.windowTitle);

    Image15 = named(new TiledSurface(this), u"Image15"_s);
    setCentralWidget(Image15);

    Label1 = named(new QLabel(m_texts.label1, Image15), u"Label1"_s);
    Label1->setWordWrap(true);
    // Readable over any background picture.
    Label1->setAutoFillBackground(true);
    Label1->setMargin(4);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QString());
    Dir1 = named(new QTreeView(Image15), u"Dir1"_s);
    Dir1->setModel(m_folders);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Dir1->hideColumn(column);

    flbSource = named(new QListWidget(Image15), u"flbSource"_s);
    Thumbnail1 = named(new ThumbnailView(Image15), u"Thumbnail1"_s);

    auto *grid = new QGridLayout(Image15);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Dir1, 1, 0);
    grid->addWidget(flbSource, 2, 0);
    grid->addWidget(Thumbnail1, 0, 1, 3, 1);
    grid->addWidget(buildButtonRow(), 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(1, 3);
    grid->setRowStretch(2, 2);

    resize(windowSize);
}

QWidget *PrintWindow::buildButtonRow()
{
    auto *row = new QWidget(Image15);
    cmdPrint = named(new QPushButton(m_texts.cmdPrint, row), u"cmdPrint"_s);
    cmdDelete = named(new QPushButton(m_texts.cmdDelete, row), u"cmdDelete"_s);
    cmdThumbSize = named(new QPushButton(m_texts.cmdThumbSize, row), u"cmdThumbSize"_s);
    txtThumbXSize = named(new QLineEdit(row), u"txtThumbXSize"_s);
    txtThumbYSize = named(new QLineEdit(row), u"txtThumbYSize"_s);
    for (QLineEdit *box : {txtThumbXSize, txtThumbYSize}) {
        box->setValidator(new QIntValidator(0, 9999, box));
        box->setFixedWidth(sizeBoxWidth);
        box->setToolTip(m_texts.thumbSizeTip);
        connect(box, &QLineEdit::returnPressed, this, &PrintWindow::cmdThumbSize_Click);
    }

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cmdPrint);
    layout->addWidget(cmdDelete);
    layout->addWidget(cmdThumbSize);
    layout->addStretch();
    layout->addWidget(txtThumbXSize);
    layout->addWidget(txtThumbYSize);

    connect(cmdPrint, &QPushButton::clicked, this, &PrintWindow::cmdPrint_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &PrintWindow::cmdDelete_Click);
    connect(cmdThumbSize, &QPushButton::clicked, this, &PrintWindow::cmdThumbSize_Click);
    return row;
}
