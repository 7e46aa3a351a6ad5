#include "windows/cedictimport/cedictimportwindow.h"

#include "platform/programfiles.h"
#include "windows/cedictimport/cedictimporttexts.h"

#include "cedict/cedictimportjob.h"
#include "cedict/pendingwordtable.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

CedictImportWindow::CedictImportWindow(ProgramContext &context, Language language, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_texts(language == Language::Swedish ? CedictImportTexts::svenska()
                                            : CedictImportTexts::english())
{
    setObjectName(u"Form4"_s);
    setWindowTitle(m_texts.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    resize(640, 380); // the layout grows it where the fonts need more
    m_surface->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));

    m_job = new CedictImportJob(m_context.programFolder, this);
    connect(m_job, &CedictImportJob::progressed, this, &CedictImportWindow::showProgress);
    connect(m_job, &CedictImportJob::finished, this, &CedictImportWindow::showFinished);
    connect(Command1, &QPushButton::clicked, this, &CedictImportWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CedictImportWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CedictImportWindow::Command3_Click);
    showGenerations();
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

bool CedictImportWindow::startImport(const QString &cedictFile, bool muchSmallerAllowed)
{
    if (!m_job->start(cedictFile, muchSmallerAllowed))
        return false;
    m_filePath = cedictFile;
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
    // Nothing was written yet: with the user's yes the same file is imported again, allowed.
    if (summary.outcome == CedictImportSummary::Outcome::MuchSmaller && !m_closeWhenDone &&
        askMuchSmaller(m_texts.muchSmaller(summary, m_fileName))) {
        startImport(m_filePath, true);
        return;
    }
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(summary.succeeded() ? 1000 : 0);
    if (summary.succeeded())
        Text1->setText(m_texts.ready);
    Label2->setText(m_texts.outcome(summary, m_fileName));
    showGenerations();
    emit importFinished(summary);
    if (m_closeWhenDone)
        close();
}

void CedictImportWindow::setRunning(bool running)
{
    Command1->setEnabled(!running);
    Command2->setEnabled(running);
    Command3->setEnabled(!running && DictionaryUpdate(m_context.programFolder).previous().exists);
}

void CedictImportWindow::Command3_Click()
{
    if (isImporting())
        return;
    DictionaryUpdate update(m_context.programFolder);
    QString error;
    if (!update.requestRestore(&error)) {
        Label2->setText(error);
        return;
    }
    Text1->clear();
    Label2->setText(m_texts.restoreRequested);
    Command3->setEnabled(false);
}

void CedictImportWindow::showGenerations()
{
    const DictionaryUpdate update(m_context.programFolder);
    const DictionaryGeneration previous = update.previous();
    Label3->setText(m_texts.generations(update.current(), previous));
    Command3->setEnabled(!isImporting() && previous.exists && !update.restoreRequested());
}

bool CedictImportWindow::askMuchSmaller(const QString &question)
{
    if (m_answerMuchSmaller)
        return m_answerMuchSmaller(question);
    QMessageBox box(QMessageBox::Question, m_texts.muchSmallerCaption, question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(u"muchSmallerQuestion"_s);
    box.setDefaultButton(QMessageBox::No);
    if (m_texts.swedish) {
        box.button(QMessageBox::Yes)->setText(u"Ja"_s);
        box.button(QMessageBox::No)->setText(u"Nej"_s);
    }
    return box.exec() == QMessageBox::Yes;
}
