#include "windows/handwriting/handwritingwindow.h"

#include "platform/programfonts.h"
#include "shell/named.h"
#include "windows/handwriting/drawingpad.h"
#include "windows/handwriting/strokeplayer.h"
#include "windows/handwriting/strokestrip.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void HandwritingWindow::buildControls()
{
    tabs = named(new QTabWidget(this), u"tabs"_s);
    tabs->addTab(buildDrawPage(), QString());
    tabs->addTab(buildStrokesPage(), QString());
    tabs->addTab(buildPractisePage(), QString());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(760, 560);
}

QWidget *HandwritingWindow::buildDrawPage()
{
    auto *page = new QWidget;
    pad = named(new DrawingPad(page), u"pad"_s);
    drawStatus = named(new QLabel(page), u"drawStatus"_s);
    drawStatus->setWordWrap(true);

    auto *grid = new QGridLayout;
    QFont large(ProgramFonts::chineseAlias);
    large.setPixelSize(44);
    for (int i = 0; i < candidateCount; ++i) {
        auto *button = named(new QPushButton(page), u"candidate%1"_s.arg(i));
        button->setFont(large);
        button->setMinimumSize(72, 72);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, i] { candidateClicked(i); });
        grid->addWidget(button, i / 2, i % 2);
        candidate.append(button);
    }
    undoStroke = named(new QPushButton(page), u"undoStroke"_s);
    clearInk = named(new QPushButton(page), u"clearInk"_s);
    showStrokesButton = named(new QPushButton(page), u"showStrokesButton"_s);
    practiseButton = named(new QPushButton(page), u"practiseButton"_s);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {undoStroke, clearInk, showStrokesButton, practiseButton})
        buttons->addWidget(button);
    auto *left = new QVBoxLayout;
    left->addWidget(pad, 1);
    left->addWidget(drawStatus);
    left->addLayout(buttons);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 3);
    layout->addLayout(grid, 2);
    return page;
}

QWidget *HandwritingWindow::buildStrokesPage()
{
    auto *page = new QWidget;
    characterLabel = new QLabel(page);
    characterBox = named(new QLineEdit(page), u"characterBox"_s);
    QFont chinese(ProgramFonts::chineseAlias);
    chinese.setPixelSize(24);
    characterBox->setFont(chinese);
    characterBox->setMaximumWidth(90);
    player = named(new StrokePlayer(page), u"player"_s);
    replay = named(new QPushButton(page), u"replay"_s);
    step = named(new QPushButton(page), u"step"_s);
    speedLabel = new QLabel(page);
    speed = named(new QSlider(Qt::Horizontal, page), u"speed"_s);
    speed->setRange(-2, 2); // 2^value times the normal speed
    speed->setValue(0);
    speed->setPageStep(1);
    speed->setTickPosition(QSlider::TicksBelow);
    strip = named(new StrokeStrip(page), u"strip"_s);
    auto *stripArea = new QScrollArea(page);
    stripArea->setWidget(strip);
    stripArea->setWidgetResizable(true);
    stripArea->setMinimumHeight(150); // two rows of steps

    auto *controls = new QHBoxLayout;
    controls->addWidget(characterLabel);
    controls->addWidget(characterBox);
    controls->addWidget(replay);
    controls->addWidget(step);
    controls->addWidget(speedLabel);
    controls->addWidget(speed);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(player, 3);
    layout->addWidget(stripArea, 1);
    return page;
}

QWidget *HandwritingWindow::buildPractisePage()
{
    auto *page = new QWidget;
    practicePad = named(new DrawingPad(page), u"practicePad"_s);
    practiceMessage = named(new QLabel(page), u"practiceMessage"_s);
    practiceMessage->setWordWrap(true);
    restartPractice = named(new QPushButton(page), u"restartPractice"_s);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(practiceMessage, 1);
    bottom->addWidget(restartPractice);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(practicePad, 1);
    layout->addLayout(bottom);
    return page;
}

void HandwritingWindow::applyTexts()
{
    setWindowTitle(m_texts->windowTitle);
    tabs->setTabText(0, m_texts->drawMenu);
    tabs->setTabText(1, m_texts->showStrokesMenu);
    tabs->setTabText(2, m_texts->practise);
    undoStroke->setText(m_texts->undoStroke);
    clearInk->setText(m_texts->clear);
    showStrokesButton->setText(m_texts->showStrokes);
    practiseButton->setText(m_texts->practise);
    characterLabel->setText(m_texts->character);
    replay->setText(m_texts->replay);
    step->setText(m_texts->step);
    speedLabel->setText(m_texts->speed);
    restartPractice->setText(m_texts->practiseAgain);
}
