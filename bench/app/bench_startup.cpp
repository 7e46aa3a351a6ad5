// Start-up to a shown main window with the real stores, offscreen.

#include "app/application.h"
#include "settings/settingsrecord.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <memory>

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

// What the program does from its entry on: pending table, stores, syllable table, fonts and
// the auto-started English main window. Fonts register once per process, so only the first
// round pays for them.
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
        auto app = std::make_unique<Application>(folder.path());
        app->start();
        QCoreApplication::processEvents();
        state.PauseTiming();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartSequence)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Name("BM_StartSequence/first");
BENCHMARK(BM_StartSequence)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
