#include "windows/pagetranslator/pagetranslatorwindow.h"

#include "platform/programfiles.h"

#include "dictionary/tables.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"
#include "windows/pagetranslator/pageview.h"

#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
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
    const QMimeData *copy = QGuiApplication::clipboard()->mimeData();
    // The text keeps what escapes leave out: letters, digits and punctuation.
    if (copy && copy->hasText() && !copy->text().isEmpty())
        createPageFromText(copy->text());
    else
        createPage(copiedCodes(copy));
}

void PageTranslatorWindow::createPage(const RtfCodeList &codes)
{
    clearDetails();
    m_translation.setPage(characterCodes(codes));
    showPage();
}

void PageTranslatorWindow::createPageFromText(const QString &text)
{
    clearDetails();
    m_translation.setPageText(text);
    showPage();
}

int PageTranslatorWindow::cellCount() const
{
    return int(m_page->count());
}

void PageTranslatorWindow::clearDetails()
{
    for (QLineEdit *box : {TextBox1, TextBox2})
        box->clear();
    for (QPlainTextEdit *box : {Text4, TextBox3})
        box->clear();
}

void PageTranslatorWindow::showPage()
{
    QStringList characters;
    characters.reserve(m_translation.page().size());
    for (const PageCharacter &cell : m_translation.page())
        characters << cell.character();
    m_page->setCharacters(characters);
    layoutPage();
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
    if (event->type() == QEvent::Resize && watched == m_pageArea->viewport())
        layoutPage();
    return QWidget::eventFilter(watched, event);
}

void PageTranslatorWindow::layoutPage()
{
    m_page->fitWidth(m_pageArea->viewport()->width());
}
