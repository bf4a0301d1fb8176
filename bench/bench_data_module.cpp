// The listing services of the data module on a data folder the size of a busy office's ten years:
// 100,000 listings across every kind. Drawing a number, reading a listing and inserting one are
// what an entry window does on every save and every step of its navigator; each must stay well
// under 5 ms. The program exits with 1 when one of them does not.

#include "bench_data.h"
#include "data/data_module.h"
#include "data/database.h"
#include "data/listing_record.h"

#include "bench_limit.h"
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>

namespace {

using benchdata::kListings;
using benchdata::makeListing;
constexpr double kLimitMs = 5.0;

Tdm *g_dm = nullptr;

void BM_NextListingId(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_dm->NextListingId());
}

void BM_ReadListing(benchmark::State &state)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> id(1, kListings);
    for (auto _ : state) {
        const mamulRecord r = g_dm->ReadListing(id(rng));
        if (r["Id_seq"].isEmpty())
            state.SkipWithError("a listing that should exist was not found");
        benchmark::DoNotOptimize(r);
    }
}

void BM_InsertNewListing(benchmark::State &state)
{
    std::mt19937 rng(11);
    for (auto _ : state) {
        state.PauseTiming();
        mamulRecord r = makeListing(0, rng);
        state.ResumeTiming();
        benchmark::DoNotOptimize(g_dm->InsertNewListing(r));
    }
}

BENCHMARK(BM_NextListingId)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadListing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertNewListing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir home;
    const QString folder = benchdata::makeDataFolder(home);
    if (folder.isEmpty())
        return 1;
    auto dm = std::make_unique<Tdm>();
    dm->DataPath = folder;
    setDataModule(dm.get());
    g_dm = dm.get();

    LimitReporter reporter(kLimitMs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    setDataModule(nullptr);
    dm.reset();
    database::close();
    for (const QString &line : reporter.overLimit)
        std::fprintf(stderr, "over %.0f ms: %s\n", kLimitMs, qPrintable(line));
    return reporter.overLimit.isEmpty() ? 0 : 1;
}
