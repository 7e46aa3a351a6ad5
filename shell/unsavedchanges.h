#pragma once

#include <QFileDialog>
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

// Where to save a document as text: a .txt file, the document's own path offered first. Empty
// when the user cancels.
inline QString askTextFileToSave(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter, const QString &documentPath)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!documentPath.isEmpty())
        dialog.selectFile(documentPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
