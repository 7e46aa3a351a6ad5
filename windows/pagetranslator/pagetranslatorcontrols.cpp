// The page translator's controls: the page button, the four detail boxes and the page.

#include "windows/pagetranslator/pagetranslatorwindow.h"

#include "platform/programfonts.h"
#include "shell/named.h"
#include "shell/tiledsurface.h"
#include "windows/pagetranslator/pageview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *characterBox(const QString &name, QWidget *parent, int pixelSize)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    QFont font{QString(ProgramFonts::chineseAlias)};
    font.setPixelSize(pixelSize);
    box->setFont(font);
    return box;
}

QPlainTextEdit *textBox(const QString &name, QWidget *parent)
{
    auto *box = named(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    // Three lines hold a character's meanings; longer lists scroll.
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 2 * box->frameWidth() + 8);
    return box;
}

} // namespace

void PageTranslatorWindow::buildControls()
{
    // 615 twips, whatever the screen's density.
    m_cell = qRound(615.0 * logicalDpiY() / 1440.0);

    m_surface = named(new TiledSurface(this), u"surface"_s);
    Command4 = named(new QPushButton(u"Create page with characters from clipboard"_s, m_surface),
                     u"Command4"_s);
    TextBox1 = characterBox(u"TextBox1"_s, m_surface, m_cell * 3 / 4);
    TextBox2 = characterBox(u"TextBox2"_s, m_surface, m_cell * 3 / 4);
    Text4 = textBox(u"Text4"_s, m_surface);
    TextBox3 = textBox(u"TextBox3"_s, m_surface);
    TextBox1->setFixedWidth(m_cell * 2);

    m_pageArea = named(new QScrollArea(m_surface), u"page"_s);
    m_pageArea->setFrameShape(QFrame::NoFrame);
    m_pageArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageArea->viewport()->setAutoFillBackground(false);
    m_pageArea->viewport()->installEventFilter(this);
    m_page = named(new PageView, u"Label1"_s);
    m_page->setCellSize(m_cell);
    connect(m_page, &PageView::pointed, this, &PageTranslatorWindow::showDetails);
    // Times New Roman as ever; the Chinese glyphs come from the program's Chinese font.
    QFont labelFont;
    labelFont.setFamilies({u"Times New Roman"_s, QString(ProgramFonts::chineseAlias)});
    labelFont.setPixelSize(m_cell * 3 / 4);
    m_page->setFont(labelFont);
    m_pageArea->setWidget(m_page);
    // The background shows between the cells (setWidget turned the filling on).
    m_page->setAutoFillBackground(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command4);
    buttons->addStretch(1);
    auto *details = new QGridLayout;
    details->addWidget(TextBox1, 0, 0);
    details->addWidget(Text4, 0, 1);
    details->addWidget(TextBox2, 1, 0, 1, 2);
    details->addWidget(TextBox3, 2, 0, 1, 2);
    details->setColumnStretch(1, 1);
    auto *column = new QVBoxLayout(m_surface);
    column->addLayout(buttons);
    column->addLayout(details);
    column->addWidget(m_pageArea, 1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_surface);
    resize(m_cell * 22, m_cell * 16);
}
