#pragma once

#include <QString>
#include <QStringList>

class QImage;

// The numbered pictures the capture windows leave in temp/ under the program folder, for the
// print window. counter() is the number the next capture gets (captureCounter): 0 when the
// program starts, back to 1 whenever the print window opens, so that later captures replace
// the earlier files of the same number.
class CaptureFiles
{
public:
    explicit CaptureFiles(const QString &programFolder);

    QString programFolder() const { return m_programFolder; }
    QString folder() const; // <program folder>/temp

    int counter() const { return m_counter; }
    void setCounter(int number);
    QString fileFor(int number) const; // <program folder>/temp/<number>.bmp

    // Saves the picture as the file of the counter, creating temp/ when it is missing, and
    // moves the counter on. Returns the file, or an empty text when it could not be written
    // (the counter then stays).
    QString save(const QImage &picture);

    // "Ta bort bild": the program's own captures in temp/ are deleted; any other picture goes
    // to the desktop's trash, so a slip in a folder of one's own photos can be undone. False
    // when the file is still there.
    bool removePicture(const QString &file) const;

    // The pictures of a folder that the print window lists, in their natural order
    // (2.bmp before 10.bmp), as full paths.
    static const QStringList pattern; // *.bmp *.jpg *.gif *.tif
    static QStringList pictures(const QString &folder);

private:
    QString m_programFolder;
    int m_counter = 0;
};
