#pragma once

#include "windows/capture/capturetexts.h"

#include <QImage>
#include <QWidget>

class CaptureFiles;
class QLabel;
class QPushButton;
class QTextEdit;

// A capture window (printpage or printpage2): a text box that fills the window and holds
// what is to be printed. One capture shows the window, photographs its contents at the
// screen's pixel density, saves the picture as the next numbered file in temp/ and closes
// the window again.
class CaptureWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Printpage, Printpage2 };

    CaptureWindow(Kind kind, CaptureFiles &files, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    bool isBusy() const { return m_busy; }

    // The main window's characters on display (printpage).
    void setText(const QString &text);
    // The Chinese editor's "Print" (printpage2): its document text, font and text colour go
    // into the box, then one capture is taken.
    bool captureText(const QString &text, const QFont &font, const QColor &textColor);

    // One capture. While another is running, shows the busy message and returns false;
    // also false when the picture could not be saved (it is still announced).
    bool cmdCaptureActive_Click();

signals:
    // The picture just taken and the file it went to (empty when it could not be written).
    void captured(const QImage &picture, const QString &file);

private:
    void buildControls();
    QImage MyCapture();
    void centreText();
    void showBusyMessage();

    const Kind m_kind;
    const CaptureTexts &m_texts;
    CaptureFiles &m_files;
    bool m_busy = false;

    QTextEdit *TextBox1;
    // Outside the visible area, as the snapshot must show the text box alone.
    QPushButton *cmdCaptureActive;
    QLabel *PicTest;
};
