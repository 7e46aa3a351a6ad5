#pragma once

#include <QObject>
#include <QString>

// Gives a new control its design name, which the window, the settings and the tests use.
template <typename Object> Object *named(Object *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}
