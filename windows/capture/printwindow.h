#pragma once

#include "shell/language.h"
#include "shell/pictureprinter.h"
#include "windows/capture/printwindowtexts.h"

#include <QMainWindow>
#include <QPrinter>

class CaptureFiles;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class ThumbnailView;
class TiledSurface;

// The print window (printbild): a folder's pictures as thumbnails, by default the captures
// in temp/, printed two to a row. Each time it opens it starts the capture numbering at 1
// again (a capture still takes a free number) and reads temp/ afresh.
class PrintWindow : public QMainWindow
{
    Q_OBJECT
public:
    PrintWindow(CaptureFiles &files, Language language, QWidget *parent = nullptr);

    // The file list's folder; the thumbnails follow at the next cmdThumbSize_Click.
    void setSourceFolder(const QString &folder);
    QString sourceFolder() const { return m_sourceFolder; }

    // "Skapa full teckenlista": the file list and the thumbnails read the folder again.
    void cmdThumbSize_Click();
    // "Ta bort bild": after the user agrees, the selected capture leaves the view and temp/;
    // pictures elsewhere are not deleted.
    void cmdDelete_Click();
    // "Skriv ut": the printer dialog, then the job.
    void cmdPrint_Click();
    // The job itself, on a printer already set up: the thumbnails' pictures in order.
    PrintJobResult printThumbnails(QPagedPaintDevice &device);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildButtonRow();
    void load();
    void refreshFileList();
    void setThumbControlsEnabled(bool enabled);
    void showFolderInList(const QString &folder);
    void folderRead(const QString &path);

    CaptureFiles &m_files;
    const PrintWindowTexts &m_texts;
    bool m_loaded = false;
    QString m_sourceFolder;
    QString m_folderToShow; // in Dir1, once the folder model has read its way there
    QPrinter m_printer{QPrinter::HighResolution}; // keeps the dialog's choices for the session

    TiledSurface *Image15;
    QFileSystemModel *m_folders;
    QLabel *Label1;
    QTreeView *Dir1;
    QListWidget *flbSource;
    ThumbnailView *Thumbnail1;
    QPushButton *cmdPrint, *cmdDelete, *cmdThumbSize;
    QLineEdit *txtThumbXSize, *txtThumbYSize;
};
