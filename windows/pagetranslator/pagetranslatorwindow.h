#pragma once

#include "cedict/rtfcodes.h"
#include "dictionary/pagetranslation.h"

#include <QList>
#include <QWidget>

class PageView;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class TiledSurface;
struct ProgramContext;

// The page translator (Kina): copied text laid out as a page of large characters, one cell
// each; the pointer on a character shows its readings and meanings and the word that starts
// with it.
class PageTranslatorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PageTranslatorWindow(ProgramContext &context, QWidget *parent = nullptr);
    ~PageTranslatorWindow() override;

    // Command4: a new page from the clipboard: its text, else the codes of its RTF.
    void createPageFromClipboard();
    void createPage(const RtfCodeList &codes);
    void createPageFromText(const QString &text);
    // What the pointer on label index shows.
    void showDetails(int index);

    int cellCount() const;
    // Width and height of one cell of the page, in pixels.
    int cellSize() const { return m_cell; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void clearDetails();
    void showPage();
    void layoutPage();

    ProgramContext &m_context;
    PageTranslation m_translation;
    int m_cell = 41; // 615 twips at 96 dots per inch

    TiledSurface *m_surface = nullptr;
    QPushButton *Command4 = nullptr;
    QLineEdit *TextBox1 = nullptr;
    QPlainTextEdit *Text4 = nullptr;
    QLineEdit *TextBox2 = nullptr;
    QPlainTextEdit *TextBox3 = nullptr;
    QScrollArea *m_pageArea = nullptr;
    PageView *m_page = nullptr;
};
