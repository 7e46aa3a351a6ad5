#pragma once

// Start-up timing for bench/startup-vs-minimal.sh. With ORDBOK_EXIT_WHEN_SHOWN in the
// environment, the first window exposed prints "shown <monotonic clock in ns> <width>x<height>"
// on stdout once its first frame is painted, and the program quits. Without it nothing is
// installed.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <ctime>

class ShownProbe : public QObject
{
public:
    static void installIfAsked()
    {
        if (qEnvironmentVariableIsSet("ORDBOK_EXIT_WHEN_SHOWN") && QCoreApplication::instance())
            qApp->installEventFilter(new ShownProbe(qApp));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Expose || !watched->isWindowType() ||
            !static_cast<QWindow *>(watched)->isExposed())
            return false;
        m_seen = true;
        m_size = static_cast<QWindow *>(watched)->size();
        // The window paints its first frame while it handles this event: the next turn of the
        // event loop comes after it. Ahead of work queued for that turn, which the frame did
        // not wait for.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        return false;
    }

    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("shown %lld %dx%d\n", qint64(now.tv_sec) * 1000000000 + now.tv_nsec,
                    m_size.width(), m_size.height());
        std::fflush(stdout);
        QCoreApplication::quit();
        return true;
    }

private:
    using QObject::QObject;
    bool m_seen = false;
    QSize m_size;
};
