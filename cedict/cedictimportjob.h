#pragma once

#include "cedict/cedictimporter.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

// Runs one CEDICT import at a time on a thread of its own, so that a window stays responsive
// and can offer Cancel. The signals arrive on the thread that owns the job.
class CedictImportJob : public QObject
{
    Q_OBJECT
public:
    explicit CedictImportJob(const QString &programFolder, QObject *parent = nullptr);
    // Cancels a running import and waits for it: the staging file is gone afterwards.
    ~CedictImportJob() override;

    // kinesiskBIG5kod1.mdb in the program folder unless set.
    void setTargetFile(const QString &file) { m_targetFile = file; }

    bool isRunning() const { return m_thread != nullptr; }
    // False when an import is running already.
    // muchSmallerAllowed: the user has said yes to a table much smaller than the one in use.
    bool start(const QString &cedictFile, bool muchSmallerAllowed = false);
    // The import ends as Cancelled at its next look at the flag, leaving every table as it was.
    void cancel();
    // Blocks until a running import has ended; its finished() is still delivered afterwards.
    void wait();

signals:
    void progressed(const CedictImportProgress &progress);
    void finished(const CedictImportSummary &summary);

private:
    QString m_programFolder;
    QString m_targetFile;
    std::atomic<bool> m_cancel = false;
    quint64 m_run = 0;
    std::unique_ptr<QThread> m_thread;
};
