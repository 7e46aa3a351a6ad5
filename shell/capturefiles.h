#pragma once

#include <QString>
#include <QStringList>

class QImage;

// The numbered pictures the capture windows leave in temp/ under the program folder, for the
// print window. counter() is where the numbering of the next capture starts (captureCounter):
// 0 when the program starts, back to 1 whenever the print window opens. A capture takes the
// first number from there whose file does not exist yet, so it never replaces an older one.
class CaptureFiles
{
public:
    explicit CaptureFiles(const QString &programFolder);

    QString programFolder() const { return m_programFolder; }
    QString folder() const; // <program folder>/temp

    int counter() const { return m_counter; }
    void setCounter(int number);
    QString fileFor(int number) const; // <program folder>/temp/<number>.bmp

    // Saves the picture under the first free number from the counter on, creating temp/ when
    // it is missing, and moves the counter past it. Returns the file, or an empty text when it
    // could not be written or every number is taken (the counter then stays).
    QString save(const QImage &picture);

    // Only the program's own captures, the files directly in temp/, may be deleted by the
    // print window; the user's own pictures elsewhere are never touched.
    bool isCapture(const QString &file) const;
    // "Ta bort bild": deletes a capture. False when the file is no capture or is still there.
    bool removePicture(const QString &file) const;

    // The pictures of a folder that the print window lists, in their natural order
    // (2.bmp before 10.bmp), as full paths.
    static const QStringList pattern; // *.bmp *.jpg *.gif *.tif
    static QStringList pictures(const QString &folder);
    // The same, less the window background beside the program (2.gif): it is no picture of
    // the user's and is not to be printed.
    QStringList printablePictures(const QString &folder) const;

private:
    QString m_programFolder;
    int m_counter = 0;
};
