// Cost of one reading computation and of every date the lists can form.
#include "catalogue.h"
#include "gemstones.h"
#include "numerology.h"

#include <benchmark/benchmark.h>

#include <QStringList>

namespace {

Reading FullReading(const QString &day, const QString &month, const QString &year)
{
    Reading r = ComputeReading(day, month, year);
    r.LifePathText = LifePathCatalogue(r.LifePathNumber).value_or(QString());
    r.BirthdayText = BirthdayCatalogue(r.BirthdayNumber).value_or(QString());
    if (const auto gem = GemForRoots(r.LifePathRoot, r.BirthdayRoot)) {
        r.GemName = gem->name;
        r.GemDescription = gem->description;
        r.GemPicture = gem->picture;
    }
    return r;
}

void OneReading(benchmark::State &state)
{
    const QString day = QStringLiteral("29"), month = QStringLiteral("November"),
                  year = QStringLiteral("1999");
    for (auto _ : state)
        benchmark::DoNotOptimize(FullReading(day, month, year));
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
                    sum += FullReading(d, m, y).GemPicture;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 31 * 12 * 151);
}
BENCHMARK(EveryListDate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
