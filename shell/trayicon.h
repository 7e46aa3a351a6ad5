#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The main window's tray icon. A left click brings the window back; minimising hides the
// window to the tray where there is one; the tray menu's items follow the window state.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    // mainWindowOfUiLanguage names the main window the user chose at start; the tray brings it
    // back together with the window that owns the icon.
    TrayIcon(QWidget *window, std::function<QWidget *()> mainWindowOfUiLanguage, QObject *parent);
    ~TrayIcon() override;

    struct MenuState
    {
        bool maximize, minimize, move, restore, size;
        bool operator==(const MenuState &) const = default;
    };
    static MenuState menuStateFor(Qt::WindowStates state);

    void add();    // shows the icon (at load)
    void remove(); // at close
    bool isShown() const;
    QMenu *mnuTray() const { return m_menu; }

    // What a left click on the icon does.
    void restoreWindow();
    void SetTrayMenuItems(Qt::WindowStates state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hideToTray();
    void forBothWindows(const std::function<void(QWidget *)> &action);

    QPointer<QWidget> m_window;
    std::function<QWidget *()> m_mainWindowOfUiLanguage;
    QSystemTrayIcon *m_icon;
    QMenu *m_menu;
    QAction *mnuTrayRestore, *mnuTrayMove, *mnuTraySize, *mnuTrayMinimize, *mnuTrayMaximize,
        *mnuTrayClose;
    Qt::WindowStates m_lastState = Qt::WindowNoState; // LastState
};
