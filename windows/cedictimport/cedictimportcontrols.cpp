// The Update window's controls: the instructions, Start and Cancel, the progress bar, the
// "Ready!" box and the status line beside it, and the way back to the previous dictionary.

#include "windows/cedictimport/cedictimporttexts.h"
#include "windows/cedictimport/cedictimportwindow.h"

#include "shell/named.h"
#include "shell/tiledsurface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    // The tiled picture shows through; a light panel keeps the text readable on any picture.
    label->setAutoFillBackground(true);
    label->setMargin(6);
    return label;
}

} // namespace

void CedictImportWindow::buildControls()
{
    m_surface = named(new TiledSurface(this), u"surface"_s);
    Label1 = wrappedLabel(u"Label1"_s, m_texts.label1, m_surface);
    Command1 = named(new QPushButton(m_texts.start, m_surface), u"Command1"_s);
    Command2 = named(new QPushButton(m_texts.cancel, m_surface), u"Command2"_s);
    Command2->setEnabled(false);
    ProgressBar1 = named(new QProgressBar(m_surface), u"ProgressBar1"_s);
    // Per mille of the file: a file size may not fit an int.
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Text1 = named(new QLineEdit(m_surface), u"Text1"_s);
    Text1->setReadOnly(true);
    Text1->setFont(QFont(u"Arial"_s));
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(m_texts.ready) * 2);
    Label2 = wrappedLabel(u"Label2"_s, QString(), m_surface);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2->setMinimumHeight(Label2->fontMetrics().lineSpacing() * 3 + 12);
    Command3 = named(new QPushButton(m_texts.restore, m_surface), u"Command3"_s);
    Label3 = wrappedLabel(u"Label3"_s, QString(), m_surface);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    auto *result = new QHBoxLayout;
    result->addWidget(Text1, 0, Qt::AlignTop);
    result->addWidget(Label2, 1);
    auto *column = new QVBoxLayout(m_surface);
    column->setContentsMargins(12, 12, 12, 12);
    column->addWidget(Label1);
    column->addLayout(buttons);
    column->addWidget(ProgressBar1);
    column->addLayout(result);
    auto *restore = new QHBoxLayout;
    restore->addWidget(Command3, 0, Qt::AlignTop);
    restore->addWidget(Label3, 1);
    column->addLayout(restore);
    column->addStretch(1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_surface);
}
