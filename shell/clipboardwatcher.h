#pragma once

#include <QObject>
#include <QString>

class QClipboard;
class QMimeData;
class QTimer;

// Watches the clipboard while on and, at the first text it finds, says which search page
// should look it up, then stops itself until started again. The clipboard is left untouched.
class ClipboardWatcher : public QObject
{
    Q_OBJECT
public:
    enum class Route { None, CodeSearch, CedictSearch };

    // Rich text longer than this goes to the code search page.
    static constexpr int richTextLimit = 2000;

    explicit ClipboardWatcher(QObject *parent = nullptr);

    static Route route(const QMimeData *data);

    void start();
    // Starts again without looking at what is on the clipboard now: only the next copy counts.
    void startFromNextCopy();
    void stop();
    bool isActive() const;
    QTimer *timer() const { return m_timer; } // Timer2

    // A tick: looks at the clipboard when it has changed since the last look (and always at
    // the first tick after a start).
    void check();
    // Looks now, changed or not: for copies the system may not have announced, such as those
    // made while another program had the focus.
    void lookAgain();

signals:
    void codeSearchWanted();   // rich text over the limit: the code search page
    void cedictSearchWanted(); // other text: the CEDICT search page

private:
    QTimer *m_timer;
    bool m_changed = true;
};
