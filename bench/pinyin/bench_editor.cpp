// One keystroke in the Chinese editor's input box up to the rebuilt candidate line: "s" into the
// empty box (hundreds of candidates behind the first page) and the "g" that completes "zhuang".
// First the input method alone, then the real window offscreen: the key handled, and the key
// handled and drawn. Then whole words: the word index built, and a sentence typed with it.

#include "dictionary/frequencies.h"
#include "dictionary/tables.h"
#include "dictionary/wordindex.h"
#include "pinyin/inputmethod.h"
#include "pinyin/syllabletables.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/chineseeditor/chineseeditorwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    const auto shown =
        std::count_if(line.cbegin(), line.cend(), [](QChar ch) { return ch.isDigit(); });
    state.SetLabel((c.before + c.key).toStdString() + ", " + std::to_string(shown) +
                   " candidates shown" + (line.endsWith(u'>') ? " and more" : ""));
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

// Whole words with the real word table and frequency store: a sentence typed key by key,
// choices with the space bar included, one keystroke an iteration.
namespace words {

const QString sentence = u"women shi zhongguoren "_s;

long residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);

void BM_WordIndexBuild(benchmark::State &state)
{
    std::shared_ptr<const WordIndex> kept;
    for (auto _ : state) {
        const std::shared_ptr<const WordIndex> index =
            WordIndex::build(folder, Frequencies(folder));
        benchmark::DoNotOptimize(index.get());
        kept = index;
    }
    state.SetLabel(std::to_string(kept->size()) + " words");
}
BENCHMARK(BM_WordIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KeystrokeWordsInputMethod(benchmark::State &state)
{
    loadSimplifiedTable();
    static const std::shared_ptr<const WordIndex> index =
        WordIndex::build(folder, Frequencies(folder));
    InputMethod input;
    input.setWordSource(index.get());
    QString document;
    qsizetype next = 0;
    for (auto _ : state) {
        if (next == sentence.size()) {
            state.PauseTiming();
            input.setInput(QString(), 0);
            next = 0;
            document.clear();
            state.ResumeTiming();
        }
        document += input.press(KeyStroke::typed(sentence.at(next++))).insert;
        benchmark::DoNotOptimize(input.candidateLine().constData());
    }
    state.SetLabel(document.toStdString());
}
BENCHMARK(BM_KeystrokeWordsInputMethod)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The real window: the key sent, handled, and the new line laid out and drawn.
void BM_KeystrokeWordsEditorWindow(benchmark::State &state)
{
    loadSimplifiedTable();
    QTemporaryDir settingsFolder;
    SettingsStore settings(settingsFolder.path());
    DictionaryTables tables;
    ProgramContext context{folder, settings, tables};
    const long before = residentKiB();
    ChineseEditorWindow editor(context, Language::English);
    editor.show();
    auto *box = editor.findChild<QLineEdit *>(u"TextBox2"_s);
    auto *line = editor.findChild<QLabel *>(u"Label2"_s);
    auto *document = editor.findChild<QPlainTextEdit *>(u"TextBox3"_s);
    box->setFocus();
    box->setText(u"zhongguo"_s);
    // Until the words are in, the line starts with a character.
    QElapsedTimer waited;
    waited.start();
    while (!line->text().startsWith(u"  1 中国"_s) && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, u"o"_s);
        box->setText(u"zhonggu"_s);
        QApplication::sendEvent(box, &press);
    }
    if (!line->text().startsWith(u"  1 中国"_s)) {
        state.SkipWithError("the words did not come");
        return;
    }
    state.counters["MB_more"] = double(residentKiB() - before) / 1024.0;
    box->clear();
    document->clear();
    qsizetype next = 0;
    for (auto _ : state) {
        if (next == sentence.size()) {
            state.PauseTiming();
            box->clear();
            document->clear();
            line->clear();
            QCoreApplication::sendPostedEvents();
            next = 0;
            state.ResumeTiming();
        }
        const QChar ch = sentence.at(next++);
        const int key = ch == u' ' ? int(Qt::Key_Space) : Qt::Key_A + (ch.unicode() - u'a');
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
        QCoreApplication::sendPostedEvents();
    }
    state.SetLabel(document->toPlainText().toStdString());
}
BENCHMARK(BM_KeystrokeWordsEditorWindow)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace words
