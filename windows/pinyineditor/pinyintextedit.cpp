#include "windows/pinyineditor/pinyintextedit.h"

#include "pinyin/tonemarks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The box's own line breaks as "\n"; everything else, no-break spaces included, as it is.
QString plainText(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, u'\n');
    raw.replace(QChar::LineSeparator, u'\n');
    return raw;
}

} // namespace

PinyinTextEdit::PinyinTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

QString PinyinTextEdit::text() const
{
    return plainText(document()->toRawText());
}

QString PinyinTextEdit::chosenText() const
{
    const QTextCursor cursor = textCursor();
    return cursor.hasSelection() ? plainText(cursor.selectedText()) : text();
}

void PinyinTextEdit::keyPressEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyPressEvent(event);
    // Done before the next key is read, so fast typing marks as slow typing does.
    const QString typed = event->text();
    if (event->isAccepted() && typed.size() == 1 && typed.at(0) >= u'0' && typed.at(0) <= u'5' &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        markSyllableBeforeCaret();
}

void PinyinTextEdit::markSyllableBeforeCaret()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return;
    // A syllable never spans a line: the caret's line up to the digit is enough.
    const QTextBlock block = cursor.block();
    const qsizetype digitAt = cursor.positionInBlock() - 1;
    const ToneMarkEdit edit = toneMarkEditAt(block.text(), digitAt);
    if (edit.isNull())
        return;
    cursor.beginEditBlock(); // a step of its own: Ctrl+Z gives back the digit as typed
    cursor.setPosition(block.position() + int(edit.from));
    cursor.setPosition(block.position() + int(edit.from + edit.length), QTextCursor::KeepAnchor);
    cursor.insertText(edit.replacement);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

bool PinyinTextEdit::convertToneNumbers()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::Document);
    const QString chosen = plainText(cursor.selectedText());
    const QString converted = toneNumbersToUnicode(chosen);
    if (converted == chosen)
        return false;
    const bool wholeText = !textCursor().hasSelection();
    const int start = cursor.selectionStart();
    cursor.beginEditBlock();
    cursor.insertText(converted);
    cursor.endEditBlock();
    if (!wholeText) {
        cursor.setPosition(start);
        cursor.setPosition(start + int(converted.size()), QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
    return true;
}

QMimeData *PinyinTextEdit::createMimeDataFromSelection() const
{
    // Plain text only: other programs get the letters, not a copy of this box's styling.
    auto *mime = new QMimeData;
    mime->setText(plainText(textCursor().selectedText()));
    return mime;
}
