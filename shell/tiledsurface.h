#pragma once

#include <QPixmap>
#include <QWidget>

// A window surface with a picture tiled over it from the top left corner; the last column and
// row reach past the edge and are clipped. Repainting on resize re-tiles it.
class TiledSurface : public QWidget
{
    Q_OBJECT
public:
    explicit TiledSurface(QWidget *parent = nullptr);

    // Loads the picture and tiles it. A file that cannot be loaded keeps the picture held
    // before (the window's Image15); returns whether the new one loaded.
    bool tileBackground(const QString &path);
    QPixmap picture() const { return m_image15; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_image15;
};
