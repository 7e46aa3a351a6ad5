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
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QElapsedTimer timer;

void step(const char *name)
{
    std::printf("%s %.2f\n", name, timer.nsecsElapsed() / 1e6);
    std::fflush(stdout); // what was timed stays on record if a later step fails
    timer.restart();
}

// The first expose of a window and the turn of the event loop after its first paint; then the
// rest of the start, as the program does it after that frame: the whole window is on screen
// when it returns.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(std::function<void()> afterFirst, QObject *parent)
        : QObject(parent)
        , m_afterFirst(std::move(afterFirst))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed()) {
            m_seen = true;
            step("exposed");
            QTimer::singleShot(0, qApp, [this] {
                step("first frame painted");
                m_afterFirst();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<void()> m_afterFirst;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    timer.start();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(u"ordbok.*.debug=false"_s);
    const QString folder = app.arguments().value(1, QCoreApplication::applicationDirPath());
    step("application object");

    installPendingWordTable(folder);
    SettingsStore settings(folder);
    settings.load();
    step("pending table, settings");
    loadSimplifiedTable();
    step("syllable table loaded");

    DictionaryTables tables;
    ProgramContext context{folder, settings, tables};
    // As the program holds it: the window deletes itself when it closes at quit. The tray icon
    // comes after the first frame, as in the program.
    QPointer<MainWindow> window = new MainWindow(Language::English, context);
    step("main window built");
    app.installEventFilter(new FirstFrame(
        [&] {
            tables.open(folder);
            step("stores opened");
            registerProgramFonts(folder);
            step("fonts registered");
            window->completeWindow();
            step("rest of the window on screen");
        },
        &app));
    window->show();
    step("shown");
    const int result = app.exec();
    delete window.data();
    return result;
}
