// The editor's controls and menus, built with their design names.

#include "windows/chineseeditor/chineseeditorwindow.h"

#include "platform/programfonts.h"
#include "shell/named.h"
#include "shell/tiledsurface.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QFont chineseFont(int pointSize)
{
    QFont font{QString(ProgramFonts::chineseAlias)};
    font.setPointSize(pointSize);
    return font;
}

QFont courierNew(int pointSize)
{
    QFont font(u"Courier New"_s);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize);
    return font;
}

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Boxes and the candidate line start white with black text until colours are chosen.
void setColours(QWidget *widget, QPalette::ColorRole back, QPalette::ColorRole text)
{
    QPalette palette = widget->palette();
    palette.setColor(back, Qt::white);
    palette.setColor(text, Qt::black);
    widget->setPalette(palette);
}

} // namespace

void ChineseEditorWindow::buildControls()
{
    Image15 = named(new TiledSurface(this), u"Image15"_s);
    auto *column = new QVBoxLayout(Image15);

    TextBox2 = named(new QLineEdit(Image15), u"TextBox2"_s);
    TextBox2->setFont(courierNew(14));
    TextBox2->setMaxLength(InputMethod::maxInputLength);
    TextBox2->setFixedWidth(TextBox2->fontMetrics().horizontalAdvance(u'm') * 16);
    TextBox2->setToolTip(
        u"Pinyin, a word or more (zhongguo, xi'an, lv for lü); then the number of the word"_s);
    setColours(TextBox2, QPalette::Base, QPalette::Text);
    column->addWidget(TextBox2);

    Label2 = named(new QLabel(Image15), u"Label2"_s);
    // The line begins with "< " on later pages: never read it as markup.
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFont(chineseFont(18));
    Label2->setAutoFillBackground(true);
    Label2->setContentsMargins(4, 2, 4, 2);
    // Room for the longest line, a later page of ten; the label's own size hint would change
    // the window's minimum, and relayout it, with every key.
    QString longest = u"< "_s;
    for (int k = 1; k <= InputMethod::pageSize; ++k)
        longest += u"%1 \u4E2D "_s.arg(k % 10);
    const QFontMetrics line = Label2->fontMetrics();
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // A page of words runs longer than one of characters: it goes on a second line, which is
    // always there so that the window does not jump.
    Label2->setWordWrap(true);
    Label2->setMinimumSize(line.horizontalAdvance(longest + u" >"_s) + 16,
                           2 * line.lineSpacing() + 8);
    setColours(Label2, QPalette::Window, QPalette::WindowText);
    Label2->installEventFilter(this);
    column->addWidget(Label2);

    // Reading and first gloss of the candidate previewed, else of the first one.
    glossLine = named(new QLabel(Image15), u"glossLine"_s);
    glossLine->setTextFormat(Qt::PlainText);
    // Unicode pinyin: the program's pinyin font draws its own code for some marked vowels.
    QFont pinyin(u"DejaVu Serif"_s);
    pinyin.setPointSize(12);
    glossLine->setFont(pinyin);
    glossLine->setAutoFillBackground(true);
    glossLine->setContentsMargins(4, 0, 4, 0);
    glossLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    glossLine->setMinimumHeight(glossLine->fontMetrics().height() + 4);
    setColours(glossLine, QPalette::Window, QPalette::WindowText);
    column->addWidget(glossLine);

    TextBox3 = named(new QPlainTextEdit(Image15), u"TextBox3"_s);
    TextBox3->setFont(chineseFont(18));
    setColours(TextBox3, QPalette::Base, QPalette::Text);
    column->addWidget(TextBox3, 1);

    column->addWidget(buildPreview(Image15));
    setCentralWidget(Image15);

    Timer1 = named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(5);
    buildMenus();
    resize(minimumSizeHint().expandedTo(QSize(720, 520)));
}

