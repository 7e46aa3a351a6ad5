// The main window's controls: built, laid out and bound to their record sources.

#include "windows/mainwindow/mainwindow.h"

#include "pinyin/tonemarks.h"
#include "shell/fieldbinder.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"
#include "windows/mainwindow/mainwindowcontrols.h"
#include "windows/mainwindow/onesearchbox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Controls;

void MainWindow::buildFirstFrame()
{
    m_surface = new TiledSurface(this);
    m_surface->setObjectName(u"surface"_s);
    // The one box spans the window, above the searches and the record panel: it stays where
    // it is when they come.
    auto *rows = new QVBoxLayout(m_surface);
    m_oneSearch = new OneSearchBox(m_language, m_context.programFolder, this);
    rows->addWidget(m_oneSearch);
    m_columns = new QHBoxLayout;
    rows->addLayout(m_columns, 1);
    m_mainColumn = new QVBoxLayout;
    m_columns->addLayout(m_mainColumn, 3);
    setCentralWidget(m_surface);
    // Room for a long word, its radicals and a list beside the record panel, at any screen
    // scale: the size of the whole window, so that it does not grow when the rest comes.
    resize(fontMetrics().averageCharWidth() * 212, fontMetrics().height() * 40);
}

void MainWindow::completeWindow()
{
    if (m_complete)
        return;
    m_complete = true;
    const QList<QWidget *> parts = {buildSearchArea(), buildDisplayArea(), buildRadicalSlots(),
                                    buildListArea(), buildDetails()};
    m_mainColumn->addWidget(parts[0]);
    m_mainColumn->addWidget(parts[1], 1);
    m_mainColumn->addWidget(parts[2]);
    m_mainColumn->addWidget(parts[3]);
    m_columns->addWidget(parts[4], 1);
    bindBoxes();
    connectSearches();
    applyControlSettings();
    if (isVisible()) { // on screen at once, in one frame, ahead of the work that follows
        for (QWidget *part : parts)
            part->show();
        m_surface->layout()->activate();
        repaint();
    }
}

QWidget *MainWindow::buildSearchArea()
{
    auto *area = new QWidget(this);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    Label1 = named(new QLabel(m_texts.label1, area), u"Label1"_s);
    Label2 = named(new QLabel(m_texts.label2, area), u"Label2"_s);
    Text6 = box(u"Text6"_s, area, false);
    Text8 = box(u"Text8"_s, area, false);
    Command2 = button(u"Command2"_s, m_texts.searchMore, area);
    Command5 = button(u"Command5"_s, m_texts.exactSpelling, area);
    Command4 = button(u"Command4"_s, m_texts.searchMore, area);
    Command6 = button(u"Command6"_s, m_texts.exactSpelling, area);
    Label1->setBuddy(Text6);
    Label2->setBuddy(Text8);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text6, 0, 1);
    grid->addWidget(Command2, 0, 2);
    grid->addWidget(Command5, 0, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text8, 1, 1);
    grid->addWidget(Command4, 1, 2);
    grid->addWidget(Command6, 1, 3);
    grid->setColumnStretch(1, 1);
    return area;
}

QWidget *MainWindow::buildDisplayArea()
{
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    TextBox2 = box(u"TextBox2"_s, area);
    TextBox2->setMinimumHeight(TextBox2->sizeHint().height() * 2);
    TextBox1 = named(new QPlainTextEdit(area), u"TextBox1"_s);
    TextBox1->setReadOnly(true);
    TextBox1->setVisible(false);
    Text12 = box(u"Text12"_s, area);
    Text12->setFont(QFont(pinyinFontFamily, 20));
    // The reading is Unicode pinyin: Ctrl+C gives it as shown, and so does this item.
    Text12->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copyUnicode =
        named(new QAction(tr("Copy as Unicode pinyin"), Text12), u"copyUnicodePinyin"_s);
    Text12->addAction(copyUnicode);
    connect(copyUnicode, &QAction::triggered, this, [this] {
        const QString text = Text12->hasSelectedText() ? Text12->selectedText() : Text12->text();
        QGuiApplication::clipboard()->setText(text);
    });
    Text11 = box(u"Text11"_s, area);
    if (m_language == Language::Swedish) {
        Text19 = box(u"Text19"_s, area);
        Text19->setVisible(false);
        connect(Text11, &QLineEdit::textChanged, Text19, &QLineEdit::setText);
    }

    Image1 = named(new QLabel(area), u"Image1"_s); // the blank picture
    Image1->setVisible(false);
    Image3 = named(new QLabel(area), u"Image3"_s);
    Image3->setVisible(false);

    layout->addWidget(TextBox2);
    // The list takes the room when shown; otherwise the boxes stay together at the top.
    layout->addWidget(TextBox1, 100);
    layout->addWidget(Text12);
    layout->addWidget(Text11);
    layout->addWidget(Image3);
    layout->addStretch(1);

    auto *options = new QHBoxLayout;
    Check1 = named(new QCheckBox(m_texts.check1, area), u"Check1"_s);
    Option1_0 = named(new QRadioButton(m_texts.radicals, area), u"Option1_0"_s);
    Option1_1 = named(new QRadioButton(m_texts.noRadicals, area), u"Option1_1"_s);
    Option1_0->setChecked(true);
    Command1 = button(u"Command1"_s, m_texts.command1, area);
    Command3 = button(u"Command3"_s, m_texts.command3, area);
    for (QWidget *w : std::initializer_list<QWidget *>{Check1, Option1_0, Option1_1})
        options->addWidget(w);
    options->addStretch();
    options->addWidget(Command1);
    options->addWidget(Command3);
    layout->addLayout(options);
    return area;
}

