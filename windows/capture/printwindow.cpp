#include "windows/capture/printwindow.h"

#include "platform/programfiles.h"
#include "shell/capturefiles.h"
#include "shell/tiledsurface.h"
#include "windows/capture/thumbnailview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;

PrintWindow::PrintWindow(CaptureFiles &files, Language language, QWidget *parent)
    : QMainWindow(parent)
    , m_files(files)
    , m_texts(PrintWindowTexts::forLanguage(language))
{
    buildControls();

    const auto chooseFolder = [this](const QModelIndex &index) {
        setSourceFolder(m_folders->filePath(index));
    };
    connect(Dir1, &QTreeView::clicked, this, chooseFolder);
    connect(Dir1, &QTreeView::activated, this, chooseFolder);
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, &PrintWindow::folderRead);
    connect(flbSource, &QListWidget::currentRowChanged, this, [this](int row) {
        if (const QListWidgetItem *item = flbSource->item(row))
            Thumbnail1->selectFile(QDir(m_sourceFolder).filePath(item->text()));
    });
}

// Every opening after a close is a fresh load: the background, temp/ in the file list and
// the thumbnails, the capture numbering back at 1.
void PrintWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_loaded && !event->spontaneous())
        load();
}

void PrintWindow::closeEvent(QCloseEvent *event)
{
    m_loaded = false;
    QMainWindow::closeEvent(event);
}

void PrintWindow::load()
{
    m_loaded = true;
    Image15->tileBackground(ProgramFiles::defaultBackground(m_files.programFolder()));
    setSourceFolder(m_files.folder());
    m_files.setCounter(1);
    cmdThumbSize_Click();
    showFolderInList(m_files.programFolder());
}

void PrintWindow::showFolderInList(const QString &folder)
{
    m_folderToShow = folder;
    const QModelIndex index = m_folders->index(folder);
    if (!index.isValid())
        return;
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index); // opens the folders above it
    Dir1->expand(index);
}

// The folder model reads folders in the background: the folder to show only has its final
// place in the list once the folders above it have been read, and the tree lays out its
// rows after this signal.
void PrintWindow::folderRead(const QString &path)
{
    if (m_folderToShow.isEmpty() || !m_folderToShow.startsWith(path))
        return;
    const QPersistentModelIndex target = m_folders->index(m_folderToShow);
    if (path == m_folderToShow)
        m_folderToShow.clear();
    QTimer::singleShot(0, Dir1, [this, target] {
        if (target.isValid())
            Dir1->scrollTo(target, QAbstractItemView::PositionAtCenter);
    });
}

void PrintWindow::setSourceFolder(const QString &folder)
{
    m_sourceFolder = folder;
    refreshFileList();
}

void PrintWindow::refreshFileList()
{
    flbSource->clear();
    for (const QString &path : m_files.printablePictures(m_sourceFolder))
        flbSource->addItem(QFileInfo(path).fileName());
}

void PrintWindow::setThumbControlsEnabled(bool enabled)
{
    for (QWidget *control :
         {static_cast<QWidget *>(cmdPrint), static_cast<QWidget *>(cmdDelete),
          static_cast<QWidget *>(txtThumbXSize), static_cast<QWidget *>(txtThumbYSize)})
        control->setEnabled(enabled);
}

void PrintWindow::cmdThumbSize_Click()
{
    setThumbControlsEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    refreshFileList();
    Thumbnail1->setFolder(m_sourceFolder);
    // The boxes are the view's settings too; a size out of range gives the default.
    Thumbnail1->setThumbnailSize(
        QSize(txtThumbXSize->text().toInt(), txtThumbYSize->text().toInt()));
    txtThumbXSize->setText(QString::number(Thumbnail1->thumbnailSize().width()));
    txtThumbYSize->setText(QString::number(Thumbnail1->thumbnailSize().height()));
    Thumbnail1->build(m_files.printablePictures(m_sourceFolder));
    QApplication::restoreOverrideCursor();
    setThumbControlsEnabled(true);
}

void PrintWindow::cmdDelete_Click()
{
    const QString file = Thumbnail1->selectedFile();
    if (file.isEmpty())
        return;
    const QString name = QDir::toNativeSeparators(file);
    if (!m_files.isCapture(file)) {
        QMessageBox::information(this, m_texts.windowTitle, m_texts.notACapture.arg(name));
        return;
    }
    if (QMessageBox::question(this, m_texts.windowTitle, m_texts.deleteQuestion.arg(name),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!m_files.removePicture(file)) {
        QMessageBox::warning(this, m_texts.windowTitle, m_texts.notDeleted.arg(name));
        return;
    }
    Thumbnail1->removeSelected();
    refreshFileList();
}

void PrintWindow::cmdPrint_Click()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(m_texts.printDialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printThumbnails(m_printer);
}

PrintJobResult PrintWindow::printThumbnails(QPagedPaintDevice &device)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintJobResult result = printPictures(device, Thumbnail1->files());
    QApplication::restoreOverrideCursor();
    return result;
}
