#pragma once

// Start-up timing for bench/startup-vs-minimal.sh. With ORDBOK_EXIT_WHEN_SHOWN in the
// environment, the first window exposed prints "shown <monotonic clock in ns> <width>x<height>"
// on stdout once its first frame is painted, and the program quits. Without it nothing is
// installed.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
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
        // The window paints its first frame while it handles this event: the next turn of the
        // event loop comes after it.
        const QSize size = static_cast<QWindow *>(watched)->size();
        QTimer::singleShot(0, this, [size] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("shown %lld %dx%d\n", qint64(now.tv_sec) * 1000000000 + now.tv_nsec,
                        size.width(), size.height());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        return false;
    }

private:
    using QObject::QObject;
    bool m_seen = false;
};
