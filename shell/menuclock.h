#pragma once

#include <QObject>
#include <QTime>

class QAction;
class QTimer;

// The clock in the menu bar: the menu bar item shows the time, refreshed every second.
class MenuClock : public QObject
{
    Q_OBJECT
public:
    MenuClock(QAction *mnutime, QObject *parent);

    static QString format(const QTime &time); // "h:nn:ss": 9:05:07, 13:05:07
    void Timer3_Timer();

private:
    QAction *m_mnutime;
    QTimer *m_timer;
};
