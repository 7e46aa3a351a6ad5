#include "app/mainwindow.h"

#include "app/fontinstaller.h"
#include "app/globals.h"
#include "app/mainwindowcontrols.h"
#include "app/settingsrecord.h"
#include "cedict/pendingwordtable.h"
#include "pinyin/tonemarks.h"
#include "platform/fieldbinder.h"
#include "shell/clipboardwatcher.h"
#include "shell/helpbrowser.h"
#include "shell/menuclock.h"
#include "shell/tiledsurface.h"
#include "shell/trayicon.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMainWindow, "ordbok.mainwindow")

using Controls::named;

namespace {

QPointer<MainWindow> &registered(int uiLanguage)
{
    static QPointer<MainWindow> windows[2];
    return windows[uiLanguage == 2 ? 1 : 0];
}

void reportMissingStoresOnce(const QStringList &missing)
{
    static bool reported = false;
    if (reported || missing.isEmpty())
        return;
    reported = true;
    std::fprintf(stderr, "Ordbok: missing %s in the program folder; run ./start.sh or "
                         "scripts/setup.sh to build the dictionary data.\n",
                 qPrintable(missing.join(u", ")));
}

} // namespace

MainWindow::MainWindow(Language language, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_language(language)
    , m_texts(language == Language::English ? MainWindowTexts::english()
                                            : MainWindowTexts::swedish())
    , m_programFolder(programFolder)
    , m_binder(new FieldBinder(this))
    , m_mainFont(Controls::chineseFontFamily, 36)
{
    setObjectName(language == Language::English ? u"omvandlingeng"_s : u"omvandling"_s);
    setWindowTitle(m_texts.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    MainMenuBar::populate(menuBar(), language);
    buildControls();
    m_watcher = new ClipboardWatcher(this);
    connect(m_watcher, &ClipboardWatcher::codeSearchWanted, this, [this] { clipboardHit(true); });
    connect(m_watcher, &ClipboardWatcher::cedictSearchWanted, this, [this] { clipboardHit(false); });
    m_clock = new MenuClock(menuItem(u"mnutime"_s), this);
    connectMenu();
    connectSearches();

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    load();
}

MainWindow::~MainWindow() = default;

MainWindow *MainWindow::showFor(int uiLanguage, const QString &programFolder)
{
    QPointer<MainWindow> &window = registered(uiLanguage);
    if (!window) {
        window = new MainWindow(uiLanguage == 2 ? Language::Swedish : Language::English,
                                programFolder);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

MainWindow *MainWindow::existing(int uiLanguage)
{
    return registered(uiLanguage);
}

QAction *MainWindow::menuItem(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

void MainWindow::load()
{
    using F = SettingsRecord::Field;

    // A word table rebuilt by an update takes effect now, before the stores open.
    installPendingWordTable(m_programFolder);

    if (FontFlagFile(m_programFolder).fontsPending())
        runFirstStart();

    if (!m_tables.open(m_programFolder))
        reportMissingStoresOnce(m_tables.missing());

    SettingsRecord &settings = SettingsRecord::shared();
    settings.read(m_programFolder);

    const QString fontName = settings.value(F::mainFontName);
    if (!fontName.isEmpty())
        m_mainFont.setFamily(fontName);
    if (const std::optional<double> size = SettingsText::strictNumber(settings.value(F::mainFontSize));
        size && *size > 0)
        m_mainFont.setPointSizeF(*size);
    else
        qCDebug(lcMainWindow) << "font size not read:" << settings.value(F::mainFontSize);

    if (const std::optional<double> simplified = SettingsText::strictNumber(settings.value(F::simplifiedOn)))
        Check1->setChecked(int(*simplified) != 0);

    applyMainFont();

    if (const std::optional<bool> onTop = SettingsText::boolean(settings.value(F::alwaysOnTop)))
        menuItem(u"overstalltid"_s)->setChecked(*onTop);
    if (const std::optional<bool> lookup = SettingsText::boolean(settings.value(F::autoLookupOn)))
        menuItem(u"autoseekon"_s)->setChecked(*lookup);

    (SettingsText::leadingNumber(settings.value(F::radicalMode)) == 0 ? Option1_0 : Option1_1)
        ->setChecked(true);

    if (menuItem(u"autoseekon"_s)->isChecked())
        m_watcher->start();

    m_tray = new TrayIcon(this, [] { return MainWindow::existing(Globals::uiLanguage); }, this);
    m_tray->add();

    setWindowFlag(Qt::WindowStaysOnTopHint, menuItem(u"overstalltid"_s)->isChecked());

    Globals::backgroundPath = settings.value(F::backgroundPath);
    m_surface->tileBackground(Globals::backgroundPath);

    if (m_language == Language::English) {
        if (SettingsText::leadingNumber(settings.value(F::autoStartEnglish)) == 1)
            menuItem(u"autoeng"_s)->setChecked(true);
    } else if (SettingsText::leadingNumber(settings.value(F::autoStartSwedish)) == 1) {
        menuItem(u"startasv"_s)->setChecked(true);
    }
}

void MainWindow::runFirstStart()
{
    const QString paper = QDir(m_programFolder).filePath(u"2.gif"_s);
    m_surface->tileBackground(paper);
    SettingsRecord &settings = SettingsRecord::shared();
    settings.setValue(SettingsRecord::backgroundPath, paper);
    FontInstaller(m_programFolder).install();
    FontFlagFile(m_programFolder).markInstalled();
    settings.write(m_programFolder);
}

void MainWindow::applyMainFont()
{
    // Bold, italic, underline and strikethrough go with the font; only name and size are kept.
    TextBox2->setFont(m_mainFont);
    QFont quarter = m_mainFont;
    quarter.setPointSizeF(std::max(1.0, m_mainFont.pointSizeF() / 4));
    TextBox1->setFont(quarter);
}

void MainWindow::saveMainSettings()
{
    using F = SettingsRecord::Field;
    SettingsRecord &settings = SettingsRecord::shared();
    settings.setValue(F::simplifiedOn, Check1->isChecked() ? u"1"_s : u"0"_s);
    settings.setValue(F::radicalMode, Option1_0->isChecked() ? u"0"_s : u"1"_s);
    settings.setValue(F::mainFontName, m_mainFont.family());
    settings.setValue(F::mainFontSize, QLocale().toString(m_mainFont.pointSizeF()));
    settings.setValue(F::autoLookupOn,
                      SettingsText::booleanWord(menuItem(u"autoseekon"_s)->isChecked()));
    settings.setValue(F::alwaysOnTop,
                      SettingsText::booleanWord(menuItem(u"overstalltid"_s)->isChecked()));
    if (m_language == Language::English)
        settings.setValue(F::autoStartEnglish,
                          menuItem(u"autoeng"_s)->isChecked() ? u"1"_s : u"0"_s);
    else
        settings.setValue(F::autoStartSwedish,
                          menuItem(u"startasv"_s)->isChecked() ? u"1"_s : u"0"_s);
    settings.write(m_programFolder);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_tray->remove();
    saveMainSettings();
    event->accept();
}

bool MainWindow::event(QEvent *event)
{
    // A copy made while another program had the focus is seen as soon as we get it back.
    if (event->type() == QEvent::WindowActivate && m_watcher->isActive())
        QTimer::singleShot(0, m_watcher, &ClipboardWatcher::lookAgain);
    return QMainWindow::event(event);
}

void MainWindow::connectMenu()
{
    connect(menuItem(u"overstalltid"_s), &QAction::triggered, this, &MainWindow::setAlwaysOnTop);
    connect(menuItem(u"autoseekon"_s), &QAction::triggered, this, &MainWindow::setAutoLookup);
    connect(menuItem(u"bakgrund"_s), &QAction::triggered, this, [this] {
        changeBackground(QFileDialog::getOpenFileName(this, QString(), m_programFolder,
                                                      tr("Image files (*.bmp *.gif *.jpg)")));
    });
    connect(menuItem(u"fonter"_s), &QAction::triggered, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_mainFont, this);
        if (ok)
            changeFont(font);
    });
    connect(menuItem(u"asd"_s), &QAction::triggered, this, [] {
        QDesktopServices::openUrl(QUrl(u"mailto:ordbok@brenvik.se"_s));
    });
    for (const QString &item : {u"fel"_s, u"tilagg"_s, u"svensk"_s, u"hem"_s, u"ced"_s,
                                u"unic"_s, u"hjalpen"_s, u"omprodukten"_s}) {
        if (QAction *action = menuItem(item))
            connect(action, &QAction::triggered, this, [this, item] { openHelpPage(item); });
    }
    // Windows still to come.
    for (const QString &item : {u"printit"_s, u"forrad"_s, u"tradrad"_s, u"teed"_s, u"pinedit"_s,
                                u"autol"_s, u"ime"_s, u"plu"_s, u"pl"_s, u"inlasning"_s}) {
        if (QAction *action = menuItem(item))
            action->setEnabled(false);
    }
}

void MainWindow::setAlwaysOnTop(bool on)
{
    menuItem(u"overstalltid"_s)->setChecked(on);
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        show(); // changing the flag hides a shown window
}

void MainWindow::setAutoLookup(bool on)
{
    menuItem(u"autoseekon"_s)->setChecked(on);
    if (on)
        m_watcher->start();
    else
        m_watcher->stop();
}

void MainWindow::changeBackground(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    Globals::backgroundPath = chosenFile;
    m_surface->tileBackground(chosenFile);
    SettingsRecord &settings = SettingsRecord::shared();
    settings.setValue(SettingsRecord::backgroundPath, chosenFile);
    settings.write(m_programFolder);
}

void MainWindow::changeFont(const QFont &font)
{
    m_mainFont = font;
    applyMainFont();
}

void MainWindow::openHelpPage(const QString &itemName)
{
    const QString page = MainMenuBar::helpPageFor(itemName, m_language);
    if (!page.isEmpty())
        HelpBrowser::showHelpPage(m_programFolder, page);
}

void MainWindow::clipboardHit(bool richText)
{
    // The search pages that take these hits are not part of the program yet.
    qCDebug(lcMainWindow) << "clipboard hit for the" << (richText ? "code" : "CEDICT")
                          << "search page";
    if (!richText)
        Text6->setFocus();
}

void MainWindow::Timer1_Timer()
{
    Timer1->stop();
    // setText would move the caret; the box keeps its caret and selection.
    const int caret = Text12->cursorPosition();
    const int selectionStart = Text12->selectionStart();
    const int selectionLength = Text12->selectedText().size();
    Text12->setText(renderToneMarks(Text12->text()));
    if (selectionStart >= 0)
        Text12->setSelection(selectionStart, selectionLength);
    else
        Text12->setCursorPosition(caret);
}

void MainWindow::connectSearches()
{
    connect(Text6, &QLineEdit::textEdited, this, [this] {
        m_search.keyTyped();
        Text8->clear();
    });
    connect(Text6, &QLineEdit::returnPressed, this, [this] {
        m_search.keyTyped();
        Text8->clear();
        Text11->clear();
        englishSearch(WordSearch::FromStart); // Enter searches even an empty box
    });
    connect(Text8, &QLineEdit::textEdited, this, [this] {
        m_search.keyTyped();
        Text11->clear();
        Text6->clear();
    });
    connect(Text8, &QLineEdit::returnPressed, this, [this] {
        m_search.keyTyped();
        Text11->clear();
        Text6->clear();
        pinyinSearch(WordSearch::FromStart);
    });
    const auto englishButton = [this](WordSearch::Kind kind) {
        if (Text6->text().isEmpty())
            return;
        Text8->clear();
        Text11->clear();
        englishSearch(kind);
    };
    const auto pinyinButton = [this](WordSearch::Kind kind) {
        if (Text8->text().isEmpty())
            return;
        Text6->clear();
        Text11->clear();
        pinyinSearch(kind);
    };
    connect(Command2, &QPushButton::clicked, this, [=] { englishButton(WordSearch::Onwards); });
    connect(Command5, &QPushButton::clicked, this, [=] { englishButton(WordSearch::Exact); });
    connect(Command4, &QPushButton::clicked, this, [=] { pinyinButton(WordSearch::Onwards); });
    connect(Command6, &QPushButton::clicked, this, [=] { pinyinButton(WordSearch::Exact); });

    connect(Command1, &QPushButton::clicked, this, [this] {
        showWordView(showWordTraditional(m_tables, displayOptions().radicals));
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        showWordView(showWordSimplified(m_tables, displayOptions().radicals));
    });

    connect(Command9, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byRadicalKey); });
    connect(Command11, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byRadicalNumber); });
    connect(Command17, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byStrokes); });

    connect(command10, &QPushButton::clicked, this, [this] { showReadingList(Reading::Mandarin); });
    connect(Command12, &QPushButton::clicked, this, [this] { showReadingList(Reading::Cantonese); });
    connect(command13, &QPushButton::clicked, this, [this] { showReadingList(Reading::JapaneseKun); });
    connect(Command15, &QPushButton::clicked, this, [this] { showReadingList(Reading::JapaneseOn); });
    connect(Command14, &QPushButton::clicked, this, [this] { showReadingList(Reading::Korean); });

    for (QLineEdit *entry : {Text6, Text8, Text21, Text20})
        entry->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *entry = qobject_cast<QLineEdit *>(watched);
    if (!entry)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Entering one entry box empties the others, so only one search text is ever shown.
        for (QLineEdit *other : {Text6, Text8, Text21, Text20}) {
            if (other != entry)
                other->clear();
        }
    } else if (event->type() == QEvent::MouseButtonPress && entry != Text20) {
        // After the press has placed the caret: the whole text, ready to be typed over.
        QTimer::singleShot(0, entry, [entry] { entry->selectAll(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

DisplayOptions MainWindow::displayOptions() const
{
    return {Check1->isChecked(), Option1_0->isChecked()};
}

void MainWindow::englishSearch(WordSearch::Kind kind)
{
    showSearchResult(m_search.english(Text6->text(), kind, displayOptions()));
}

void MainWindow::pinyinSearch(WordSearch::Kind kind)
{
    showSearchResult(m_search.pinyin(Text8->text(), kind, displayOptions()));
}

void MainWindow::showSearchResult(const WordSearchResult &result)
{
    m_binder->rebind(Text9, result.text9Field);
    Text11->setText(result.meaningsLine);
    showWordView(result.word);
}

void MainWindow::clearRadicalSlots()
{
    for (int i = 0; i < rad1.size(); ++i) {
        rad1[i]->setPixmap(QPixmap());
        radnr[i]->clear();
    }
}

void MainWindow::setRadicalPicture(int slot, const QString &pictureFile)
{
    QPixmap picture(QDir(m_programFolder).filePath(pictureFile));
    if (picture.isNull()) {
        qCDebug(lcMainWindow) << "no radical picture" << pictureFile;
        rad1[slot]->setPixmap(QPixmap());
        return;
    }
    // Drawn at twice the slot's size, so the slot stays sharp on 2x screens.
    picture.setDevicePixelRatio(qreal(picture.width()) / rad1[slot]->contentsRect().width());
    rad1[slot]->setPixmap(picture);
}

void MainWindow::showWordView(const WordView &view)
{
    Image3->setVisible(false);
    Text20->clear();
    Text11->setVisible(true);
    TextBox2->setVisible(true);
    TextBox1->setVisible(false);
    TextBox2->setText(view.characters);
    clearRadicalSlots();
    for (int i = 0; i < view.radicalSlots.size() && i < rad1.size(); ++i) {
        setRadicalPicture(i, view.radicalSlots[i].pictureFile);
        radnr[i]->setText(view.radicalSlots[i].key);
    }
    if (!view.completed)
        return;
    Text12->setText(view.pinyin);
    Timer1->start();
    Text20->setText(view.codeString);
    emit charactersShown(view.characters);
}

void MainWindow::showList(const QString &lines)
{
    Image3->setVisible(false);
    TextBox1->setPlainText(lines);
    TextBox1->setVisible(true);
    TextBox2->setVisible(false);
    Text11->setVisible(false);
    TextBox1->moveCursor(QTextCursor::Start);
}

void MainWindow::radicalSearch(CharacterList (*search)(RecordSource &, const QString &))
{
    clearRadicalSlots();
    const CharacterList list = search(m_tables.characters, Text21->text());
    if (!list.ran)
        return;
    if (!list.pictureFile.isEmpty())
        setRadicalPicture(0, list.pictureFile);
    showList(list.text);
    Text21->setText(list.message);
}

void MainWindow::RadikalLista()
{
    showList(CharacterLists::radikalLista(m_tables.characters, Globals::selectedRadical).text);
}

void MainWindow::showReadingList(Reading reading)
{
    const ReadingList list = readingList(m_tables, reading, Text20->text(), Check1->isChecked());
    if (!list.ran)
        return;
    Text8->clear();
    Text6->clear();
    m_search.keyTyped(); // the next exact search starts from the top
    clearRadicalSlots();
    TextBox2->setText(list.characters);
    showList(list.text);
    if (list.pinyin)
        Text12->setText(*list.pinyin);
    Timer1->start();
}
