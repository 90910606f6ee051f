// Benchmarks of the engines the program runs on. Ends with one line per headline figure.
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"
#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "generation/HighScoreRun.h"
#include "generation/NameEvidence.h"
#include "generation/Recommender.h"
#include "numerology/PoemSource.h"
#include "numerology/SharedNumerology.h"
#include "review/CandidateFilters.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <cstdio>
#include <random>
#include <vector>

using namespace qiming;

namespace {

// Kangxi counts of real characters, repeated to the size asked for.
std::vector<int> sampleStrokes(size_t count)
{
    data::RowSet rows = data::RowSet::load(data::sharedDatabase(), QStringLiteral("select zi from 字典"));
    std::vector<int> all;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString zi = rows.value(r, 0);
        if (zi.size() == 1)
            if (const int n = numerology::sharedCharacterTables().kangxiCount(zi.at(0)))
                all.push_back(n);
    }
    std::vector<int> out;
    for (size_t i = 0; !all.empty() && out.size() < count; ++i)
        out.push_back(all[i % all.size()]);
    return out;
}

void BM_LoadCharacterView(benchmark::State &state)
{
    for (auto _ : state) {
        auto rs = data::RowSet::load(
            data::sharedDatabase(), QStringLiteral("select 字典.zi,字典.bihua,字典.pinyin,字典.py,五行.wuxing,五行.bihua "
                                                   "from 字典 left join 五行 on 字典.zi=五行.zi"));
        benchmark::DoNotOptimize(rs.rowCount());
    }
}
BENCHMARK(BM_LoadCharacterView)->Unit(benchmark::kMillisecond);

// Strokes in, score out: the inner step of every generation run.
void BM_ScoreFromStrokes(benchmark::State &state)
{
    const numerology::ScoreTable &table = numerology::sharedScoreTable();
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> strokes(1, 30);
    std::vector<int> names(3 * 4096);
    for (int &n : names)
        n = strokes(rng);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.score(names[i], 0, names[i + 1], names[i + 2], false));
        i = (i + 3) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreFromStrokes);

