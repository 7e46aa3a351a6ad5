// The code search page's controls: the settings menu, the search button and the results box.

#include "windows/codesearch/codesearchwindow.h"

#include "shell/named.h"
#include "shell/tiledsurface.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void CodeSearchWindow::buildControls()
{
    s = named(menuBar()->addMenu(u"Settings"_s), u"s"_s);
    trad = named(s->addAction(u"Traditional Chinese characters"_s), u"trad"_s);
    trad->setCheckable(true);
    fontinst = named(s->addAction(u"Font"_s), u"fontinst"_s);
    backcolor = named(s->addAction(u"Background color"_s), u"backcolor"_s);
    forecolor = named(s->addAction(u"Foreground color"_s), u"forecolor"_s);

    m_surface = named(new TiledSurface(this), u"surface"_s);
    Command1 = named(new QPushButton(u"Search"_s, m_surface), u"Command1"_s);
    Command1->setToolTip(u"Search the Chinese on the clipboard now"_s);
    TextBox1 = named(new QPlainTextEdit(m_surface), u"TextBox1"_s);
    TextBox1->setReadOnly(true);
    TextBox1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    auto *column = new QVBoxLayout(m_surface);
    column->addLayout(buttons);
    column->addWidget(TextBox1, 1);
    setCentralWidget(m_surface);

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(50);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 30);
}
