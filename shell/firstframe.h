#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

// Runs work once window, not yet shown, has put its first frame on screen, so that what that
// frame does not show (the stores, the tray icon, a word list read in the background) never
// delays it. For a window already on screen it runs at the next turn of the event loop.
inline void afterFirstFrame(QWidget *window, QObject *context, std::function<void()> work)
{
    // The frame is the window's first expose: a widget may be sent paint events before its
    // window is on screen, so those say nothing.
    class FirstExpose : public QObject
    {
    public:
        FirstExpose(QWidget *watched, QObject *workContext, std::function<void()> toRun)
            : QObject(watched)
            , m_window(watched)
            , m_context(workContext)
            , m_work(std::move(toRun))
        {
            QCoreApplication::instance()->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() != QEvent::Expose || !m_window ||
                watched != m_window->windowHandle() || !m_window->windowHandle()->isExposed())
                return false;
            QCoreApplication::instance()->removeEventFilter(this);
            // The frame is drawn while the expose is handled: the next turn comes after.
            if (m_context)
                QTimer::singleShot(0, m_context, m_work);
            deleteLater();
            return false;
        }

    private:
        QPointer<QWidget> m_window;
        QPointer<QObject> m_context;
        std::function<void()> m_work;
    };

    if (window->windowHandle() && window->windowHandle()->isExposed())
        QTimer::singleShot(0, context, std::move(work));
    else
        new FirstExpose(window, context, std::move(work));
}
