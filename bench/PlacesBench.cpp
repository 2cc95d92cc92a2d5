// The place finder's answers: a search of the offline place list, and the
// zone's offset at a date from the time-zone database. The place data is read
// on the first search; the benchmark reports the searches after it, and the
// first one separately.
#include "places/PlaceFill.h"
#include "places/PlaceSearch.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void BM_FirstPlaceSearch(benchmark::State& state)
{
    // Only the first iteration of the process reads the data; later ones are warm.
    for (auto _ : state) {
        static bool first = true;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(FindPlaces(QStringLiteral("Chatham")));
        if (first)
            state.counters["first_ms"] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        first = false;
    }
}
BENCHMARK(BM_FirstPlaceSearch)->Iterations(1);

void BM_PlaceSearch(benchmark::State& state)
{
    const QString queries[] = {QStringLiteral("London"), QStringLiteral("San"), QStringLiteral("Chatham"),
                               QStringLiteral("Kathmandu")};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindPlaces(queries[i++ % 4], QStringLiteral("Ontario"), QStringLiteral("Canada")));
}
BENCHMARK(BM_PlaceSearch)->Unit(benchmark::kMillisecond);

void BM_ZoneAtDate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ZoneAt("Europe/Berlin", QDate(1945, 6, 1), QTime(12, 0)));
}
BENCHMARK(BM_ZoneAtDate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
