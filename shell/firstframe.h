#pragma once

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs work once window, not yet shown, has painted its first frame, so that what that frame
// does not show (the tray icon, a word list read in the background) never delays it. For a
// window already shown it runs at the next turn of the event loop.
inline void afterFirstFrame(QWidget *window, QObject *context, std::function<void()> work)
{
    class FirstPaint : public QObject
    {
    public:
        FirstPaint(QWidget *watched, QObject *workContext, std::function<void()> toRun)
            : QObject(watched)
            , m_context(workContext)
            , m_work(std::move(toRun))
        {
            watched->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() != QEvent::Paint)
                return false;
            watched->removeEventFilter(this);
            // The frame is drawn while the paint event is handled: the next turn comes after.
            if (m_context)
                QTimer::singleShot(0, m_context, m_work);
            deleteLater();
            return false;
        }

    private:
        QPointer<QObject> m_context;
        std::function<void()> m_work;
    };

    if (window->isVisible())
        QTimer::singleShot(0, context, std::move(work));
    else
        new FirstPaint(window, context, std::move(work));
}
