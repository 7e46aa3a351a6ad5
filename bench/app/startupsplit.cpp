// Where the start-up time goes: the steps of Application::start, in its order, each timed, up to
// the English main window's first frame. Prints one "step milliseconds" line per step; run by
// bench/startup-vs-minimal.sh --split in a scratch program folder (the first argument).

#include "cedict/pendingwordtable.h"
#include "dictionary/tables.h"
#include "pinyin/syllabletables.h"
#include "settings/settingsstore.h"
#include "shell/fontregistration.h"
#include "shell/programcontext.h"
#include "windows/mainwindow/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QElapsedTimer timer;

void step(const char *name)
{
    std::printf("%s %.2f\n", name, timer.nsecsElapsed() / 1e6);
    std::fflush(stdout); // what was timed stays on record if a later step fails
    timer.restart();
}

// The first expose of a window, then the turn of the event loop after its first paint.
class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed()) {
            m_seen = true;
            step("exposed");
            QTimer::singleShot(0, qApp, [] {
                step("first frame painted");
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    timer.start();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(u"ordbok.*.debug=false"_s);
    app.installEventFilter(new FirstFrame(&app));
    const QString folder = app.arguments().value(1, QCoreApplication::applicationDirPath());
    step("application object");

    installPendingWordTable(folder);
    SettingsStore settings(folder);
    settings.load();
    step("pending table, settings");
    DictionaryTables tables;
    tables.open(folder);
    step("stores opened");
    loadSimplifiedTable();
    step("syllable table loaded");
    registerProgramFonts(folder);
    step("fonts registered");

    ProgramContext context{folder, settings, tables};
    // As the program holds it: the window deletes itself when it closes at quit. The tray icon
    // comes after the first frame, as in the program.
    QPointer<MainWindow> window = new MainWindow(Language::English, context);
    step("main window built");
    window->show();
    step("shown");
    const int result = app.exec();
    delete window.data();
    return result;
}
