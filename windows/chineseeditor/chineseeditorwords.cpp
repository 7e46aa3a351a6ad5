// The editor's words: the word index built off the window thread, and the candidate line's
// tooltips.

#include "windows/chineseeditor/chineseeditorwindow.h"

#include "dictionary/frequencies.h"
#include "dictionary/wordindex.h"
#include "shell/programcontext.h"

#include <QHelpEvent>
#include <QLabel>
#include <QTextLayout>
#include <QThread>
#include <QToolTip>

void ChineseEditorWindow::loadWords()
{
    // Reading the whole word table takes longer than a keystroke may: until it is in, the line
    // offers the characters alone.
    const QString folder = m_context.programFolder;
    auto built = std::make_shared<std::shared_ptr<const WordIndex>>();
    m_wordLoader = QThread::create(
        [folder, built] { *built = WordIndex::build(folder, Frequencies(folder)); });
    m_wordLoader->setParent(this);
    connect(m_wordLoader, &QThread::finished, this, [this, built] { wordsLoaded(*built); });
    m_wordLoader->start(QThread::LowPriority);
}

void ChineseEditorWindow::wordsLoaded(std::shared_ptr<const WordIndex> words)
{
    m_words = std::move(words);
    m_input.setWordSource(m_words.get());
    // What was typed meanwhile gets its words.
    if (!m_input.input().isEmpty()) {
        m_input.tableChanged();
        showInputState();
    }
}

bool ChineseEditorWindow::showCandidateTip(QEvent *event)
{
    const auto *help = static_cast<QHelpEvent *>(event);
    // The line laid out as the label lays it out: wrapped to its width, centred upright.
    const QRect area = Label2->contentsRect();
    QTextLayout layout(Label2->text(), Label2->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const QPointF at = help->pos() - area.topLeft() - QPointF(0, (area.height() - height) / 2);
    int position = -1;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (at.y() >= line.y() && at.y() < line.y() + line.height() && at.x() >= 0 &&
            at.x() < line.naturalTextWidth())
            position = line.xToCursor(at.x(), QTextLine::CursorOnCharacter);
    }
    const QString tip = m_input.describe(m_input.candidateAt(position));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, Label2);
    return true;
}
