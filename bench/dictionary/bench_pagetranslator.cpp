// The page translator's page from a copied text, window and all, on the real stores: 10,000,
// 20,000 and 50,000 characters of running Chinese with Latin letters, digits, punctuation and
// characters outside the BMP, so that the time per character shows the work grows linearly.

#include "bench/common/benchtables.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/pagetranslator/pagetranslatorwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString kParagraph =
    u"中國人民在長期的歷史發展中創造了燦爛的文化。我們都是中國人，我們愛學習中文 (Chinese)。"
    u"北京大学是中国最有名的大学之一，每年有 3,000 多个外国留学生来这里学习汉语。"
    u"圖書館裡有許多關於電腦科學和經濟學的書籍 \U00020000\U0002A6A5，學生們常常在那裡讀書到很晚！"_s;

void createPageFromText(benchmark::State &state)
{
    DictionaryTables *tables = BenchTables::open(state);
    if (!tables)
        return;
    const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
    SettingsStore settings(folder);
    ProgramContext context{folder, settings, *tables};
    QString text;
    while (text.size() < state.range(0))
        text += kParagraph;
    text.truncate(state.range(0));
    PageTranslatorWindow window(context);
    window.resize(1200, 800);
    window.show();
    for (auto _ : state) {
        window.createPageFromText(text);
        QApplication::processEvents(); // the page painted
    }
    state.counters["cells"] = window.cellCount();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(createPageFromText)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
