#pragma once

#include "pinyin/pinyintyping.h"
#include "shell/language.h"
#include "windows/pinyineditor/pinyineditortexts.h"

#include <QFont>
#include <QMainWindow>
#include <QVector>

#include <array>

struct ProgramContext;
class ColourMap;
class TiledSurface;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QRadioButton;
class QTimer;

// The pinyin editor, Form1 (English) or Pinyinedit (Swedish): a text box in the pinyin font
// where a vowel and a tone digit become the tone-marked vowel as the user types. The text
// stays in the font's encoding; "Copy as Unicode pinyin" and "Save as text..." give it to
// other programs with standard Unicode tone marks.
class PinyinEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    PinyinEditorWindow(Language language, ProgramContext &context, QWidget *parent = nullptr);
    ~PinyinEditorWindow() override;

    Language language() const { return m_language; }

    // The selection, or the whole text when nothing is selected, onto the clipboard as
    // standard Unicode pinyin.
    void copyAsUnicode();
    // The whole text as UTF-8 Unicode pinyin; the file is replaced only once it is written.
    // Returns the error text, empty on success.
    QString saveAsText(const QString &path) const;
    // The text as Unicode pinyin in the editor's font, on pages with margins and page numbers.
    // False when the printer would not start.
    bool printText(QPrinter &printer) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void connectControls();
    void load();

    void Text2_KeyPress(QChar key);
    void vowelTimer_Timer(int vowelIndex);
    void text1_Enter();
    void pCol_MouseDown(const QColor &colour);
    void Check1_Click();
    void Timer12_Timer();
    void printChosen();
    void saveChosen();
    void showContextMenu(const QPoint &position);

    const Language m_language;
    const PinyinEditorTexts &m_texts;
    ProgramContext &m_context;
    PinyinTyping m_typing;
    QFont m_c1; // the font holder: the pinyin font and the size last entered
    QString m_saveFolder; // where the last "Save as text..." went

    TiledSurface *Image15;
    QPlainTextEdit *Text2;
    QPlainTextEdit *Text14;
    QLabel *Label1, *Label2;
    QLineEdit *text1;
    ColourMap *pCol;
    QVector<QRadioButton *> Op;
    QFrame *Shape2;
    QCheckBox *Check1;
    std::array<QTimer *, PinyinTyping::vowelKeys.size()> m_vowelTimers{}; // Timer1 to Timer11
    QTimer *Timer12;
    QAction *m_print = nullptr, *m_copyUnicode = nullptr, *m_saveAsText = nullptr;
};
