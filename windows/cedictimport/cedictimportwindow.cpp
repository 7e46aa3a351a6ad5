#include "windows/cedictimport/cedictimportwindow.h"

#include "platform/programfiles.h"
#include "windows/cedictimport/cedictimporttexts.h"

#include "cedict/cedictimportjob.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

CedictImportWindow::CedictImportWindow(ProgramContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_texts(CedictImportTexts::english())
{
    setObjectName(u"Form4"_s);
    setWindowTitle(m_texts.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    resize(600, 280); // the layout grows it where the fonts need more
    m_surface->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));

    m_job = new CedictImportJob(m_context.programFolder, this);
    connect(m_job, &CedictImportJob::progressed, this, &CedictImportWindow::showProgress);
    connect(m_job, &CedictImportJob::finished, this, &CedictImportWindow::showFinished);
    connect(Command1, &QPushButton::clicked, this, &CedictImportWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CedictImportWindow::Command2_Click);
}

// The job, a child, cancels and waits in its own destructor: the staging file is gone by then.
CedictImportWindow::~CedictImportWindow() = default;

void CedictImportWindow::Command1_Click()
{
    if (isImporting())
        return;
    const QString file = QFileDialog::getOpenFileName(this, m_texts.fileDialogTitle,
                                                      m_context.programFolder, m_texts.fileFilter);
    if (!file.isEmpty())
        startImport(file);
}

bool CedictImportWindow::startImport(const QString &cedictFile)
{
    if (!m_job->start(cedictFile))
        return false;
    m_fileName = QFileInfo(cedictFile).fileName();
    Text1->clear();
    Label2->setText(m_texts.reading(m_fileName));
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    setRunning(true);
    return true;
}

void CedictImportWindow::Command2_Click()
{
    if (!isImporting())
        return;
    m_job->cancel();
    Command2->setEnabled(false);
    Label2->setText(m_texts.cancelling);
}

bool CedictImportWindow::isImporting() const
{
    return m_job->isRunning();
}

void CedictImportWindow::closeEvent(QCloseEvent *event)
{
    if (!isImporting()) {
        QWidget::closeEvent(event);
        return;
    }
    // Waiting here would freeze the program while the indexes finish; the window goes out of
    // sight at once and closes when the import has let go of its files.
    Command2_Click();
    m_closeWhenDone = true;
    hide();
    event->ignore();
}

void CedictImportWindow::showProgress(const CedictImportProgress &progress)
{
    if (!isImporting() || !Command2->isEnabled())
        return; // cancelling: the status line says so
    if (progress.stage == CedictImportProgress::Stage::Indexing) {
        // Building the indexes is one step of unknown length: a busy bar.
        ProgressBar1->setRange(0, 0);
        Label2->setText(m_texts.indexing);
        return;
    }
    if (progress.fileSize > 0)
        ProgressBar1->setValue(int(progress.bytesRead * 1000 / progress.fileSize));
}

void CedictImportWindow::showFinished(const CedictImportSummary &summary)
{
    setRunning(false);
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(summary.succeeded() ? 1000 : 0);
    if (summary.succeeded())
        Text1->setText(m_texts.ready);
    Label2->setText(m_texts.outcome(summary, m_fileName));
    emit importFinished(summary);
    if (m_closeWhenDone)
        close();
}

void CedictImportWindow::setRunning(bool running)
{
    Command1->setEnabled(!running);
    Command2->setEnabled(running);
}
