// The pinyin editor's controls and menus, built and laid out.

#include "windows/pinyineditor/pinyineditorwindow.h"

#include "platform/programfonts.h"
#include "shell/named.h"
#include "shell/tiledsurface.h"
#include "windows/pinyineditor/colourmap.h"
#include "windows/pinyineditor/pinyintextedit.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

void PinyinEditorWindow::buildControls()
{
    Image15 = named(new TiledSurface(this), u"Image15"_s);
    auto *columns = new QHBoxLayout(Image15);

    Text2 = named(new PinyinTextEdit(Image15), u"Text2"_s);
    m_c1 = QFont(ProgramFonts::pinyinFamily, 18);
    Text2->setFont(m_c1);
    Text2->setContextMenuPolicy(Qt::CustomContextMenu);
    Text14 = named(new QPlainTextEdit(m_texts.help, Image15), u"Text14"_s);
    Text14->setReadOnly(true);
    Text14->setVisible(false);
    auto *texts = new QVBoxLayout;
    texts->addWidget(Text2);
    texts->addWidget(Text14);
    columns->addLayout(texts, 1);

    auto *side = new QVBoxLayout;
    Label1 = wrappedLabel(u"Label1"_s, m_texts.label1, Image15);
    text1 = named(new QLineEdit(QString::number(m_c1.pointSize()), Image15), u"text1"_s);
    text1->setToolTip(m_texts.fontSizeTip);
    text1->setMaxLength(6);
    Label2 = wrappedLabel(u"Label2"_s, m_texts.label2, Image15);
    pCol = named(new ColourMap(Image15), u"pCol"_s);
    Op = {named(new QRadioButton(m_texts.textColor, Image15), u"Op_0"_s),
          named(new QRadioButton(m_texts.backColor, Image15), u"Op_1"_s)};
    Op[0]->setChecked(true);
    Shape2 = named(new QFrame(Image15), u"Shape2"_s);
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setAutoFillBackground(true);
    Shape2->setFixedSize(48, 24);
    Check1 = named(new QCheckBox(m_texts.check1, Image15), u"Check1"_s);

    side->addWidget(Label1);
    side->addWidget(text1);
    side->addSpacing(12);
    side->addWidget(Label2);
    side->addWidget(pCol);
    side->addWidget(Op[0]);
    side->addWidget(Op[1]);
    side->addWidget(Shape2);
    side->addStretch(1);
    side->addWidget(Check1);
    auto *sideWidget = new QWidget(Image15);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(fontMetrics().averageCharWidth() * 32);
    columns->addWidget(sideWidget);
    setCentralWidget(Image15);

    Timer12 = named(new QTimer(this), u"Timer12"_s);
    Timer12->setSingleShot(true);
    Timer12->setInterval(100);

    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 28);
}

void PinyinEditorWindow::buildMenus()
{
    QMenu *printMenu = menuBar()->addMenu(m_texts.printMenu);
    printMenu->setObjectName(m_texts.printMenuName);
    m_print = printMenu->addAction(m_texts.printItem);
    m_print->setObjectName(m_texts.printItemName);
    m_print->setShortcut(QKeySequence::Print);

    QMenu *textMenu = menuBar()->addMenu(m_texts.textMenu);
    textMenu->setObjectName(u"textMenu"_s);
    m_open = textMenu->addAction(m_texts.open);
    m_open->setObjectName(u"openText"_s);
    m_open->setShortcut(QKeySequence::Open);
    m_saveAsText = textMenu->addAction(m_texts.saveAsText);
    m_saveAsText->setObjectName(u"saveAsText"_s);
    m_saveAsText->setShortcut(QKeySequence::Save);
    textMenu->addSeparator();
    m_convert = textMenu->addAction(m_texts.convertToneNumbers);
    m_convert->setObjectName(u"convertToneNumbers"_s);
    m_convert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_copyUnicode = textMenu->addAction(m_texts.copyUnicode);
    m_copyUnicode->setObjectName(u"copyUnicode"_s);
    m_copyUnicode->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}
