#include "shell/tiledsurface.h"

#include <QLoggingCategory>
#include <QPainter>

Q_LOGGING_CATEGORY(lcBackground, "ordbok.background")

TiledSurface::TiledSurface(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
}

bool TiledSurface::tileBackground(const QString &path)
{
    QPixmap loaded;
    const bool ok = !path.isEmpty() && loaded.load(path);
    if (ok)
        m_image15 = loaded;
    else
        qCDebug(lcBackground) << "background not loaded:" << path;
    update();
    return ok;
}

void TiledSurface::paintEvent(QPaintEvent *)
{
    if (m_image15.isNull() || m_image15.width() == 0 || m_image15.height() == 0)
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_image15);
}
