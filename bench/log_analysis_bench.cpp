// The log analysis over large logs: building the wide text of a UTF-16 log
// and searching the markers through a log that holds none of them (the
// whole text is scanned), beside a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "app/log_markers.hpp"
#include "app/log_text.hpp"

namespace {

constexpr std::size_t log_size = 64u << 20;

// Log-like bytes without any marker: lines of letters, digits, dots and
// slashes.
std::string sample_log() {
    const std::string line =
        "MSI (c) (A4:B8) [12:00:00:123]: Doing action: CostFinalize. 1/2/3\r\n";
    std::string log;
    log.reserve(log_size + line.size());
    while (log.size() < log_size) {
        log += line;
    }
    log.resize(log_size);
    return log;
}

void copy_baseline(benchmark::State& state) {
    const std::string log = sample_log();
    std::string copy(log.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), log.data(), log.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(copy_baseline)->Unit(benchmark::kMillisecond);

void wide_text(benchmark::State& state) {
    const std::string log = sample_log();
    for (auto _ : state) {
        benchmark::DoNotOptimize(app::wide_log_text(log));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(wide_text)->Unit(benchmark::kMillisecond);

void marker_search(benchmark::State& state) {
    const std::string log = sample_log();
    for (auto _ : state) {
        benchmark::DoNotOptimize(app::parse_product_version(log));
        benchmark::DoNotOptimize(app::parse_error_number(log));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(marker_search)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
