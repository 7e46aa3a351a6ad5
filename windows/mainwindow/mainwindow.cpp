#include "windows/mainwindow/mainwindow.h"

#include "dictionary/frequencies.h"
#include "handwriting/characterentry.h"
#include "pinyin/tonemarks.h"
#include "platform/programfonts.h"
#include "print/wordsheet.h"
#include "settings/mainwindowsettings.h"
#include "settings/settingsstore.h"
#include "shell/fieldbinder.h"
#include "shell/menuclock.h"
#include "shell/printpreview.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"
#include "windows/mainwindow/mainwindowcontrols.h"
#include "windows/mainwindow/onesearchbox.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcMainWindow, "ordbok.mainwindow")

MainWindow::MainWindow(Language language, ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_language(language)
    , m_texts(language == Language::English ? MainWindowTexts::english()
                                            : MainWindowTexts::swedish())
    , m_context(context)
    , m_tables(context.tables)
    , m_frequencies(context.programFolder)
    , m_binder(new FieldBinder(this))
    , m_mainFont(ProgramFonts::chineseAlias, 36)
{
    setObjectName(language == Language::English ? u"omvandlingeng"_s : u"omvandling"_s);
    setWindowTitle(m_texts.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    m_menu = MainMenuBar::populate(menuBar(), language);
    buildFirstFrame();
    m_clock = new MenuClock(m_menu.mnutime, this);
    connectMenu();
    setAvailableRequests({});

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    applyWindowSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::applyWindowSettings()
{
    const MainWindowSettings settings = MainWindowSettings::read(m_context.settings.record());
    m_menu.overstalltid->setChecked(settings.alwaysOnTop.value_or(false));
    m_menu.autoseekon->setChecked(settings.autoLookup.value_or(false));
    setWindowFlag(Qt::WindowStaysOnTopHint, m_menu.overstalltid->isChecked());
    m_surface->tileBackground(settings.backgroundPath);
    if (m_menu.autoeng)
        m_menu.autoeng->setChecked(settings.autoStartEnglish);
    if (m_menu.startasv)
        m_menu.startasv->setChecked(settings.autoStartSwedish);
}

void MainWindow::applyControlSettings()
{
    const MainWindowSettings settings = MainWindowSettings::read(m_context.settings.record());
    if (!settings.fontName.isEmpty())
        m_mainFont.setFamily(settings.fontName);
    if (settings.fontSize)
        m_mainFont.setPointSizeF(*settings.fontSize);
    if (settings.simplified)
        Check1->setChecked(*settings.simplified);
    applyMainFont();
    (settings.radicalsOn ? Option1_0 : Option1_1)->setChecked(true);
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
    // Read back first: the other edition may have stored its own fields since this one opened.
    SettingsRecord &record = m_context.settings.record();
    MainWindowSettings settings = MainWindowSettings::read(record);
    if (m_complete) { // closed before its controls came, they keep what was stored
        settings.simplified = Check1->isChecked();
        settings.radicalsOn = Option1_0->isChecked();
        settings.fontName = m_mainFont.family();
        settings.fontSize = m_mainFont.pointSizeF();
    }
    settings.autoLookup = m_menu.autoseekon->isChecked();
    settings.alwaysOnTop = m_menu.overstalltid->isChecked();
    if (m_menu.autoeng)
        settings.autoStartEnglish = m_menu.autoeng->isChecked();
    if (m_menu.startasv)
        settings.autoStartSwedish = m_menu.startasv->isChecked();
    settings.write(record);
    m_context.settings.save();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveMainSettings();
    event->accept();
    emit closed();
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QMainWindow::event(event);
}

void MainWindow::connectMenu()
{
    connect(m_menu.overstalltid, &QAction::triggered, this, &MainWindow::setAlwaysOnTop);
    connect(m_menu.autoseekon, &QAction::triggered, this, &MainWindow::setAutoLookup);
    connect(m_menu.bakgrund, &QAction::triggered, this, [this] {
        changeBackground(QFileDialog::getOpenFileName(this, QString(), m_context.programFolder,
                                                      tr("Image files (*.bmp *.gif *.jpg)")));
    });
    connect(m_menu.fonter, &QAction::triggered, this, [this] {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, m_mainFont, this);
        if (ok)
            changeFont(font);
    });
    connect(m_menu.asd, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(u"mailto:ordbok@brenvik.se"_s)); });
    connect(m_menu.printit, &QAction::triggered, this, &MainWindow::printWord);
    connect(m_menu.printPractice, &QAction::triggered, this, [this] {
        completeWindow();
        // What is on display: the listed characters when a list is shown, else the word, read
        // as shown when the pinyin shown is the word's.
        if (listShown()) {
            previewPracticeSheet(this, m_language, m_context.programFolder,
                                 CharacterLists::listedCharacters(TextBox1->toPlainText()),
                                 m_mainFont, QString());
            return;
        }
        const QString word = TextBox2->text();
        previewPracticeSheet(this, m_language, m_context.programFolder, word, m_mainFont,
                             word == m_shownPinyinWord ? m_shownPinyin : QString());
    });
    for (const MainMenuBar::HelpItem &item : MainMenuBar::helpItems(m_menu, m_language)) {
        const QString page = item.page;
        connect(item.action, &QAction::triggered, this,
                [this, page] { emit helpPageRequested(page); });
    }
    m_menu.rita->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    for (const MainMenuBar::RequestItem &item : MainMenuBar::requestItems(m_menu)) {
        const Request wanted = item.request;
        item.action->setProperty("request", QVariant::fromValue(wanted));
        connect(item.action, &QAction::triggered, this,
                [this, wanted] { emit windowRequested(wanted); });
    }
}

