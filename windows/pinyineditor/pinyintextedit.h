#pragma once

#include <QPlainTextEdit>

// Text2: plain Unicode text where a tone digit typed right after a pinyin syllable marks the
// syllable at once ("hao" + "3" -> "hǎo"), by the same rule as everywhere else in the program.
// Pasted and dropped text is inserted exactly as it is; copy, cut and drag give plain text.
class PinyinTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit PinyinTextEdit(QWidget *parent = nullptr);

    // The whole text, line breaks as "\n", every other character as it is.
    QString text() const;
    // The selection, or the whole text when nothing is selected.
    QString chosenText() const;

    // Marks every tone-numbered syllable of the selection, or of the whole text when nothing is
    // selected, as one step to undo. Unicode pinyin already there stays. Returns whether the
    // text changed.
    bool convertToneNumbers();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void markSyllableBeforeCaret();
};
