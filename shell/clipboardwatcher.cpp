#include "shell/clipboardwatcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The rich text of a copy: RTF under any of the names programs put it on the clipboard.
QString richText(const QMimeData *data)
{
    for (const QString &format : {u"text/rtf"_s, u"application/rtf"_s, u"text/richtext"_s}) {
        if (data->hasFormat(format))
            return QString::fromLatin1(data->data(format));
    }
    return {};
}

} // namespace

ClipboardWatcher::ClipboardWatcher(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(u"Timer2"_s);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &ClipboardWatcher::check);
    // Asking another program for the clipboard's formats at every tick costs a round trip each
    // time; a change notice says when looking is worth it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_changed = true; });
}

ClipboardWatcher::Route ClipboardWatcher::route(const QMimeData *data)
{
    if (!data)
        return Route::None;
    if (richText(data).size() > richTextLimit)
        return Route::CodeSearch;
    if (data->hasText() && !data->text().isEmpty())
        return Route::CedictSearch;
    return Route::None;
}

void ClipboardWatcher::start()
{
    m_changed = true;
    m_timer->start();
}

void ClipboardWatcher::startFromNextCopy()
{
    m_changed = false;
    m_timer->start();
}

void ClipboardWatcher::stop()
{
    m_timer->stop();
}

bool ClipboardWatcher::isActive() const
{
    return m_timer->isActive();
}

void ClipboardWatcher::lookAgain()
{
    m_changed = true;
    check();
}

void ClipboardWatcher::check()
{
    if (!m_changed)
        return;
    m_changed = false;
    const Route found = route(QGuiApplication::clipboard()->mimeData());
    if (found == Route::None)
        return;
    stop();
    if (found == Route::CodeSearch)
        emit codeSearchWanted();
    else
        emit cedictSearchWanted();
}