QWidget *ChineseEditorWindow::buildPreview(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Option1.resize(InputMethod::optionCount);
    // In the order of the candidate line: 1 to 9, then 0 for the tenth.
    for (int k = 1; k <= InputMethod::optionCount; ++k) {
        const int n = k % 10;
        auto *option = named(new QRadioButton(QString::number(n), row), u"Option1_%1"_s.arg(n));
        // Each is switched on and off on its own; a shown page switches them all off.
        option->setAutoExclusive(false);
        Option1[n] = option;
        layout->addWidget(option);
    }
    layout->addStretch(1);

    b1 = named(new QPushButton(row), u"b1"_s);
    b1->setFont(chineseFont(40));
    b1->setFixedSize(b1->fontMetrics().height() + 16, b1->fontMetrics().height() + 16);
    b1->setFocusPolicy(Qt::NoFocus);
    setColours(b1, QPalette::Button, QPalette::ButtonText);
    layout->addWidget(b1);

    TextBox1 = named(new QLineEdit(row), u"TextBox1"_s);
    TextBox1->setFont(courierNew(18));
    TextBox1->setFixedWidth(TextBox1->fontMetrics().height() * 3);
    TextBox1->setToolTip(u"The previewed character, to copy"_s);
    setColours(TextBox1, QPalette::Base, QPalette::Text);
    layout->addWidget(TextBox1);
    return row;
}

void ChineseEditorWindow::buildMenus()
{
    const auto menu = [this](const QString &name, const QString &title) {
        QMenu *m = menuBar()->addMenu(title);
        m->setObjectName(name);
        return m;
    };
    const auto item = [](QMenu *m, const QString &name, const QString &caption) {
        QAction *action = m->addAction(caption);
        action->setObjectName(name);
        return action;
    };

    QMenu *p = menu(u"p"_s, m_texts.p);
    m_menu.Open = item(p, u"Open"_s, m_texts.open);
    m_menu.save = item(p, u"save"_s, m_texts.save);
    m_menu.print = item(p, u"print"_s, m_texts.print);
    m_menu.practice = item(p, u"practice"_s, m_texts.practice);
    m_menu.Open->setShortcut(QKeySequence::Open);
    m_menu.save->setShortcut(QKeySequence::Save);
    m_menu.print->setShortcut(QKeySequence::Print);

    m_menu.selall = item(menu(u"ed"_s, m_texts.ed), u"selall"_s, m_texts.selall);
    m_menu.font = item(menu(u"f"_s, m_texts.f), u"font"_s, m_texts.font);

    QMenu *fa = menu(u"fa"_s, m_texts.fa);
    m_menu.farg = item(fa, u"farg"_s, m_texts.farg);
    m_menu.tfarg = item(fa, u"tfarg"_s, m_texts.tfarg);
    m_menu.charcolor = item(fa, u"charcolor"_s, m_texts.charcolor);
    m_menu.txtc = item(fa, u"txtc"_s, m_texts.txtc);

    QMenu *tradsimp = menu(u"tradsimp"_s, m_texts.tradsimp);
    m_menu.wer = item(tradsimp, u"wer"_s, m_texts.wer);
    m_menu.sdf = item(tradsimp, u"sdf"_s, m_texts.sdf);
    m_menu.wer->setCheckable(true);
    m_menu.sdf->setCheckable(true);

    m_menu.elp = item(menu(u"hg"_s, m_texts.hg), u"elp"_s, m_texts.elp);
    m_menu.elp->setShortcut(QKeySequence::HelpContents);
}

void ChineseEditorWindow::setBackColour(const QColor &colour)
{
    for (QWidget *box : {static_cast<QWidget *>(TextBox3), static_cast<QWidget *>(TextBox2),
                         static_cast<QWidget *>(TextBox1)})
        setRole(box, QPalette::Base, colour);
    setRole(b1, QPalette::Button, colour);
}

void ChineseEditorWindow::setTextColour(const QColor &colour)
{
    for (QWidget *box : {static_cast<QWidget *>(TextBox3), static_cast<QWidget *>(TextBox1),
                         static_cast<QWidget *>(TextBox2)})
        setRole(box, QPalette::Text, colour);
}

void ChineseEditorWindow::setLineBackColour(const QColor &colour)
{
    setRole(Label2, QPalette::Window, colour);
}

void ChineseEditorWindow::setLineTextColour(const QColor &colour)
{
    setRole(Label2, QPalette::WindowText, colour);
}
