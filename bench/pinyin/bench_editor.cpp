// One keystroke in the Chinese editor's input box up to the rebuilt candidate line: "s" into the
// empty box (hundreds of candidates behind the first page) and the "g" that completes "zhuang".
// First the input method alone, then the real window offscreen: the key handled, and the key
// handled and drawn.

#include "dictionary/tables.h"
#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/chineseeditor/chineseeditorwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct Case
{
    QString before; // the box before the key
    QChar key;
};

const Case cases[] = {{QString(), u's'}, {u"zhuan"_s, u'g'}};

void setLabel(benchmark::State &state, const Case &c, const QString &line)
{
    // The candidates are characters, so the digits are their numbers.
    const auto shown = std::count_if(line.cbegin(), line.cend(), [](QChar ch) { return ch.isDigit(); });
    state.SetLabel((c.before + c.key).toStdString() + ", " + std::to_string(shown)
                   + " candidates shown" + (line.endsWith(u'>') ? " and more" : ""));
}

void BM_KeystrokeInputMethod(benchmark::State &state)
{
    loadSimplifiedTable();
    const Case &c = cases[state.range(0)];
    const KeyStroke key = KeyStroke::typed(c.key);
    InputMethod input;
    for (auto _ : state) {
        input.setInput(c.before, int(c.before.size()));
        input.press(key);
        benchmark::DoNotOptimize(input.candidateLine().constData());
    }
    setLabel(state, c, input.candidateLine());
}
BENCHMARK(BM_KeystrokeInputMethod)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// drawn: also the relayout and repaint the new line asks for, as the event loop runs them next.
void keystrokeEditorWindow(benchmark::State &state, bool drawn)
{
    loadSimplifiedTable();
    const Case &c = cases[state.range(0)];
    QTemporaryDir folder;
    SettingsStore settings(folder.path());
    DictionaryTables tables;
    ProgramContext context{folder.path(), settings, tables};
    ChineseEditorWindow editor(context, Language::English);
    editor.show();
    QCoreApplication::processEvents();
    auto *box = editor.findChild<QLineEdit *>(u"TextBox2"_s);
    auto *line = editor.findChild<QLabel *>(u"Label2"_s);
    box->setFocus();
    const QString text(c.key);
    const int qtKey = Qt::Key_A + (c.key.unicode() - u'a');

    for (auto _ : state) {
        state.PauseTiming();
        box->setText(c.before);
        line->clear();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();

        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(box, &release);
        if (drawn)
            QCoreApplication::sendPostedEvents();
    }
    if (box->text() != c.before + c.key)
        state.SkipWithError("the key did not reach the input box");
    setLabel(state, c, line->text());
}

void BM_KeystrokeEditorWindow(benchmark::State &state)
{
    keystrokeEditorWindow(state, false);
}
BENCHMARK(BM_KeystrokeEditorWindow)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeEditorWindowDrawn(benchmark::State &state)
{
    keystrokeEditorWindow(state, true);
}
BENCHMARK(BM_KeystrokeEditorWindowDrawn)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

} // namespace
