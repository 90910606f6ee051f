// Benchmarks of the engines the program runs on (Google Benchmark).
#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Loading the character view whole, as the numerology does on first use.
void BM_LoadCharacterView(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.dll"));
    const auto built = qiming::data::buildDatabase(path, qiming::data::defaultSourceDirs());
    if (!built.ok) {
        state.SkipWithError(built.error.toStdString().c_str());
        return;
    }
    qiming::data::Database db;
    db.open(path, qiming::data::kDatabasePassword);
    for (auto _ : state) {
        auto rs = qiming::data::RowSet::load(
            db, QStringLiteral("select 字典.zi,字典.bihua,字典.pinyin,字典.py,五行.wuxing,五行.bihua "
                               "from 字典 left join 五行 on 字典.zi=五行.zi"));
        benchmark::DoNotOptimize(rs.rowCount());
    }
}
BENCHMARK(BM_LoadCharacterView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