// The whole grid of two-character given names for one surname, counting those that reach 90.
double enumerateSeconds(const std::vector<int> &given)
{
    const numerology::ScoreTable &table = numerology::sharedScoreTable();
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        long qualifying = 0;
        for (const int g1 : given)
            for (const int g2 : given)
                qualifying += table.score(7, 0, g1, g2, false) >= 90;
        benchmark::DoNotOptimize(qualifying);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

double scoresPerSecond()
{
    const numerology::ScoreTable &table = numerology::sharedScoreTable();
    const std::vector<int> strokes = sampleStrokes(4096);
    constexpr long kNames = 20'000'000;
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        long sum = 0;
        for (long i = 0; i < kNames; ++i) {
            const size_t k = size_t(i) & 4095;
            sum += table.score(strokes[k], 0, strokes[(k * 7 + 1) & 4095], strokes[(k * 13 + 5) & 4095], (i & 1) != 0);
        }
        benchmark::DoNotOptimize(sum);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return double(kNames) / best;
}

// A whole high-score run through the page's engine, its ticks called back to back.
double highScoreSeconds(const QString &gender)
{
    generation::CandidateListModel list;
    generation::HighScoreRun run(&list, numerology::sharedCharacterTables(), numerology::sharedLuckTables());
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    run.prepare({QStringLiteral("李"), gender, 2, {}, 1});
    while (run.tick()) {
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Processor time as well: on a busy machine the wall clock says more about the neighbours.
    std::fprintf(stderr, "high-score %s: %lld names, %d listed, %lld left out as homophones, %.3f s processor time\n",
                 qPrintable(gender), run.total(), run.listed(), run.homophonesLeftOut(),
                 double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    return seconds;
}

// The slowest of the filter buttons over a full high-score list of 26,000 rows, results
// model included, best of five presses each.
double filterSeconds()
{
    const data::RowSet chars = data::RowSet::load(data::sharedDatabase(), QStringLiteral("select 字 from 男常用字"));
    generation::CandidateListModel source;
    source.setIdentity({true, false, QStringLiteral("nan")});
    std::vector<numerology::ScoredName> rows;
    for (int i = 0; i < chars.rowCount() && rows.size() < 26000; ++i)
        for (int j = 0; j < chars.rowCount() && rows.size() < 26000; ++j)
            rows.push_back(numerology::scoreFullName(QStringLiteral("李") + chars.value(i, 0) + chars.value(j, 0), true,
                                                     false, QStringLiteral("nan")));
    source.appendCandidates(std::move(rows));

    review::ElementRules elements;
    elements.first = {true, QStringLiteral("水木")};
    elements.second = {true, QStringLiteral("金水土")};
    elements.atLeast = {true, QStringLiteral("木")};
    elements.none = {true, QStringLiteral("火")};
    review::StrokeRules strokes;
    strokes.first = {true, 1, 10};
    strokes.second = {true, 1, 10};
    strokes.total = {true, 10, 30};
    review::CharacterRules characters{true, chars.value(0, 0), true, chars.value(1, 0)};
    review::SuperAuspiciousChoices super;
    super.lonelyNumbers = true;

    const std::pair<const char *, std::function<std::vector<generation::NameCandidate>()>> presses[] = {
        {"elements", [&] { return review::filterByElements(source, elements); }},
        {"strokes", [&] { return review::filterByStrokes(source, strokes); }},
        {"characters", [&] { return review::filterByCharacters(source, characters); }},
        {"super-auspicious",
         [&] { return review::filterSuperAuspicious(source, super, numerology::sharedLuckTables()); }},
    };
    double slowest = 0;
    for (const auto &[name, press] : presses) {
        double best = 1e9;
        size_t kept = 0;
        for (int run = 0; run < 5; ++run) {
            generation::CandidateListModel results;
            const auto start = std::chrono::steady_clock::now();
            std::vector<generation::NameCandidate> passing = press();
            kept = passing.size();
            results.setRows(std::move(passing));
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::fprintf(stderr, "filter %s over %d rows: %.4f s, %zu kept\n", name, source.size(), best, kept);
        slowest = std::max(slowest, best);
    }
    return slowest;
}

// A custom-mode run over 100 distinct characters (10,000 names), its ticks called back to back.
double customRunSeconds()
{
    const data::RowSet rows = data::RowSet::load(data::sharedDatabase(), QStringLiteral("select 字 from 女常用字"));
    QString text;
    for (int r = 0; r < rows.rowCount() && text.size() < 100; ++r)
        if (!text.contains(rows.value(r, 0)))
            text += rows.value(r, 0);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        generation::CandidateListModel list;
        generation::CharSetRun charSet(numerology::sharedCharacterTables(), numerology::sharedLuckTables());
        const auto start = std::chrono::steady_clock::now();
        charSet.start(text, &list, {QStringLiteral("李"), 2, QStringLiteral("nv")});
        while (charSet.tick()) {
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (run == 0)
            std::fprintf(stderr, "custom run: %d characters, %d names\n", int(charSet.characters().size()), list.size());
    }
    return best;
}

// One name's 诗词出处 with the index built, averaged over two-character names of real characters.
double sourceLookupSeconds()
{
    const auto buildStart = std::chrono::steady_clock::now();
    const numerology::PoemSourceIndex &index = numerology::sharedPoemSourceIndex();
    std::fprintf(stderr, "poem index: %d poems, built in %.3f s\n", index.poemCount(),
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - buildStart).count());
    const data::RowSet rows = data::RowSet::load(data::sharedDatabase(), QStringLiteral("select 字 from 女常用字"));
    std::vector<QString> names;
    for (int r = 0; r + 1 < rows.rowCount() && names.size() < 2000; r += 2)
        names.push_back(rows.value(r, 0) + rows.value(r + 1, 0));
    names.push_back(QStringLiteral("欣怡"));
    names.push_back(QStringLiteral("明月"));
    size_t found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const QString &name : names)
        found += index.lookup(name).size();
    benchmark::DoNotOptimize(found);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / double(names.size());
}

// The calendar over every day or hour of a century, as the birth chart and qiming-cli use it.
void BM_SolarToLunarCentury(benchmark::State &state)
{
    for (auto _ : state) {
        long sum = 0;
        for (int y = 1950; y < 2050; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 28; ++d) {
                    calendar::LunarDate l;
                    calendar::solarToLunar(y, m, d, &l);
                    sum += l.day;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 100 * 12 * 28);
}
BENCHMARK(BM_SolarToLunarCentury)->Unit(benchmark::kMillisecond);

void BM_FourPillarsEveryHourOfAYear(benchmark::State &state)
{
    for (auto _ : state) {
        long sum = 0;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 28; ++d) {
                for (int h = 0; h < 24; ++h) {
                    sum += calendar::yearPillar(2024, m, d, h, 30) + calendar::monthPillar(2024, m, d, h, 30)
                           + calendar::dayPillar(2024, m, d, h) + calendar::hourPillar(2024, m, d, h);
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 12 * 28 * 24);
}
BENCHMARK(BM_FourPillarsEveryHourOfAYear)->Unit(benchmark::kMillisecond);

// One astronomical term moment: what a moment within hours of a 节 costs.
void BM_SolarTermMoment(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::solarTermMoment(2024, n % 24 + 1));
        ++n;
    }
}
BENCHMARK(BM_SolarTermMoment)->Unit(benchmark::kMicrosecond);

} // namespace

// Ranking every pair of both pools by 推荐度, spread, with the reasons of the whole list: the
// best of three, after the evidence is loaded once (as the program keeps it).
double recommendAllSeconds()
{
    const generation::NameEvidence &evidence = generation::sharedNameEvidence();
    generation::Recommender recommender(numerology::sharedCharacterTables(), numerology::sharedScoreTable(),
                                        numerology::sharedHomophoneTable(), evidence);
    double best = 1e9;
    size_t ranked = 0;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        ranked = 0;
        for (const char *gender : {"nan", "nv"}) {
            generation::RecommendSetup setup;
            setup.surname = QStringLiteral("王");
            setup.gender = QString::fromLatin1(gender);
            setup.minScore = 0;
            ranked += recommender.rank(setup, 50).size();
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::fprintf(stderr, "recommend: both pools ranked, %zu names listed\n", ranked);
    return best;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(data::kDatabaseFileName);
    const data::BuildResult built = data::buildDatabase(path, data::defaultSourceDirs());
    QString error;
    if (!built.ok || data::sharedDatabase().open(path, data::kDatabasePassword, &error) != data::Database::OpenResult::Ok) {
        std::fprintf(stderr, "qiming-bench: %s\n", qPrintable(built.ok ? error : built.error));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("score_names_per_second %.0f\n", scoresPerSecond());
    std::printf("enumerate_1000x1000_seconds %.4f\n", enumerateSeconds(sampleStrokes(1000)));
    std::printf("highscore_nan_seconds %.3f\n", highScoreSeconds(QStringLiteral("nan")));
    std::printf("highscore_nv_seconds %.3f\n", highScoreSeconds(QStringLiteral("nv")));
    std::printf("filter_26k_rows_seconds %.4f\n", filterSeconds());
    std::printf("custom_run_10000_seconds %.3f\n", customRunSeconds());
    std::printf("source_lookup_seconds %.6f\n", sourceLookupSeconds());
    std::printf("recommend_all_seconds %.3f\n", recommendAllSeconds());
    data::closeDatabase();
    return 0;
}
