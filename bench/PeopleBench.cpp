// The people book with 10,000 people: adding them in one change, reading
// them all back, and reading everyone's mansion (the People window's and
// the calendar's work before they show).
#include "cli/PeopleOutput.h"
#include "people/PeopleBook.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::vector<Person> TenThousand()
{
    std::vector<Person> people;
    for (int i = 0; i < 10000; ++i) {
        Person p;
        p.name = "Person " + std::to_string(i);
        p.year = 1901 + i % 150, p.month = 1 + i % 12, p.day = 1 + i % 28, p.hour = i % 24, p.minute = i % 60;
        p.latitude = (i % 180) - 89.5, p.longitude = (i % 360) - 179.5;
        p.zoneMinutes = (i % 27 - 12) * 60;
        people.push_back(std::move(p));
    }
    return people;
}

std::string FreshBook()
{
    std::string folder = (std::filesystem::temp_directory_path() / "qamarel-people-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data()))
        std::abort();
    return folder + "/qamarel/people.sqlite";
}

void AddTenThousand(benchmark::State& state)
{
    const std::vector<Person> people = TenThousand();
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshBook();
        PeopleBook book;
        book.Open(path);
        state.ResumeTiming();
        PeopleBook::Added added;
        benchmark::DoNotOptimize(book.AddAll(people, added).ok());
        state.PauseTiming();
        std::filesystem::remove_all(std::filesystem::path(path).parent_path().parent_path());
        state.ResumeTiming();
    }
}
BENCHMARK(AddTenThousand)->Unit(benchmark::kMillisecond);

void OpenAndListTenThousand(benchmark::State& state)
{
    const std::string path = FreshBook();
    {
        PeopleBook book;
        book.Open(path);
        PeopleBook::Added added;
        book.AddAll(TenThousand(), added);
    }
    for (auto _ : state) {
        PeopleBook book;
        book.Open(path);
        BookResult read;
        benchmark::DoNotOptimize(book.List(read).size());
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path().parent_path());
}
BENCHMARK(OpenAndListTenThousand)->Unit(benchmark::kMillisecond);

void MansionsOfTenThousand(benchmark::State& state)
{
    const std::vector<Person> people = TenThousand();
    for (auto _ : state)
        benchmark::DoNotOptimize(NamesByMansion(people).size());
}
BENCHMARK(MansionsOfTenThousand)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
