// Cost of one reading computation and of every date the lists can form.
#include "engine/reading.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

void OneReading(benchmark::State &state)
{
    const QString day = QStringLiteral("29"), year = QStringLiteral("1999");
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeReading(day, 11, year));
}
BENCHMARK(OneReading);

void EveryListDate(benchmark::State &state)
{
    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    for (auto _ : state) {
        int sum = 0;
        for (const QString &d : days)
            for (int m = 1; m <= 12; ++m)
                for (const QString &y : years)
                    sum += ComputeReading(d, m, y).gemPicture;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 31 * 12 * 151);
}
BENCHMARK(EveryListDate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
