#include "shell/storeintegritycheck.h"

#include <QThread>

StoreIntegrityCheck::StoreIntegrityCheck(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<StoreFault>();
}

StoreIntegrityCheck::~StoreIntegrityCheck()
{
    wait();
}

void StoreIntegrityCheck::start(const QString &programFolder, const QStringList &skip)
{
    if (m_thread)
        return;
    QList<QLatin1StringView> stores;
    for (const QLatin1StringView store :
         {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        if (!skip.contains(store))
            stores << store;
    }
    m_thread.reset(QThread::create([this, programFolder, stores] {
        for (const QLatin1StringView store : stores) {
            const std::optional<StoreFault> fault =
                Tables::integrityFault(Tables::storePath(programFolder, store), store);
            if (fault) {
                QMetaObject::invokeMethod(
                    this, [this, found = *fault] { emit faultFound(found); }, Qt::QueuedConnection);
            }
        }
        QMetaObject::invokeMethod(
            this, [this] { emit finished(); }, Qt::QueuedConnection);
    }));
    m_thread->start(QThread::LowPriority);
}

void StoreIntegrityCheck::wait()
{
    if (m_thread)
        m_thread->wait();
}
