#pragma once

#include <QStringList>

class QImage;
class QPagedPaintDevice;
class QPaintDevice;

// One print job of the print window: the picture files in their print layout on a printer
// (or any paged device, such as a PDF writer), the layout taken from the device's printable
// area. A file that cannot be read as a picture is left out and takes no cell.
struct PrintJobResult
{
    int printed = 0;
    int pages = 0;
    QStringList unreadable;
};

PrintJobResult printPictures(QPagedPaintDevice &device, const QStringList &files);