void MainWindow::setAvailableRequests(const QList<Request> &requests)
{
    for (QAction *action : menuBar()->findChildren<QAction *>()) {
        const QVariant request = action->property("request");
        if (request.isValid())
            action->setEnabled(requests.contains(request.value<Request>()));
    }
}

void MainWindow::setAlwaysOnTop(bool on)
{
    m_menu.overstalltid->setChecked(on);
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        show(); // changing the flag hides a shown window
}

void MainWindow::setAutoLookup(bool on)
{
    m_menu.autoseekon->setChecked(on);
    emit autoLookupChanged(on);
}

bool MainWindow::autoLookup() const
{
    return m_menu.autoseekon->isChecked();
}

void MainWindow::changeBackground(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    m_surface->tileBackground(chosenFile);
    SettingsRecord &record = m_context.settings.record();
    if (!record.setValue(SettingsRecord::backgroundPath, chosenFile)) {
        statusBar()->showMessage(m_texts.backgroundNotStored.arg(chosenFile));
        return;
    }
    m_context.settings.save();
}

void MainWindow::changeFont(const QFont &font)
{
    completeWindow();
    m_mainFont = font;
    applyMainFont();
    // Said now, while the user can still choose another: at close it would go unseen.
    if (SettingsRecord::layout(SettingsRecord::mainFontName).width < font.family().toUtf8().size())
        statusBar()->showMessage(m_texts.fontNotStored.arg(font.family()));
}

void MainWindow::focusEnglishSearch()
{
    completeWindow();
    Text6->setFocus();
}

void MainWindow::Timer1_Timer()
{
    Timer1->stop();
    // setText would move the caret; the box keeps its caret and selection.
    const int caret = Text12->cursorPosition();
    const int selectionStart = Text12->selectionStart();
    const int selectionLength = Text12->selectedText().size();
    const QString marked = toneNumbersToUnicode(Text12->text());
    if (marked == Text12->text())
        return;
    // Marking shortens the text ("hao3" -> "hǎo"): caret and selection kept where they still fit.
    Text12->setText(marked);
    const int size = int(marked.size());
    if (selectionStart >= 0) {
        const int start = std::min(selectionStart, size);
        Text12->setSelection(start, std::min(selectionLength, size - start));
    } else {
        Text12->setCursorPosition(std::min(caret, size));
    }
}

bool MainWindow::listShown() const
{
    // The list box and the word box take turns; hidden, not invisible, says which is shown.
    return !TextBox1->isHidden();
}

void MainWindow::printWord()
{
    completeWindow();
    if (listShown()) {
        QFont font = m_mainFont;
        font.setFamilies(QStringList{u"DejaVu Serif"_s} + m_mainFont.families());
        font.setPointSize(12);
        previewDocument(this, m_language, m_context.programFolder, TextBox1->toPlainText(), font,
                        false);
        return;
    }
    ShownWord word{TextBox2->text(), m_shownPinyin, Text11->text(), {}};
    for (const QLineEdit *key : radnr)
        word.radicalKeys << key->text();
    QFont font = m_mainFont;
    font.setFamilies(QStringList{u"DejaVu Serif"_s} + m_mainFont.families());
    font.setPointSize(18);
    previewDocument(this, m_language, m_context.programFolder,
                    wordSheetText(word, m_texts.printRadicals), font, true);
}
