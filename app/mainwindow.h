#pragma once

#include "app/mainwindowtexts.h"
#include "dictionary/characterlist.h"
#include "dictionary/readinglist.h"
#include "dictionary/tables.h"
#include "dictionary/wordsearch.h"
#include "shell/mainmenubar.h"

#include <QFont>
#include <QMainWindow>
#include <QVector>

class ClipboardWatcher;
class FieldBinder;
class MenuClock;
class TiledSurface;
class TrayIcon;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The dictionary's main window, English (omvandlingeng) or Swedish (omvandling): the word
// on display with its radicals and tone-marked pinyin, the searches, and the record sources
// whose current records the bound boxes show.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    using Language = MainMenuBar::Language;

    MainWindow(Language language, const QString &programFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The main window of a language (1 English, 2 Swedish), created on first use.
    static MainWindow *showFor(int uiLanguage, const QString &programFolder);
    static MainWindow *existing(int uiLanguage);

    Language language() const { return m_language; }
    DictionaryTables &tables() { return m_tables; }
    QFont mainFont() const { return m_mainFont; }
    ClipboardWatcher *clipboardWatcher() const { return m_watcher; }
    TrayIcon *trayIcon() const { return m_tray; }
    TiledSurface *surface() const { return m_surface; }

    // Menu intents, also reached by the menu items after their dialogs.
    void changeBackground(const QString &chosenFile); // empty: cancelled
    void changeFont(const QFont &font);
    void setAlwaysOnTop(bool on);
    void setAutoLookup(bool on);
    void openHelpPage(const QString &itemName);

    // Lists the characters of Globals::selectedRadical; called by the radical charts.
    void RadikalLista();
    const WordSearch &wordSearch() const { return m_search; }

signals:
    // The characters of each word shown in full, for the print window's text box.
    void charactersShown(const QString &characters);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildSearchArea();
    QWidget *buildDisplayArea();
    QWidget *buildRadicalSlots();
    QWidget *buildListArea();
    QWidget *buildDetails();
    void bindBoxes();
    void load();
    void runFirstStart();
    void applyMainFont();
    void saveMainSettings();
    QAction *menuItem(const QString &name) const;
    void connectMenu();
    void Timer1_Timer();
    void clipboardHit(bool richText);

    void connectSearches();
    DisplayOptions displayOptions() const;
    void englishSearch(WordSearch::Kind kind);
    void pinyinSearch(WordSearch::Kind kind);
    void showSearchResult(const WordSearchResult &result);
    void showWordView(const WordView &view);
    void clearRadicalSlots();
    void setRadicalPicture(int slot, const QString &pictureFile);
    void showList(const QString &lines);
    void radicalSearch(CharacterList (*search)(RecordSource &, const QString &));
    void showReadingList(Reading reading);

    const Language m_language;
    const MainWindowTexts &m_texts;
    const QString m_programFolder;
    DictionaryTables m_tables;
    WordSearch m_search{m_tables};
    FieldBinder *m_binder;
    TiledSurface *m_surface = nullptr;
    ClipboardWatcher *m_watcher = nullptr;
    MenuClock *m_clock = nullptr;
    TrayIcon *m_tray = nullptr;
    QFont m_mainFont; // the font dialog cd1's font: TextBox2 at its size, TextBox1 at a quarter

    // Search boxes and buttons.
    QLabel *Label1, *Label2;
    QLineEdit *Text6, *Text8;
    QPushButton *Command2, *Command5, *Command4, *Command6;
    // The word on display.
    QLineEdit *TextBox2;
    QPlainTextEdit *TextBox1;
    QLineEdit *Text11, *Text12;
    QLineEdit *Text19 = nullptr; // Swedish window only: a copy of Text11
    QLabel *Image1, *Image3;
    QVector<QLabel *> rad1;
    QVector<QLineEdit *> radnr;
    QCheckBox *Check1;
    QRadioButton *Option1_0, *Option1_1;
    QPushButton *Command1, *Command3;
    // Radical and stroke searches.
    QLabel *Label5, *Label6;
    QLineEdit *Text21;
    QPushButton *Command9, *Command11, *Command17;
    // Reading lists.
    QLabel *translateAllLabel;
    QPushButton *command10, *Command12, *command13, *Command15, *Command14;
    // Bound boxes and working boxes.
    QLineEdit *Text2, *Text3, *Text9, *Text20, *Text25, *Unicode;
    QVector<QLineEdit *> Text10;
    QLineEdit *Text4, *Text5;
    QLineEdit *kinarad, *text1, *Text24, *radikalnummer, *pinyin;
    QVector<QLineEdit *> meaning, kanton, japkun1, japon, Koreanska;
    QLineEdit *Text22, *Text23;

    QTimer *Timer1;
};
