#pragma once

#include <QMessageBox>
#include <QTextDocument>
#include <QWidget>

#include <functional>

// Whether a document may be let go (closed, or replaced by another file): one with changes
// asks Save / Discard / Cancel, and Save runs save(), which says whether it saved.
inline bool mayLetGo(QWidget *parent, const QTextDocument *document, const QString &title,
                     const QString &question, const std::function<bool()> &save)
{
    if (!document->isModified() || document->isEmpty())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        parent, title, question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}
