// The one search box on the real word table: loading the words into memory, and from a
// keystroke to the first screenful of result lines for 200 queries of every kind a learner
// types (Chinese words and phrases in both forms, pinyin spelt every way, English, and the
// short prefixes that typing passes through). Median and 95th percentile per query are
// reported as counters in milliseconds, of wall time and of the thread's own processor time
// (on a machine that others share, wall time also counts the waits for a core).

#include "dictionary/lexiconsearch.h"

#include <QElapsedTimer>

#include <time.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList &queries()
{
    static const QStringList all = [] {
        QStringList q;
        // Chinese: words, characters, traditional forms and phrases to split.
        q << u"中国"_s << u"汉语"_s << u"学习"_s << u"我们"_s << u"你好"_s << u"谢谢"_s << u"朋友"_s
          << u"电脑"_s << u"手机"_s << u"老师"_s << u"学生"_s << u"工作"_s << u"时间"_s << u"今天"_s
          << u"明天"_s << u"北京"_s << u"上海"_s << u"天气"_s << u"吃饭"_s << u"喝水"_s << u"水"_s
          << u"火"_s << u"山"_s << u"人"_s << u"大"_s << u"小"_s << u"中"_s << u"国"_s << u"學習"_s
          << u"漢語"_s << u"電腦"_s << u"謝謝"_s << u"時間"_s << u"飛機"_s << u"火車"_s << u"醫生"_s
          << u"銀行"_s << u"圖書館"_s << u"我喜欢学习汉语"_s << u"他是我的朋友"_s
          << u"今天天气很好"_s << u"我们去北京吧"_s << u"中华人民共和国"_s << u"你叫什么名字"_s
          << u"这本书很有意思"_s << u"飞机场"_s << u"火车站"_s << u"大学生"_s << u"图书馆"_s
          << u"电视"_s;
        // Pinyin: marks, numbers, none, no spaces, ü spelt three ways, capitals.
        q << u"shuǐ"_s << u"shui3"_s << u"shui"_s << u"zhongguo"_s << u"zhong1 guo2"_s
          << u"Zhōngguó"_s << u"hanyu"_s << u"han4 yu3"_s << u"xuexi"_s << u"xué xí"_s << u"nihao"_s
          << u"ni3 hao3"_s << u"xiexie"_s << u"pengyou"_s << u"dian4 nao3"_s << u"diannao"_s
          << u"lv4"_s << u"lü"_s << u"lu:4"_s << u"nv3ren2"_s << u"nǚrén"_s << u"xi'an"_s
          << u"xian"_s << u"ma"_s << u"mā"_s << u"ma1"_s << u"shi"_s << u"shi4"_s << u"zhe4 ge5"_s
          << u"de"_s << u"shang4 hai3"_s << u"Beijing"_s << u"bei3 jing1"_s << u"guanxi"_s
          << u"jiao4 shou4"_s << u"lao3 shi1"_s << u"tian1 qi4"_s << u"chi1 fan4"_s
          << u"he1 shui3"_s << u"yi1 ge4"_s << u"zhidao"_s << u"wo3 men5"_s << u"ren2"_s << u"da4"_s
          << u"xiao3"_s << u"kuai4 le4"_s << u"sheng1 ri4"_s << u"GONG1 ZUO4"_s << u"shou3 ji1"_s
          << u"yinhang"_s;
        // English.
        q << u"water"_s << u"China"_s << u"Chinese language"_s << u"to learn"_s << u"friend"_s
          << u"computer"_s << u"teacher"_s << u"student"_s << u"work"_s << u"time"_s << u"today"_s
          << u"tomorrow"_s << u"weather"_s << u"eat"_s << u"rice"_s << u"drink"_s << u"fire"_s
          << u"mountain"_s << u"person"_s << u"big"_s << u"small"_s << u"thank you"_s << u"hello"_s
          << u"good"_s << u"bad"_s << u"love"_s << u"beautiful"_s << u"money"_s << u"book"_s
          << u"library"_s << u"airport"_s << u"train station"_s << u"doctor"_s << u"bank"_s
          << u"school"_s << u"family"_s << u"house"_s << u"city"_s << u"road"_s << u"car"_s
          << u"dog"_s << u"cat"_s << u"tea"_s << u"milk"_s << u"red"_s << u"green"_s << u"happy"_s
          << u"sad"_s << u"run"_s << u"sleep"_s;
        // What the box sees while the user types.
        q << u"w"_s << u"wa"_s << u"wat"_s << u"wate"_s << u"z"_s << u"zh"_s << u"zho"_s
          << u"zhon"_s << u"zhong"_s << u"zhongg"_s << u"s"_s << u"sh"_s << u"shu"_s << u"c"_s
          << u"ch"_s << u"chi"_s << u"chin"_s << u"chine"_s << u"l"_s << u"le"_s << u"lea"_s
          << u"lear"_s << u"x"_s << u"xu"_s << u"xue"_s << u"中"_s << u"学"_s << u"汉"_s << u"h"_s
          << u"ha"_s << u"han"_s << u"n"_s << u"ni"_s << u"nih"_s << u"t"_s << u"te"_s << u"tea"_s
          << u"f"_s << u"fr"_s << u"fri"_s << u"frie"_s << u"b"_s << u"be"_s << u"bei"_s
          << u"bei3"_s << u"d"_s << u"di"_s << u"dia"_s << u"q"_s << u"a"_s;
        return q;
    }();
    return all;
}

// One lexicon for the whole program.
const Lexicon *lexicon(benchmark::State &state)
{
    static const std::unique_ptr<const Lexicon> loaded =
        std::make_unique<const Lexicon>(Lexicon::load(QStringLiteral(ORDBOK_PROGRAM_DIR)));
    if (loaded->isEmpty()) {
        state.SkipWithError("no word table in the program folder; build ordbok_data");
        return nullptr;
    }
    return loaded.get();
}

constexpr int screenful = 50;

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

// A keystroke: the search, then the lines of the first screenful.
qsizetype keystroke(const Lexicon &words, const QString &query)
{
    LexiconResults results = LexiconSearch(words).find(query);
    qsizetype characters = 0;
    for (const LexiconHit &hit : results.hits(0, screenful))
        characters += LexiconSearch::line(words.at(hit.entry), false).size();
    return characters + results.total();
}

void BM_LexiconLoad(benchmark::State &state)
{
    for (auto _ : state) {
        const Lexicon words = Lexicon::load(QStringLiteral(ORDBOK_PROGRAM_DIR));
        benchmark::DoNotOptimize(words.size());
    }
}
BENCHMARK(BM_LexiconLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// Each iteration runs all 200 queries once; the counters give the spread per query.
void BM_OneBoxKeystroke(benchmark::State &state)
{
    const Lexicon *words = lexicon(state);
    if (!words)
        return;
    std::vector<double> wall, processor;
    for (auto _ : state) {
        for (const QString &query : queries()) {
            QElapsedTimer timer;
            timer.start();
            const double started = threadMilliseconds();
            benchmark::DoNotOptimize(keystroke(*words, query));
            processor.push_back(threadMilliseconds() - started);
            wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    state.counters["queries"] = double(queries().size());
    state.counters["median_ms"] = percentile(wall, 0.5);
    state.counters["p95_ms"] = percentile(wall, 0.95);
    state.counters["cpu_median_ms"] = percentile(processor, 0.5);
    state.counters["cpu_p95_ms"] = percentile(processor, 0.95);
    state.counters["cpu_max_ms"] = percentile(processor, 1.0);
}
BENCHMARK(BM_OneBoxKeystroke)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
