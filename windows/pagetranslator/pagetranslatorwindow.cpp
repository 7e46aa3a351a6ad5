#include "windows/pagetranslator/pagetranslatorwindow.h"

#include "platform/programfiles.h"

#include "dictionary/tables.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"

#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace Qt::StringLiterals;

PageTranslatorWindow::PageTranslatorWindow(ProgramContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_translation(context.tables.characters, context.tables.words)
{
    setObjectName(u"Kina"_s);
    setWindowTitle(u"Chinese Page Translator"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    m_surface->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));
    connect(Command4, &QPushButton::clicked, this, &PageTranslatorWindow::createPageFromClipboard);
}

PageTranslatorWindow::~PageTranslatorWindow() = default;

void PageTranslatorWindow::createPageFromClipboard()
{
    createPage(copiedCodes(QGuiApplication::clipboard()->mimeData()));
}

void PageTranslatorWindow::createPage(const RtfCodeList &codes)
{
    // Label1(0) stays; the labels of the last page go.
    while (m_labels.size() > 1)
        delete m_labels.takeLast();
    for (QLineEdit *box : {TextBox1, TextBox2})
        box->clear();
    for (QPlainTextEdit *box : {Text4, TextBox3})
        box->clear();

    m_translation.setPage(characterCodes(codes));
    const QList<PageCharacter> &page = m_translation.page();
    // Labels shown one by one into a visible page each repaint the whole page so far.
    m_page->hide();
    m_labels.first()->setText(page.isEmpty() ? QString() : page.first().character());
    // An empty page shows no empty cell.
    m_labels.first()->setAutoFillBackground(!page.isEmpty());
    for (int i = 1; i < page.size(); ++i)
        newLabel(i)->setText(page.at(i).character());
    layoutPage();
    m_page->show();
    m_pageArea->verticalScrollBar()->setValue(0);
}

void PageTranslatorWindow::showDetails(int index)
{
    const CharacterDetails details = m_translation.details(index);
    TextBox1->setText(details.character);
    Text4->setPlainText(details.readings);
    TextBox2->setText(details.word);
    TextBox3->setPlainText(details.wordLine);
}

bool PageTranslatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        const qsizetype index = m_labels.indexOf(qobject_cast<QLabel *>(watched));
        if (index >= 0 && index < m_translation.page().size())
            showDetails(int(index));
    } else if (event->type() == QEvent::Resize && watched == m_pageArea->viewport()) {
        layoutPage();
    }
    return QWidget::eventFilter(watched, event);
}

void PageTranslatorWindow::layoutPage()
{
    const int width = m_pageArea->viewport()->width();
    for (int i = 0; i < m_labels.size(); ++i) {
        m_labels.at(i)->setGeometry(
            QRect(PageTranslation::cellPosition(i, width, m_cell), QSize(m_cell, m_cell)));
    }
    const QPoint last = PageTranslation::cellPosition(int(m_labels.size()) - 1, width, m_cell);
    m_page->resize(width, last.y() + m_cell);
}
