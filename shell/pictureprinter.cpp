#include "shell/pictureprinter.h"
#include "shell/printlayout.h"

#include <QImageReader>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

Q_LOGGING_CATEGORY(lcPrinting, "ordbok.printing")

namespace {
constexpr double millimetresPerCentimetre = 10.0;
constexpr double centimetresPerInch = 2.54;
} // namespace

PrintJobResult printPictures(QPagedPaintDevice &device, const QStringList &files)
{
    PrintJobResult result;
    // The painter's origin is the top left corner of this area.
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const PrintLayout layout(area.size() / millimetresPerCentimetre);
    if (!layout.isValid()) {
        qCDebug(lcPrinting) << "printable area too small for a cell:" << area;
        return result;
    }
    const double dotsPerCmX = device.logicalDpiX() / centimetresPerInch;
    const double dotsPerCmY = device.logicalDpiY() / centimetresPerInch;

    QPainter painter;
    int k = 0;
    for (const QString &file : files) {
        QImageReader reader(file);
        reader.setAutoTransform(true);
        const QImage picture = reader.read();
        if (picture.isNull()) {
            qCDebug(lcPrinting) << "not printed:" << file << reader.errorString();
            result.unreadable.append(file);
            continue;
        }
        // The job starts with the first readable picture, so that a folder without one
        // leaves no empty page behind.
        if (!painter.isActive()) {
            if (!painter.begin(&device)) {
                qCDebug(lcPrinting) << "the printer did not start the job";
                return result;
            }
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        } else if (layout.startsPage(k)) {
            device.newPage();
        }
        const QRectF cm = layout.place(k, picture.size()).rect;
        painter.drawImage(QRectF(cm.x() * dotsPerCmX, cm.y() * dotsPerCmY, cm.width() * dotsPerCmX,
                                 cm.height() * dotsPerCmY),
                          picture);
        ++k;
    }
    result.printed = k;
    result.pages = layout.pageCount(k);
    return result;
}