QWidget *MainWindow::buildRadicalSlots()
{
    auto *area = new QWidget(this);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < radicalSlotCount; ++i) {
        auto *picture = named(new QLabel(area), u"rad1_%1"_s.arg(i));
        picture->setFixedSize(36, 36);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        rad1 << picture;
        auto *key = box(u"radnr_%1"_s.arg(i), area);
        key->setAlignment(Qt::AlignCenter);
        key->setMaximumWidth(64);
        radnr << key;
        grid->addWidget(picture, 0, i, Qt::AlignHCenter);
        grid->addWidget(key, 1, i);
    }
    return area;
}

QWidget *MainWindow::buildListArea()
{
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *radicalRow = new QHBoxLayout;
    Label5 = named(new QLabel(m_texts.label5, area), u"Label5"_s);
    Text21 = box(u"Text21"_s, area, false);
    Text21->setToolTip(m_texts.text21Tip);
    Command9 = button(u"Command9"_s, m_texts.command9, area);
    Command9->setToolTip(m_texts.command9Tip);
    Command11 = button(u"Command11"_s, m_texts.command11, area);
    Command11->setToolTip(m_texts.command11Tip);
    Command17 = button(u"Command17"_s, m_texts.command17, area);
    Command17->setToolTip(m_texts.command17Tip);
    Label5->setBuddy(Text21);
    // The buttons get a row of their own, so the count message written back into the box fits.
    radicalRow->addWidget(Label5);
    radicalRow->addWidget(Text21, 1);
    layout->addLayout(radicalRow);
    auto *radicalButtons = new QHBoxLayout;
    radicalButtons->addWidget(Command9);
    radicalButtons->addWidget(Command11);
    radicalButtons->addWidget(Command17);
    radicalButtons->addStretch();
    layout->addLayout(radicalButtons);
    Label6 = named(new QLabel(m_texts.label6, area), u"Label6"_s);
    layout->addWidget(Label6);

    auto *readingRow = new QHBoxLayout;
    translateAllLabel = named(new QLabel(m_texts.translateAllTo, area), u"Label3"_s);
    command10 = button(u"command10"_s, m_texts.mandarin, area);
    Command12 = button(u"Command12"_s, m_texts.cantonese, area);
    command13 = button(u"command13"_s, m_texts.japaneseKun, area);
    Command15 = button(u"Command15"_s, m_texts.japaneseOn, area);
    Command14 = button(u"Command14"_s, m_texts.korean, area);
    readingRow->addWidget(translateAllLabel);
    for (QWidget *w :
         std::initializer_list<QWidget *>{command10, Command12, command13, Command15, Command14})
        readingRow->addWidget(w);
    readingRow->addStretch();
    layout->addLayout(readingRow);
    return area;
}

