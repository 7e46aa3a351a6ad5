#include "windows/capture/thumbnailview.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int smallestSide = 16;
constexpr int largestSide = 512;
constexpr int labelRoom = 28; // below each thumbnail for its file name
} // namespace

ThumbnailView::ThumbnailView(QWidget *parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Captures are white: a grey ground shows where each one ends.
    QPalette ground = palette();
    ground.setColor(QPalette::Base, QColor(0xd4, 0xd4, 0xd4));
    setPalette(ground);
    setThumbnailSize(defaultThumbnailSize);
}

void ThumbnailView::setThumbnailSize(QSize size)
{
    const auto sensible = [](int side) { return side >= smallestSide && side <= largestSide; };
    m_thumbnailSize =
        sensible(size.width()) && sensible(size.height()) ? size : defaultThumbnailSize;
    setIconSize(m_thumbnailSize);
    setGridSize(m_thumbnailSize + QSize(labelRoom, labelRoom));
}

void ThumbnailView::build(const QStringList &pictures)
{
    clear();
    const qreal ratio = devicePixelRatioF();
    const QSize cell = (QSizeF(m_thumbnailSize) * ratio).toSize();
    for (const QString &path : pictures) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        // Decoding at thumbnail size keeps large photos quick where the format allows it.
        const QSize full = reader.size();
        if (full.isValid())
            reader.setScaledSize(full.scaled(cell, Qt::KeepAspectRatio));
        const QImage thumbnail = reader.read();
        auto *item = new QListWidgetItem(QFileInfo(path).fileName(), this);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
        if (thumbnail.isNull())
            continue;
        // Every icon fills the same square, so that the names line up under the pictures
        // whatever their shape.
        QPixmap icon(cell);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize shown = thumbnail.size().scaled(cell, Qt::KeepAspectRatio);
        painter.drawImage(
            QRect(QPoint((cell.width() - shown.width()) / 2, (cell.height() - shown.height()) / 2),
                  shown),
            thumbnail);
        painter.end();
        icon.setDevicePixelRatio(ratio);
        item->setIcon(QIcon(icon));
    }
}

QStringList ThumbnailView::files() const
{
    QStringList paths;
    for (int row = 0; row < count(); ++row)
        paths.append(item(row)->data(Qt::UserRole).toString());
    return paths;
}

QString ThumbnailView::fileName(int i) const
{
    const QListWidgetItem *picture = item(i - 1);
    return picture ? picture->data(Qt::UserRole).toString() : QString();
}

QString ThumbnailView::selectedFile() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

QString ThumbnailView::removeSelected()
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    const QString path = selected.first()->data(Qt::UserRole).toString();
    delete takeItem(row(selected.first()));
    return path;
}

void ThumbnailView::selectFile(const QString &file)
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(Qt::UserRole).toString() == file) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return;
        }
    }
}
