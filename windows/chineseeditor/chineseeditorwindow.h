#pragma once

#include "pinyin/documentfile.h"
#include "pinyin/inputmethod.h"
#include "settings/chineseeditorsettings.h"
#include "shell/language.h"
#include "windows/chineseeditor/chineseeditortexts.h"

#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QVector>

#include <memory>
#include <optional>

struct ProgramContext;
class WordIndex;
class QThread;
class TiledSurface;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// Kinaeditor, "Chinese word processor": a pinyin input box whose candidate line offers the
// words and characters the pinyin spells, with the reading and gloss of one of them; a
// document that takes the chosen ones at its caret; and a preview of one candidate. Its colours,
// font and table are kept in the settings record.
class ChineseEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    ChineseEditorWindow(ProgramContext &context, Language language, QWidget *parent = nullptr);
    ~ChineseEditorWindow() override;

    // The document from or to a UTF-8 text file; a refused file leaves the document alone.
    DocumentFile::Result openFile(const QString &path);
    DocumentFile::Result saveFile(const QString &path);
    QString documentPath() const { return m_documentPath; }

public slots:
    // Puts text into the document at its caret, over the selection, and moves the caret after
    // it: where chosen words go, and what other input (handwriting) calls.
    void insertAtCaret(const QString &text);

signals:
    void helpPageRequested(const QString &pageFileName);
    // "Select all" copies the document: the clipboard watcher must not look it up, until the
    // editor closes.
    void autoLookupPauseRequested();
    void autoLookupResumeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Menu
    {
        QAction *Open, *save, *print, *practice, *selall, *font;
        QAction *farg, *tfarg, *charcolor, *txtc, *wer, *sdf, *elp;
    };

    void buildControls();
    QWidget *buildPreview(QWidget *parent);
    void buildMenus();
    void connectControls();
    void load();
    ChineseEditorSettings currentSettings() const;

    bool inputKeyPress(QKeyEvent *event);
    void inputEdited();
    void apply(const InputStep &step);
    void showInputState();
    void previewClicked(int option);
    void loadWords();
    void wordsLoaded(std::shared_ptr<const WordIndex> words);
    bool showCandidateTip(QEvent *event);

    void openClicked();
    bool saveClicked();      // false: not saved
    bool saveBeforeLosing(); // false: the user cancelled
    void reportFileProblem(const QString &path, const DocumentFile::Result &result);
    void selectAllClicked();
    void fontClicked();
    std::optional<QColor> pickColour(const QColor &current);
    void setBackColour(const QColor &colour);
    void setTextColour(const QColor &colour);
    void setLineBackColour(const QColor &colour);
    void setLineTextColour(const QColor &colour);
    void useTraditional(bool traditional);

    ProgramContext &m_context;
    const Language m_language;
    const ChineseEditorTexts &m_texts;
    InputMethod m_input;
    Menu m_menu{};
    QString m_documentPath;
    QString m_dialogFolder;
    std::shared_ptr<const WordIndex> m_words;
    QThread *m_wordLoader = nullptr;

    TiledSurface *Image15;
    QLineEdit *TextBox2;      // pinyin input box
    QLabel *Label2;           // candidate line
    QLabel *glossLine;        // reading and gloss of the previewed candidate
    QPlainTextEdit *TextBox3; // the document
    QVector<QRadioButton *> Option1;
    QPushButton *b1;
    QLineEdit *TextBox1;
    QTimer *Timer1;
};
