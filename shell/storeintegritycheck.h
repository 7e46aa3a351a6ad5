#pragma once

#include "dictionary/tables.h"

#include <QObject>
#include <QString>

#include <memory>

class QThread;

// SQLite's integrity check of the open stores, on a thread of its own: it reads every page
// (about a second for the word table), which the window must not wait for. Each store that
// fails is reported by faultFound(), on the thread that owns this object.
class StoreIntegrityCheck : public QObject
{
    Q_OBJECT
public:
    explicit StoreIntegrityCheck(QObject *parent = nullptr);
    // Waits for a check still running.
    ~StoreIntegrityCheck() override;

    // The stores of the program folder that are not listed in skip (found faulty already).
    void start(const QString &programFolder, const QStringList &skip);
    void wait();

signals:
    void faultFound(const StoreFault &fault);
    void finished();

private:
    std::unique_ptr<QThread> m_thread;
};
