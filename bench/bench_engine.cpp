// Cost of one reading computation and of every date the lists can form.
#include "reading.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

void OneReading(benchmark::State &state)
{
    const QString day = QStringLiteral("29"), month = QStringLiteral("November"),
                  year = QStringLiteral("1999");
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeReading(day, month, year));
}
BENCHMARK(OneReading);

void EveryListDate(benchmark::State &state)
{
    const QStringList months = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    for (auto _ : state) {
        int sum = 0;
        for (const QString &d : days)
            for (const QString &m : months)
                for (const QString &y : years)
                    sum += ComputeReading(d, m, y).gemPicture;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 31 * 12 * 151);
}
BENCHMARK(EveryListDate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