QScrollArea *MainWindow::buildDetails()
{
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *panel = new QWidget(scroll);
    auto *layout = new QVBoxLayout(panel);

    auto *word = new QGroupBox(m_texts.word, panel);
    auto *wordForm = new QFormLayout(word);
    Text2 = box(u"Text2"_s, word);
    Text3 = box(u"Text3"_s, word);
    Text9 = box(u"Text9"_s, word);
    Text20 = box(u"Text20"_s, word);
    Text25 = box(u"Text25"_s, word);
    Text25->setVisible(false);
    Unicode = box(u"Unicode"_s, word);
    Unicode->setVisible(false);
    Text10 = boxes(u"Text10"_s, 10, word);
    for (QLineEdit *hidden : std::as_const(Text10))
        hidden->setVisible(false);
    wordForm->addRow(m_texts.codeString, Text2);
    wordForm->addRow(m_texts.wordPinyin, Text3);
    wordForm->addRow(m_texts.translation, Text9);
    wordForm->addRow(m_texts.shownCodes, Text20);
    layout->addWidget(word);

    auto *codes = new QGroupBox(m_texts.codeTable, panel);
    auto *codeForm = new QFormLayout(codes);
    Text4 = box(u"Text4"_s, codes);
    Text5 = box(u"Text5"_s, codes);
    codeForm->addRow(m_texts.unicodeCode, Text4);
    codeForm->addRow(m_texts.big5Code, Text5);
    layout->addWidget(codes);

    auto *character = new QGroupBox(m_texts.character, panel);
    auto *charForm = new QFormLayout(character);
    kinarad = box(u"kinarad"_s, character);
    text1 = box(u"text1"_s, character);
    Text24 = box(u"Text24"_s, character);
    Text24->setVisible(false);
    radikalnummer = box(u"radikalnummer"_s, character);
    pinyin = box(u"pinyin"_s, character);
    meaning = {};
    for (int i = 1; i <= 10; ++i)
        meaning << box(CharacterField::meaning(i), character);
    kanton = boxes(u"kanton"_s, 3, character);
    japkun1 = boxes(u"japkun1"_s, 3, character);
    japon = boxes(u"japon"_s, 3, character);
    Koreanska = boxes(u"Koreanska"_s, 3, character);
    Text22 = box(u"Text22"_s, character);
    Text23 = box(u"Text23"_s, character);
    charForm->addRow(m_texts.characterCode, kinarad);
    charForm->addRow(m_texts.simplifiedForm, text1);
    charForm->addRow(m_texts.radicalKey, radikalnummer);
    charForm->addRow(m_texts.reading, pinyin);
    for (int i = 0; i < 10; ++i) {
        if (i < 3)
            charForm->addRow(i == 0 ? m_texts.meanings : QString(), meaning[i]);
        else
            meaning[i]->setVisible(false);
    }
    const auto addRow = [&](const QString &label, const QVector<QLineEdit *> &row) {
        auto *line = new QHBoxLayout;
        for (QLineEdit *edit : row)
            line->addWidget(edit);
        charForm->addRow(label, line);
    };
    addRow(m_texts.cantonese, kanton);
    addRow(m_texts.kun, japkun1);
    addRow(m_texts.on, japon);
    addRow(m_texts.korean, Koreanska);
    auto *simplifiedCursor = new QHBoxLayout;
    simplifiedCursor->addWidget(Text22);
    simplifiedCursor->addWidget(Text23);
    charForm->addRow(m_texts.simplifiedRecord, simplifiedCursor);
    layout->addWidget(character);
    layout->addStretch();
    scroll->setWidget(panel);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(panel->sizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    return scroll;
}

void MainWindow::bindBoxes()
{
    RecordSource *words = &m_tables.words;
    RecordSource *codes = &m_tables.codes;
    RecordSource *characters = &m_tables.characters;
    m_binder->bind(Text2, words, WordField::teckenkoder);
    m_binder->bind(Text3, words, WordField::pinyin, toneNumbersToUnicode);
    m_binder->bind(Text9, words, WordField::translation(1));
    for (int i = 0; i < 10; ++i)
        m_binder->bind(Text10[i], words, WordField::translation(i + 1));
    m_binder->bind(Text4, codes, CodeField::unicode);
    m_binder->bind(Text5, codes, CodeField::big5);
    m_binder->bind(kinarad, characters, CharacterField::teckenkod);
    m_binder->bind(text1, characters, CharacterField::forenklaform);
    m_binder->bind(Text24, characters, CharacterField::forenklaform);
    m_binder->bind(radikalnummer, characters, CharacterField::kinesisktradikal);
    m_binder->bind(pinyin, characters, CharacterField::pinyin1, toneNumbersToUnicode);
    for (int i = 0; i < 10; ++i)
        m_binder->bind(meaning[i], characters, CharacterField::meaning(i + 1));
    for (int i = 0; i < 3; ++i) {
        m_binder->bind(kanton[i], characters, CharacterField::kantonesiska(i + 1));
        m_binder->bind(japkun1[i], characters, CharacterField::japanskkun(i + 1));
        // Each on-reading box shows its own reading.
        m_binder->bind(japon[i], characters, CharacterField::japanskon(i + 1));
        m_binder->bind(Koreanska[i], characters, CharacterField::koreanska(i + 1));
    }
    m_binder->bind(Text22, &m_tables.characters2, CharacterField::teckenkod);
    m_binder->bind(Text23, &m_tables.characters2, CharacterField::kinesisktradikal);
    connect(Text3, &QLineEdit::textChanged, Text25, &QLineEdit::setText);
}
