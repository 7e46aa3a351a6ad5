#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a session ending, kill), SIGINT and SIGHUP as an ordinary request to quit, so that
// the program ends the way closing it does: windows closed, settings written, stores closed
// before the application object goes. A signal handler may do next to nothing; it only writes
// the signal's number to a pipe that the event loop watches. One instance per process.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    // The default actions come back: a second signal after this ends the process at once.
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
