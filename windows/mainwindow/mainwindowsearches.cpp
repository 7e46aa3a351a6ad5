// The main window's searches and what they show: the word, its radicals, the lists.

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

Q_DECLARE_LOGGING_CATEGORY(lcMainWindow)

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
    m_shownPinyinWord = view.characters;
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
    completeWindow();
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
    completeWindow();
    Text6->clear();
    Text8->clear();
    m_search.keyTyped();
    showSearchResult(CharacterEntry::lookUp(m_tables, character, displayOptions()));
}

QString MainWindow::shownCharacters() const
{
    return m_complete ? TextBox2->text() : QString();
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
        m_shownPinyinWord = list.characters;
    }
    Timer1->start();
}
