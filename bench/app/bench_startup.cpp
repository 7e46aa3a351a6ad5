// Start-up to a shown main window with the real stores, offscreen.

#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settingsrecord.h"
#include "app/startwindow.h"
#include "pinyin/syllabletables.h"
#include "platform/fontregistration.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// The program folder's files linked into a scratch folder, so that the settings the windows
// write on close never land in the build's own program folder.
class ScratchProgramFolder
{
public:
    ScratchProgramFolder()
    {
        const QDir source(QStringLiteral(ORDBOK_PROGRAM_DIR));
        for (const QString &name : source.entryList(QDir::Files)) {
            if (name != u"inst.ini" && name != u"font.log")
                QFile::link(source.filePath(name), m_dir.filePath(name));
        }
    }
    QString path() const { return m_dir.path(); }
    bool hasStores() const { return QFile::exists(m_dir.filePath(u"kinesiskBIG5kod.mdb"_s)); }

private:
    QTemporaryDir m_dir;
};

void closeAll()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_MainWindowShown(benchmark::State &state)
{
    ScratchProgramFolder folder;
    if (!folder.hasStores()) {
        state.SkipWithError("no stores in the program folder: build the data first");
        return;
    }
    registerProgramFonts(folder.path());
    for (auto _ : state) {
        MainWindow *window = MainWindow::showFor(1, folder.path());
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(20);

// What the program does from its entry on: syllable table, fonts, start window, auto-started
// English main window. Fonts register once per process, so only the first round pays for them.
void BM_StartSequence(benchmark::State &state)
{
    ScratchProgramFolder folder;
    if (!folder.hasStores()) {
        state.SkipWithError("no stores in the program folder: build the data first");
        return;
    }
    SettingsRecord settings;
    settings.setValue(SettingsRecord::autoStartEnglish, u"1"_s);
    settings.write(folder.path());
    for (auto _ : state) {
        loadSimplifiedTable();
        registerProgramFonts(folder.path());
        auto *start = new StartWindow(folder.path());
        start->start();
        QCoreApplication::processEvents();
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartSequence)->Unit(benchmark::kMillisecond)->Iterations(1)->Name("BM_StartSequence/first");
BENCHMARK(BM_StartSequence)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
