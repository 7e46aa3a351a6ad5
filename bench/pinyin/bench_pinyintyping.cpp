// The pinyin editor's mark after a tone digit at the end of a long text: the rule alone on a
// long line, and the whole keystroke in the real editor window (what the user waits for).

#include "dictionary/tables.h"
#include "pinyin/tonemarks.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/pinyineditor/pinyineditorwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype textLength = 10'000;

// 10,000 characters of Unicode pinyin, in lines of about 60 or in one line, ending in "hao".
QString longText(bool oneLine)
{
    QString text;
    while (text.size() < textLength - 4)
        text += (!oneLine && text.size() % 61 > 55) ? u"\n"_s : u"nǐmen hǎo "_s;
    text.truncate(textLength - 4);
    return text + u" hao"_s;
}

void BM_ToneMarkEdit(benchmark::State &state)
{
    const QString text = longText(true) + u"3"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(toneMarkEditAt(text, text.size() - 1));
    state.SetLabel("digit after 10,000 characters in one line");
}
BENCHMARK(BM_ToneMarkEdit)->Unit(benchmark::kMicrosecond);

void BM_ToneDigitInEditor(benchmark::State &state)
{
    QTemporaryDir folder;
    SettingsStore settings(folder.path());
    DictionaryTables tables;
    ProgramContext context{folder.path(), settings, tables};
    PinyinEditorWindow window(Language::English, context);
    auto *text2 = window.findChild<QPlainTextEdit *>(u"Text2"_s);
    text2->setPlainText(longText(state.range(0) != 0));
    for (auto _ : state) {
        state.PauseTiming();
        text2->moveCursor(QTextCursor::End);
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_3, {}, u"3"_s);
        state.ResumeTiming();
        // Through Text2's own key handling: the digit goes in and the syllable is marked.
        QCoreApplication::sendEvent(text2, &digit);
        state.PauseTiming();
        if (!text2->toPlainText().endsWith(u" hǎo"_s)) {
            state.SkipWithError("no mark made");
            break;
        }
        text2->undo();
        text2->undo();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "10,000 characters in one line" : "10,000 characters in lines");
}
BENCHMARK(BM_ToneDigitInEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
