// The CEDICT search page's controls: the File menu, the lookup button and the results box.

#include "windows/cedictsearch/cedictsearchwindow.h"

#include "shell/named.h"
#include "windows/cedictsearch/cedictsearchtexts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void CedictSearchWindow::buildControls()
{
    const CedictSearchTexts &texts = CedictSearchTexts::english();
    setWindowTitle(texts.windowTitle);
    fil = named(menuBar()->addMenu(texts.fil), u"fil"_s);
    bakfarg = named(fil->addAction(texts.bakfarg), u"bakfarg"_s);
    txtfarg = named(fil->addAction(texts.txtfarg), u"txtfarg"_s);
    font = named(fil->addAction(texts.font), u"font"_s);
    fil->addSeparator();
    sparastudier = named(fil->addAction(texts.sparastudier), u"sparastudier"_s);
    sparastudier->setShortcut(QKeySequence::Save);
    exportstudier = named(fil->addAction(texts.exportstudier), u"exportstudier"_s);
    fil->addSeparator();
    // The page watches the clipboard whenever it is open; the item has nothing to switch.
    overstalltid = named(fil->addAction(texts.overstalltid), u"overstalltid"_s);
    overstalltid->setEnabled(false);

    auto *surface = new QWidget(this);
    lookup1 = named(new QPushButton(texts.lookup1, surface), u"lookup1"_s);
    lookup1->setToolTip(texts.lookup1Tip);
    text1 = named(new QPlainTextEdit(surface), u"text1"_s);
    text1->setReadOnly(true);
    // Read-only, yet with a caret: "Save character" saves the line it stands in.
    text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lookup1);
    buttons->addStretch(1);
    auto *column = new QVBoxLayout(surface);
    column->setContentsMargins(2, 2, 2, 2);
    column->addLayout(buttons);
    column->addWidget(text1, 1);
    setCentralWidget(surface);
    statusBar();

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(50);
    m_slices = new QTimer(this);
    m_slices->setSingleShot(true);
    m_slices->setInterval(0);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 32);
}
