// The cost of one name in each loop of the job, against a window that answers at once.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/instant_window.h"
#include "names/name_job.h"
#include "names/pickers.h"

namespace {

constexpr int kNamesPerJob = 1000;

// Arguments: 1 for random surnames, 0 for the typed one; the name length 2, 3 or 4.
void BM_GenerateNames(benchmark::State& state) {
    const bool random_surname = state.range(0) != 0;
    const std::string length = std::to_string(state.range(1));
    const std::string count = std::to_string(kNamesPerJob);
    bench_support::SetUpInstantWindow(random_surname, length.c_str(), count.c_str());
    const std::size_t bytes_before = bench_support::AppendedBytes();
    for (auto _ : state) {
        names::GenerateNames();
    }
    const std::size_t bytes_per_name = 2 + 2 * static_cast<std::size_t>(state.range(1) - 1) + 2;
    if (bench_support::AppendedBytes() - bytes_before !=
        bytes_per_name * kNamesPerJob * static_cast<std::size_t>(state.iterations())) {
        state.SkipWithError("the job did not append the names it should have");
    }
    state.SetLabel(random_surname ? "random surname" : "typed surname");
    state.counters["per_name"] = benchmark::Counter(
        kNamesPerJob, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerateNames)->ArgsProduct({{1, 0}, {2, 3, 4}});

// The pickers on their own, for reading the job's figures.
void BM_PickRandomSurname(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(names::PickRandomSurname());
    }
}
BENCHMARK(BM_PickRandomSurname);

void BM_PickRandomHanzi(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(names::PickRandomHanzi(1));
    }
}
BENCHMARK(BM_PickRandomHanzi);

}  // namespace

BENCHMARK_MAIN();
