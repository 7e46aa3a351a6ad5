#include "cedict/cedictimportjob.h"

#include <QThread>

CedictImportJob::CedictImportJob(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_programFolder(programFolder)
{
    // For queued connections and signal spies.
    qRegisterMetaType<CedictImportProgress>();
    qRegisterMetaType<CedictImportSummary>();
}

CedictImportJob::~CedictImportJob()
{
    cancel();
    wait();
}

bool CedictImportJob::start(const QString &cedictFile, bool muchSmallerAllowed)
{
    if (m_thread)
        return false;
    m_cancel = false;
    CedictImporter importer(m_programFolder);
    if (!m_targetFile.isEmpty())
        importer.setTargetFile(m_targetFile);
    importer.setCancelFlag(&m_cancel);
    importer.setMuchSmallerAllowed(muchSmallerAllowed);
    // Queued to this object: dropped unseen should the job be gone by then.
    importer.setProgressHandler([this](const CedictImportProgress &progress) {
        QMetaObject::invokeMethod(
            this, [this, progress] { emit progressed(progress); }, Qt::QueuedConnection);
    });
    const quint64 run = ++m_run;
    m_thread.reset(QThread::create([this, importer, cedictFile, run]() mutable {
        const CedictImportSummary summary = importer.importFile(cedictFile);
        QMetaObject::invokeMethod(
            this,
            [this, summary, run] {
                // Someone may have waited already, and started the next import since.
                if (run == m_run)
                    wait();
                emit finished(summary);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void CedictImportJob::cancel()
{
    m_cancel = true;
}

void CedictImportJob::wait()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread.reset();
}
