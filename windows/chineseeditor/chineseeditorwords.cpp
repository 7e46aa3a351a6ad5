// The editor's words: the word index built off the window thread, and the candidate line's
// tooltips.

#include "windows/chineseeditor/chineseeditorwindow.h"

#include "dictionary/frequencies.h"
#include "dictionary/wordindex.h"
#include "shell/programcontext.h"

#include <QHelpEvent>
#include <QLabel>
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
    // The line is plain text from the left of its contents: the character under the pointer
    // is the first whose right edge lies past it.
    const QString line = Label2->text();
    const QFontMetrics metrics = Label2->fontMetrics();
    const int x = help->pos().x() - Label2->contentsRect().left();
    int position = -1;
    for (qsizetype i = 0; i < line.size() && x >= 0; ++i) {
        if (metrics.horizontalAdvance(line.left(i + 1)) > x) {
            position = int(i);
            break;
        }
    }
    const QString tip = m_input.describe(m_input.candidateAt(position));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, Label2);
    return true;
}
