// The pinyin editor's tone replacement at the end of a long text: the typing rule alone, and
// the whole timer tick in the real editor window (what the user waits for after the digit).

#include "dictionary/tables.h"
#include "pinyin/pinyintyping.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/pinyineditor/pinyineditorwindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype textLength = 10'000;

// 10,000 characters of pinyin-font text in lines of 60, ending in the vowel just typed.
QString longText()
{
    QString text;
    while (text.size() < textLength - 2)
        text += (text.size() % 61 == 60) ? u"\n"_s : u"n\u00ED h\u00E2o "_s;
    text.truncate(textLength - 2);
    return text;
}

void BM_VowelReplacement(benchmark::State &state)
{
    const QString before = longText();
    for (auto _ : state) {
        PinyinTyping typing;
        typing.keyTyped(u'a');
        const int due = typing.keyTyped(u'3');
        const QString text = before + u"a3"_s;
        const PinyinTyping::Edit edit = typing.replacementDue(due, text, text.size());
        benchmark::DoNotOptimize(edit.appliedTo(text));
    }
    state.SetLabel("10,000 characters, new text built");
}
BENCHMARK(BM_VowelReplacement)->Unit(benchmark::kMicrosecond);

void BM_VowelReplacementInEditor(benchmark::State &state)
{
    QTemporaryDir folder;
    SettingsStore settings(folder.path());
    DictionaryTables tables;
    ProgramContext context{folder.path(), settings, tables};
    PinyinEditorWindow window(Language::English, context);
    auto *text2 = window.findChild<QPlainTextEdit *>(u"Text2"_s);
    auto *timer1 = window.findChild<QTimer *>(u"Timer1"_s); // the timer of "a"
    text2->setPlainText(longText());
    for (auto _ : state) {
        state.PauseTiming();
        text2->moveCursor(QTextCursor::End);
        // Through Text2's own key handling: the window sees the keys, Text2 inserts them.
        QKeyEvent vowel(QEvent::KeyPress, Qt::Key_A, {}, u"a"_s);
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_3, {}, u"3"_s);
        QCoreApplication::sendEvent(text2, &vowel);
        QCoreApplication::sendEvent(text2, &digit);
        state.ResumeTiming();
        QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection);
        state.PauseTiming();
        timer1->stop();
        // 9,998 characters, the marked vowel and the end of the document.
        if (text2->document()->characterCount() != textLength)
            state.SkipWithError("no replacement made");
        text2->textCursor().deletePreviousChar();
        state.ResumeTiming();
    }
    state.SetLabel("10,000 characters in Text2");
}
BENCHMARK(BM_VowelReplacementInEditor)->Unit(benchmark::kMicrosecond);

} // namespace
