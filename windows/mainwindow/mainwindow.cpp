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
    buildControls();
    m_clock = new MenuClock(m_menu.mnutime, this);
    connectMenu();
    connectSearches();
    setAvailableRequests({});

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    applySettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::applySettings()
{
    const MainWindowSettings settings = MainWindowSettings::read(m_context.settings.record());
    if (!settings.fontName.isEmpty())
        m_mainFont.setFamily(settings.fontName);
    if (settings.fontSize)
        m_mainFont.setPointSizeF(*settings.fontSize);
    if (settings.simplified)
        Check1->setChecked(*settings.simplified);
    applyMainFont();
    m_menu.overstalltid->setChecked(settings.alwaysOnTop.value_or(false));
    m_menu.autoseekon->setChecked(settings.autoLookup.value_or(false));
    (settings.radicalsOn ? Option1_0 : Option1_1)->setChecked(true);
    setWindowFlag(Qt::WindowStaysOnTopHint, m_menu.overstalltid->isChecked());
    m_surface->tileBackground(settings.backgroundPath);
    if (m_menu.autoeng)
        m_menu.autoeng->setChecked(settings.autoStartEnglish);
    if (m_menu.startasv)
        m_menu.startasv->setChecked(settings.autoStartSwedish);
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
    settings.simplified = Check1->isChecked();
    settings.radicalsOn = Option1_0->isChecked();
    settings.fontName = m_mainFont.family();
    settings.fontSize = m_mainFont.pointSizeF();
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
        previewPracticeSheet(this, m_language, m_context.programFolder, TextBox2->text(),
                             m_mainFont);
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
    m_mainFont = font;
    applyMainFont();
    // Said now, while the user can still choose another: at close it would go unseen.
    if (SettingsRecord::layout(SettingsRecord::mainFontName).width < font.family().toUtf8().size())
        statusBar()->showMessage(m_texts.fontNotStored.arg(font.family()));
}

void MainWindow::focusEnglishSearch()
{
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

    connect(Command1, &QPushButton::clicked, this,
            [this] { showWordView(showWordTraditional(m_tables, displayOptions().radicals)); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { showWordView(showWordSimplified(m_tables, displayOptions().radicals)); });

    connect(Command9, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byRadicalKey); });
    connect(Command11, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byRadicalNumber); });
    connect(Command17, &QPushButton::clicked, this,
            [this] { radicalSearch(&CharacterLists::byStrokes); });

    connect(command10, &QPushButton::clicked, this, [this] { showReadingList(Reading::Mandarin); });
    connect(Command12, &QPushButton::clicked, this,
            [this] { showReadingList(Reading::Cantonese); });
    connect(command13, &QPushButton::clicked, this,
            [this] { showReadingList(Reading::JapaneseKun); });
    connect(Command15, &QPushButton::clicked, this,
            [this] { showReadingList(Reading::JapaneseOn); });
    connect(Command14, &QPushButton::clicked, this, [this] { showReadingList(Reading::Korean); });

    for (QLineEdit *entry : {Text6, Text8, Text21, Text20})
        entry->installEventFilter(this);
    connectOneSearch();
}

void MainWindow::connectOneSearch()
{
    m_oneSearch->setTraditionalFirst(!Check1->isChecked());
    connect(Check1, &QCheckBox::toggled, m_oneSearch,
            [this](bool simplified) { m_oneSearch->setTraditionalFirst(!simplified); });
    connect(m_oneSearch, &OneSearchBox::wordChosen, this,
            [this](const QString &codeString, qint64 rowId) {
                showSearchResult(m_search.entry(codeString, rowId, displayOptions()));
            });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *entry = qobject_cast<QLineEdit *>(watched);
    if (!entry)
        return QMainWindow::eventFilter(watched, event);
    // Any key in a search box, an arrow or End too, starts the next exact search afresh.
    if (event->type() == QEvent::KeyPress && (entry == Text6 || entry == Text8))
        m_search.keyTyped();
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
    QPixmap picture(QDir(m_context.programFolder).filePath(pictureFile));
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
    m_shownPinyin = view.pinyin;
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
    CharacterList list = search(m_tables.characters, Text21->text());
    if (!list.ran)
        return;
    if (!list.pictureFile.isEmpty())
        setRadicalPicture(0, list.pictureFile);
    showCharacterList(list);
    Text21->setText(MainWindowTexts::countMessage(list));
}

void MainWindow::listRadical(int radical)
{
    CharacterList list = CharacterLists::radikalLista(m_tables.characters, radical);
    showCharacterList(list);
}

void MainWindow::showCharacterList(CharacterList &list)
{
    CharacterLists::commonFirst(list, m_frequencies);
    showList(m_texts.listedHeader.arg(list.listed.size()) + u"\r\n"_s + list.text);
}

void MainWindow::showCharacter(const QString &character)
{
    Text6->clear();
    Text8->clear();
    m_search.keyTyped();
    showSearchResult(CharacterEntry::lookUp(m_tables, character, displayOptions()));
}

QString MainWindow::shownCharacters() const
{
    return TextBox2->text();
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
    if (list.pinyin) {
        Text12->setText(*list.pinyin);
        m_shownPinyin = *list.pinyin;
    }
    Timer1->start();
}

void MainWindow::printWord()
{
    ShownWord word{TextBox2->text(), m_shownPinyin, Text11->text(), {}};
    for (const QLineEdit *key : radnr)
        word.radicalKeys << key->text();
    QFont font = m_mainFont;
    font.setFamilies(QStringList{u"DejaVu Serif"_s} + m_mainFont.families());
    font.setPointSize(18);
    previewDocument(this, m_language, m_context.programFolder,
                    wordSheetText(word, m_texts.printRadicals), font, true);
}
