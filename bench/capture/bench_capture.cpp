// One capture of the main window's "Print": the capture window shows, photographs its text
// box and saves the picture in temp/ (a BMP of 600 x 200 at the screen's pixel ratio).

#include "shell/capturefiles.h"
#include "windows/capture/capturewindow.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

static void BM_CaptureToTemp(benchmark::State &state)
{
    QTemporaryDir program;
    CaptureFiles files(program.path());
    CaptureWindow printpage(CaptureWindow::Kind::Printpage, files);
    printpage.setText(u"喝水"_s);
    for (auto _ : state) {
        files.setCounter(1);
        if (!printpage.cmdCaptureActive_Click()) {
            state.SkipWithError("capture not saved");
            break;
        }
    }
}
BENCHMARK(BM_CaptureToTemp)->Unit(benchmark::kMillisecond);
