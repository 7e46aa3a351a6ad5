#pragma once

#include "shell/language.h"
#include "windows/pinyineditor/pinyineditortexts.h"

#include <QFont>
#include <QMainWindow>
#include <QVector>

struct ProgramContext;
class ColourMap;
class TiledSurface;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class PinyinTextEdit;
class QPrinter;
class QRadioButton;
class QTimer;

// The pinyin editor, Form1 (English) or Pinyinedit (Swedish): a text box of Unicode pinyin
// where a syllable and a tone digit become the tone-marked syllable as the user types. What
// leaves the window, by the clipboard, a drag or a file, is the same Unicode text.
class PinyinEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    PinyinEditorWindow(Language language, ProgramContext &context, QWidget *parent = nullptr);
    ~PinyinEditorWindow() override;

    Language language() const { return m_language; }

    // The selection, or the whole text when nothing is selected, onto the clipboard.
    void copyAsUnicode();
    // "Convert tone numbers": the selection's, or the whole text's, tone-numbered syllables
    // marked.
    void convertToneNumbers();
    // The whole text as UTF-8; the file is replaced only once it is written. Returns what to
    // tell the user, empty on success.
    QString saveAsText(const QString &path);
    // A UTF-8 text file in place of the text. Returns what to tell the user, empty on success;
    // on failure the text stays as it was.
    QString openText(const QString &path);
    // The text as Unicode pinyin in the editor's font, on pages with margins and page numbers.
    // False when the printer would not start.
    bool printText(QPrinter &printer) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void connectControls();
    void load();

    void text1_Enter();
    void pCol_MouseDown(const QColor &colour);
    void Check1_Click();
    void Timer12_Timer();
    void printChosen();
    bool saveChosen();
    void openChosen();
    // True when the text may go: saved, unchanged, or the user chose to discard it.
    bool saveBeforeLosing();
    QString dialogFolder();
    void showContextMenu(const QPoint &position);

    const Language m_language;
    const PinyinEditorTexts &m_texts;
    ProgramContext &m_context;
    QFont m_c1;             // the font holder: the pinyin font and the size last entered
    QString m_dialogFolder; // where the last file was opened or saved
    QString m_documentPath; // the file opened or saved last, offered by the next save

    TiledSurface *Image15;
    PinyinTextEdit *Text2;
    QPlainTextEdit *Text14;
    QLabel *Label1, *Label2;
    QLineEdit *text1;
    ColourMap *pCol;
    QVector<QRadioButton *> Op;
    QFrame *Shape2;
    QCheckBox *Check1;
    QTimer *Timer12;
    QAction *m_print = nullptr, *m_copyUnicode = nullptr, *m_convert = nullptr;
    QAction *m_open = nullptr, *m_saveAsText = nullptr;
};
