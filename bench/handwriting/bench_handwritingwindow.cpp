// The handwriting window: one frame of the stroke animation at 100% and 200%, and the memory
// the window takes once open with its models loaded and a character recognized.
#include "bench/common/benchtables.h"
#include "handwriting/strokestore.h"
#include "handwriting/syntheticink.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/handwriting/handwritingwindow.h"
#include "windows/handwriting/strokeplayer.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// One frame as the screen gets it: the player drawn at its size, at the scale of the screen.
void BM_AnimationFrame(benchmark::State &state)
{
    StrokeStore store;
    if (!store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR)))) {
        state.SkipWithError("no stroke store");
        return;
    }
    const double scale = state.range(0) / 100.0;
    StrokePlayer player;
    player.resize(420, 420);
    player.setStrokes(store.strokes(u"鬱"_s)); // 29 strokes: much work for a frame
    QImage frame(player.size() * scale, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(scale);
    double progress = 0;
    for (auto _ : state) {
        progress = progress >= 28.9 ? 0 : progress + 0.05;
        player.setProgress(progress);
        player.render(&frame);
    }
    state.counters["frames_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnimationFrame)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

qint64 residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Resident memory before the window and after it is open, its models loaded, a character
// drawn and its strokes shown.
void BM_WindowMemory(benchmark::State &state)
{
    DictionaryTables *tables = BenchTables::open(state);
    if (!tables)
        return;
    QTemporaryDir dir;
    SettingsStore settings(dir.path());
    ProgramContext context{QStringLiteral(ORDBOK_STROKES_DIR), settings, *tables};
    for (auto _ : state) {
        const qint64 before = residentKilobytes();
        HandwritingWindow window(context, Language::English);
        QSignalSpy ready(&window, &HandwritingWindow::modelsReady);
        window.show();
        ready.wait(60000);
        window.setCharacter(u"學"_s);
        window.showPage(HandwritingWindow::Page::Strokes);
        QCoreApplication::processEvents();
        state.counters["extra_MB"] = double(residentKilobytes() - before) / 1024.0;
    }
}
BENCHMARK(BM_WindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
