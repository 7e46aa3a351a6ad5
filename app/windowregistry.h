#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

// One window of each kind, kept under its design name while it lives: created on first use,
// found again after, and created anew once it has closed for good.
class WindowRegistry
{
public:
    QWidget *find(const QString &name) const { return m_windows.value(name); }

    template <typename Window, typename Create>
    Window *findOrCreate(const QString &name, Create &&create)
    {
        if (auto *existing = qobject_cast<Window *>(find(name)))
            return existing;
        Window *window = create();
        m_windows.insert(name, window);
        return window;
    }

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};
