#pragma once

// The main window's one search box: whatever the user types (Chinese in either form, pinyin
// spelt any way, English) lists matching words as they type, best first, with the true total;
// the list loads more as it scrolls. Choosing a word asks the window to show it.
//
//     auto *box = new OneSearchBox(Language::English, programFolder, parent);
//     connect(box, &OneSearchBox::wordChosen, window, [](const QString &codes, qint64 row) {...});

#include "shell/language.h"

#include <QWidget>

class LexiconResultModel;
class QLabel;
class QLineEdit;
class QListView;

class OneSearchBox : public QWidget
{
    Q_OBJECT
public:
    OneSearchBox(Language language, const QString &programFolder, QWidget *parent = nullptr);

    // The form shown first on each line; the other follows in brackets when it differs.
    void setTraditionalFirst(bool traditional);
    void focusSearch();

signals:
    // The word table row of the chosen word and its code string.
    void wordChosen(const QString &codeString, qint64 rowId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void showCount();
    void choose(int row);

    const Language m_language;
    const QString m_programFolder;
    LexiconResultModel *m_model;
    QLabel *anyLabel, *anyCount;
    QLineEdit *anySearch;
    QListView *anyResults;
};
