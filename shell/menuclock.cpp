#include "shell/menuclock.h"

#include <QAction>
#include <QTimer>

using namespace Qt::StringLiterals;

MenuClock::MenuClock(QAction *mnutime, QObject *parent)
    : QObject(parent)
    , m_mnutime(mnutime)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(u"Timer3"_s);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MenuClock::Timer3_Timer);
    m_timer->start();
    Timer3_Timer();
}

QString MenuClock::format(const QTime &time)
{
    return time.toString(u"h:mm:ss"_s);
}

void MenuClock::Timer3_Timer()
{
    m_mnutime->setVisible(true);
    m_mnutime->setText(format(QTime::currentTime()));
}
