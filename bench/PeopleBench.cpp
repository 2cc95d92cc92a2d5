// The people book with 10,000 people: adding them in one change, reading
// them all back, reading everyone's mansion (the People window's and
// the calendar's work before they show), and importing 10,000 CSV rows with
// coordinates as the window's import does (read, checked, added).
#include "bench/BenchPeople.h"
#include "cli/PeopleOutput.h"
#include "people/PeopleBook.h"
#include "people/PeopleCsv.h"
#include "people/PeopleImport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string FreshBook()
{
    std::string folder = (std::filesystem::temp_directory_path() / "qamarel-people-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data()))
        std::abort();
    return folder + "/qamarel/people.sqlite";
}

void AddTenThousand(benchmark::State& state)
{
    const std::vector<Person> people = TenThousandPeople(false);
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
        book.AddAll(TenThousandPeople(false), added);
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
    const std::vector<Person> people = TenThousandPeople(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(NamesByMansion(people).size());
}
BENCHMARK(MansionsOfTenThousand)->Unit(benchmark::kMillisecond);

void ImportTenThousandCsvRows(benchmark::State& state)
{
    const std::string csv = (std::filesystem::path(FreshBook()).parent_path().parent_path() / "people.csv").string();
    std::ofstream(csv, std::ios::binary) << PeopleCsv(TenThousandPeople(false));
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = FreshBook();
        PeopleBook book;
        book.Open(path);
        state.ResumeTiming();
        std::vector<Person> people;
        for (const ImportRow& row : ReadPeopleFile(csv, "people.csv", nullptr))
            if (row.person)
                people.push_back(*row.person);
        PeopleBook::Added added;
        if (people.size() != 10000 || !book.AddAll(people, added).ok() || added.added != 10000)
            state.SkipWithError("the rows were not all imported");
        state.PauseTiming();
        std::filesystem::remove_all(std::filesystem::path(path).parent_path().parent_path());
        state.ResumeTiming();
    }
    std::filesystem::remove_all(std::filesystem::path(csv).parent_path());
}
BENCHMARK(ImportTenThousandCsvRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
