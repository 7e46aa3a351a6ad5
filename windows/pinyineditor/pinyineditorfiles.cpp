// The pinyin editor's text on disk: Open, Save as text and the question before it is lost.

#include "windows/pinyineditor/pinyineditorwindow.h"

#include "platform/programfiles.h"
#include "shell/unsavedchanges.h"

#include "pinyin/documentfile.h"
#include "windows/pinyineditor/pinyintextedit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString PinyinEditorWindow::saveAsText(const QString &path)
{
    const DocumentFile::Result result = DocumentFile::write(path, Text2->text());
    if (result.problem != DocumentFile::Problem::None)
        return m_texts.files.about(path, result);
    m_documentPath = path;
    Text2->document()->setModified(false);
    return {};
}

QString PinyinEditorWindow::openText(const QString &path)
{
    const DocumentFile::Result result = DocumentFile::read(path);
    if (result.problem != DocumentFile::Problem::None)
        return m_texts.files.about(path, result);
    // As written: a file is not converted, as pasted text is not.
    Text2->setPlainText(result.text);
    Text2->document()->setModified(false);
    m_documentPath = path;
    return {};
}

QString PinyinEditorWindow::dialogFolder()
{
    if (m_dialogFolder.isEmpty() || !QDir(m_dialogFolder).exists()) {
        m_dialogFolder = ProgramFiles::documentsFolder();
        if (!QDir(m_dialogFolder).exists())
            m_dialogFolder = QDir::homePath();
    }
    return m_dialogFolder;
}

bool PinyinEditorWindow::saveChosen()
{
    const QString path = askTextFileToSave(this, m_texts.saveTitle, dialogFolder(),
                                           m_texts.textFiles, m_documentPath);
    if (path.isEmpty())
        return false;
    m_dialogFolder = QFileInfo(path).absolutePath();
    if (const QString problem = saveAsText(path); !problem.isEmpty()) {
        QMessageBox::warning(this, m_texts.saveTitle, problem);
        return false;
    }
    return true;
}

void PinyinEditorWindow::openChosen()
{
    if (!saveBeforeLosing())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, m_texts.openTitle, dialogFolder(), m_texts.textFiles);
    if (path.isEmpty())
        return;
    m_dialogFolder = QFileInfo(path).absolutePath();
    if (const QString problem = openText(path); !problem.isEmpty())
        QMessageBox::warning(this, m_texts.openTitle, problem);
}

bool PinyinEditorWindow::saveBeforeLosing()
{
    return mayLetGo(this, Text2->document(), m_texts.windowTitle, m_texts.unsavedQuestion,
                    [this] { return saveChosen(); });
}
