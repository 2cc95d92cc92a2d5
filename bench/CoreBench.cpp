// Core speed: one reading against the floor of the 27 sines it needs.
#include "core/MoonLongitude.h"
#include "core/modEphemeris.h"
#include "core/SignPosition.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/MansionChoice.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"
#include "core/MansionStays.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

ChartRecord Birth(int i)
{
    ChartRecord c;
    c.BirthYear = static_cast<std::int16_t>(1901 + i % 150);
    c.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
    c.BirthDay = static_cast<std::int16_t>(1 + i % 28);
    c.BirthHour = static_cast<std::int16_t>(i % 24);
    c.BirthMinute = static_cast<std::int16_t>(i % 60);
    c.LongitudeDegrees = static_cast<std::int16_t>(i % 180);
    c.LongitudeMinutes = static_cast<std::int16_t>(i % 60);
    c.IsEast = i % 2 ? -1 : 0;
    c.ZoneHours = static_cast<std::int16_t>(i % 12);
    c.ZoneMinutes = i % 3 ? 0 : 30;
    c.IsDaylightSaving = i % 5 ? 0 : -1;
    return c;
}

// 64 births spread over the inputs' ranges, so that no branch is always taken.
std::array<ChartRecord, 64> Births()
{
    std::array<ChartRecord, 64> charts;
    for (int i = 0; i < 64; ++i)
        charts[static_cast<std::size_t>(i)] = Birth(i * 7919);
    return charts;
}

// Fourteen inputs to the mansion's row of texts: conversion, series, offset,
// position text, the mansion choice from that text and the row it names.
void BM_OneReading(benchmark::State& state)
{
    std::array<ChartRecord, 64> charts = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        ChartRecord& chart = charts[i++ & 63];
        modEphemeris::ComputeMoonPosition(chart);
        MansionSignState sign;
        const MansionChoice choice = ChooseMansion(chart.MoonPositionText, sign);
        benchmark::DoNotOptimize(&modArabicLunarMansionInformation::MansionTable()[static_cast<std::size_t>(choice.mansion - 1)]);
    }
}
BENCHMARK(BM_OneReading);

// The Moon's passage through the mansion of a birth: the minutes it came in
// and went on, by the readings' own engine (target: under 50 µs).
void BM_MansionPassage(benchmark::State& state)
{
    const std::array<ChartRecord, 64> charts = Births();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMansionPassage(charts[i++ & 63]));
}
BENCHMARK(BM_MansionPassage)->Unit(benchmark::kMicrosecond);

// A year of the Moon's stays in the mansions, some 370 of them, each change
// found from the one before (target: under 5 ms).
void BM_YearOfStays(benchmark::State& state)
{
    const long from = (DaysFromCivil({2026, 1, 1}) * 24) * 60 - 660;
    const long to = (DaysFromCivil({2027, 1, 1}) * 24) * 60 - 660;
    const Clocks zone = Clocks::Fixed(660);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMansionStays(from, to, zone));
}
BENCHMARK(BM_YearOfStays)->Unit(benchmark::kMillisecond);

// The same with the ten texts copied out, as the tool and the window use them.
void BM_OneReadingWithTexts(benchmark::State& state)
{
    std::array<ChartRecord, 64> charts = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        MansionReading reading = ReadingForChart(charts[i++ & 63]);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_OneReadingWithTexts);

// The floor: the 27 sines a reading needs (25 series terms, 2 nutation terms),
// of the very arguments the engine passes, for births spread over the years.
void BM_TwentySevenSines(benchmark::State& state)
{
    constexpr int births = 64;
    static double arguments[births][27];
    const int terms[25][4] = {{0, 0, 1, 0},  {2, 0, -1, 0}, {2, 0, 0, 0},  {0, 0, 2, 0},  {0, 1, 0, 0},
                              {0, 0, 0, 2},  {2, 0, -2, 0}, {2, -1, -1, 0}, {2, 0, 1, 0}, {2, -1, 0, 0},
                              {0, 1, -1, 0}, {1, 0, 0, 0},  {0, 1, 1, 0},  {2, 0, 0, -2}, {0, 0, 1, 2},
                              {0, 0, 1, -2}, {4, 0, -1, 0}, {0, 0, 3, 0},  {4, 0, -2, 0}, {2, 1, -1, 0},
                              {2, 1, 0, 0},  {1, 0, -1, 0}, {1, 1, 0, 0},  {2, -1, 1, 0}, {2, 0, 2, 0}};
    for (int b = 0; b < births; ++b) {
        const double T = -1.0 + 1.5 * b / births;
        const double D = (297.8502042 + 445267.1115168 * T) * DegreesToRadians;
        const double M = (357.5291092 + 35999.0502909 * T) * DegreesToRadians;
        const double Mp = (134.9634114 + 477198.8676313 * T) * DegreesToRadians;
        const double F = (93.2720993 + 483202.0175273 * T) * DegreesToRadians;
        for (int t = 0; t < 25; ++t)
            arguments[b][t] = terms[t][0] * D + terms[t][1] * M + terms[t][2] * Mp + terms[t][3] * F;
        arguments[b][25] = (125.044555 - 1934.1361849 * T) * DegreesToRadians;
        arguments[b][26] = 2.0 * (280.466449 + 36000.7698231 * T) * DegreesToRadians;
    }
    int b = 0;
    for (auto _ : state) {
        const double* x = arguments[b++ & (births - 1)];
        double sum = 0.0;
        for (int k = 0; k < 27; ++k)
            sum += std::sin(x[k]);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TwentySevenSines);

// Parts of a reading, to see where its time goes.
void BM_SeriesOnly(benchmark::State& state)
{
    double T = -0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonTropicalLongitude(T));
        T += 1e-6;
    }
}
BENCHMARK(BM_SeriesOnly);

void BM_FormatOnly(benchmark::State& state)
{
    std::string text;
    double x = 0.1;
    for (auto _ : state) {
        FormatSignPositionInto(x, text);
        benchmark::DoNotOptimize(text.data());
        x += 0.001;
        if (x >= 360)
            x = 0;
    }
}
BENCHMARK(BM_FormatOnly);

void BM_MansionChoice(benchmark::State& state)
{
    MansionSignState sign;
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseMansion("19\xC2\xB0 27' 45\" Lib", sign));
}
BENCHMARK(BM_MansionChoice);

}  // namespace

