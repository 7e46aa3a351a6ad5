#pragma once

#include "dictionary/characterlist.h"
#include "dictionary/frequencies.h"
#include "dictionary/readinglist.h"
#include "dictionary/tables.h"
#include "dictionary/wordsearch.h"
#include "windows/mainwindow/mainmenubar.h"
#include "windows/mainwindow/mainwindowtexts.h"

#include <QFont>
#include <QMainWindow>
#include <QVector>

class FieldBinder;
class OneSearchBox;
class MenuClock;
class TiledSurface;
struct ProgramContext;
class QAction;
class QCheckBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;

// The dictionary's main window, English (omvandlingeng) or Swedish (omvandling): the word
// on display with its radicals and tone-marked pinyin, the searches, and the record sources
// whose current records the bound boxes show. It opens nothing itself: the application
// object answers its requests.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The menu items that open another window.
    using Request = WindowRequest;

    MainWindow(Language language, ProgramContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    Language language() const { return m_language; }
    // The first frame holds the menus and the one box; the rest of the window (the other
    // searches, the word on display, the record panel) comes with this, once the stores are
    // open. Called again, it does nothing.
    void completeWindow();

    // Menu intents, also reached by the menu items after their dialogs.
    void changeBackground(const QString &chosenFile); // empty: cancelled
    void changeFont(const QFont &font);
    void setAlwaysOnTop(bool on);
    void setAutoLookup(bool on);
    bool autoLookup() const;
    // Items of requests nobody answers stay greyed out.
    void setAvailableRequests(const QList<Request> &requests);

    // Lists the characters of a radical; for the radical charts.
    void listRadical(int radical);
    // A character drawn by hand: its own word entry, as a found word is shown.
    void showCharacter(const QString &character);
    // The characters of the word on display.
    QString shownCharacters() const;
    // A clipboard hit for the CEDICT search page puts the caret in the English search box.
    void focusEnglishSearch();

signals:
    // The characters of each word shown in full, for the print window's text box.
    void charactersShown(const QString &characters);
    void windowRequested(WindowRequest request);
    void helpPageRequested(const QString &pageFileName);
    void autoLookupChanged(bool on);
    // The window got the focus back: a copy made meanwhile should be looked at.
    void activated();
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFirstFrame();
    QWidget *buildSearchArea();
    QWidget *buildDisplayArea();
    QWidget *buildRadicalSlots();
    QWidget *buildListArea();
    QScrollArea *buildDetails();
    void bindBoxes();
    void applyWindowSettings();
    void applyControlSettings();
    void applyMainFont();
    void saveMainSettings();
    void connectMenu();
    void Timer1_Timer();

    void connectSearches();
    void connectOneSearch();
    DisplayOptions displayOptions() const;
    void englishSearch(WordSearch::Kind kind);
    void pinyinSearch(WordSearch::Kind kind);
    void showSearchResult(const WordSearchResult &result);
    void showWordView(const WordView &view);
    void clearRadicalSlots();
    void setRadicalPicture(int slot, const QString &pictureFile);
    void showList(const QString &lines);
    void showCharacterList(CharacterList &list);
    void radicalSearch(CharacterList (*search)(RecordSource &, const QString &));
    void showReadingList(Reading reading);
    // Print: the word on display as text, or the list when a list is shown.
    void printWord();
    bool listShown() const;

    const Language m_language;
    const MainWindowTexts &m_texts;
    ProgramContext &m_context;
    DictionaryTables &m_tables;
    WordSearch m_search{m_tables};
    Frequencies m_frequencies;
    MainMenuActions m_menu;
    FieldBinder *m_binder;
    TiledSurface *m_surface = nullptr;
    QHBoxLayout *m_columns = nullptr;
    QVBoxLayout *m_mainColumn = nullptr;
    bool m_complete = false;
    MenuClock *m_clock = nullptr;
    QString m_shownPinyin;     // tone numbers, as the word came
    QString m_shownPinyinWord; // the characters m_shownPinyin reads
    QFont m_mainFont; // the font dialog cd1's font: TextBox2 at its size, TextBox1 at a quarter

    // Search boxes and buttons.
    OneSearchBox *m_oneSearch;
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
