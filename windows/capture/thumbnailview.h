#pragma once

#include <QListWidget>
#include <QSize>
#include <QStringList>

// The print window's thumbnail view (Thumbnail1): the pictures of one folder as small
// pictures with their file names, in the order they print.
class ThumbnailView : public QListWidget
{
    Q_OBJECT
public:
    static constexpr QSize defaultThumbnailSize{120, 120};

    explicit ThumbnailView(QWidget *parent = nullptr);

    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    // Sizes outside a sensible range fall back to the default.
    void setThumbnailSize(QSize size);
    QSize thumbnailSize() const { return m_thumbnailSize; }

    // Makes the thumbnails of these pictures, in this order.
    void build(const QStringList &pictures);
    QStringList files() const;
    QString fileName(int i) const; // from 1, as the print loop counts
    QString selectedFile() const;  // empty when none
    // Takes the selected picture out of the view; returns its file, empty when none.
    QString removeSelected();
    // Selects the thumbnail of a file, when shown.
    void selectFile(const QString &file);

private:
    QString m_folder;
    QSize m_thumbnailSize = defaultThumbnailSize;
};
