#include "shell/trayicon.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

TrayIcon::TrayIcon(QWidget *window, std::function<QWidget *()> mainWindowOfUiLanguage,
                   QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_mainWindowOfUiLanguage(std::move(mainWindowOfUiLanguage))
    , m_icon(new QSystemTrayIcon(window->windowIcon(), this))
    , m_menu(new QMenu(window))
{
    m_menu->setObjectName(u"mnuTray"_s);
    const auto item = [this](const QString &name, const QString &caption) {
        QAction *action = m_menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    mnuTrayRestore = item(u"mnuTrayRestore"_s, tr("&Restore"));
    mnuTrayMove = item(u"mnuTrayMove"_s, tr("&Move"));
    mnuTraySize = item(u"mnuTraySize"_s, tr("&Size"));
    mnuTrayMinimize = item(u"mnuTrayMinimize"_s, tr("Mi&nimize"));
    mnuTrayMaximize = item(u"mnuTrayMaximize"_s, tr("Ma&ximize"));
    m_menu->addSeparator()->setObjectName(u"mnuTraySep"_s);
    mnuTrayClose = item(u"mnuTrayClose"_s, tr("&Close"));

    connect(mnuTrayRestore, &QAction::triggered, this, [this] { restoreWindow(); });
    connect(mnuTrayMove, &QAction::triggered, this, [this] {
        if (m_window && m_window->windowHandle())
            m_window->windowHandle()->startSystemMove();
    });
    connect(mnuTraySize, &QAction::triggered, this, [this] {
        if (m_window && m_window->windowHandle())
            m_window->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
    });
    connect(mnuTrayMinimize, &QAction::triggered, this, [this] {
        if (m_window)
            m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    });
    connect(mnuTrayMaximize, &QAction::triggered, this, [this] {
        if (m_window) {
            m_window->showMaximized();
            m_window->activateWindow();
        }
    });
    connect(mnuTrayClose, &QAction::triggered, this, [this] {
        if (m_window)
            m_window->close();
    });

    // The menu shows on a right click, as users expect of a tray icon.
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(window->windowTitle());
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    restoreWindow();
            });
    window->installEventFilter(this);
    SetTrayMenuItems(window->windowState());
}

TrayIcon::~TrayIcon()
{
    remove();
}

TrayIcon::MenuState TrayIcon::menuStateFor(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return {true, false, false, true, false};
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return {false, true, false, true, false};
    return {true, true, true, false, true};
}

void TrayIcon::SetTrayMenuItems(Qt::WindowStates state)
{
    const MenuState items = menuStateFor(state);
    mnuTrayMaximize->setEnabled(items.maximize);
    mnuTrayMinimize->setEnabled(items.minimize);
    mnuTrayMove->setEnabled(items.move);
    mnuTrayRestore->setEnabled(items.restore);
    mnuTraySize->setEnabled(items.size);
}

void TrayIcon::add()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

void TrayIcon::remove()
{
    m_icon->hide();
}

bool TrayIcon::isShown() const
{
    return m_icon->isVisible();
}

void TrayIcon::forBothWindows(const std::function<void(QWidget *)> &action)
{
    if (m_window)
        action(m_window);
    QWidget *chosen = m_mainWindowOfUiLanguage ? m_mainWindowOfUiLanguage() : nullptr;
    if (chosen && chosen != m_window)
        action(chosen);
}

void TrayIcon::restoreWindow()
{
    if (!m_window)
        return;
    forBothWindows([](QWidget *w) { w->show(); });
    if (m_window->windowState() & Qt::WindowMinimized)
        m_window->setWindowState(m_lastState);
    SetTrayMenuItems(m_window->windowState());
    m_window->raise();
    m_window->activateWindow();
}

void TrayIcon::hideToTray()
{
    forBothWindows([](QWidget *w) { w->hide(); });
}

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = m_window->windowState();
        SetTrayMenuItems(state);
        if (!(state & Qt::WindowMinimized))
            m_lastState = state;
        else if (isShown())
            // Where there is no tray the window minimises as usual.
            QTimer::singleShot(0, this, &TrayIcon::hideToTray);
    }
    return QObject::eventFilter(watched, event);
}
