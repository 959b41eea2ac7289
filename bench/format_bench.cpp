// Formatting of error messages and subject pieces.
#include <benchmark/benchmark.h>

#include <string>

#include "vantor/format.hpp"

namespace {

void status_message(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::format("connect() returned status 0x%.8x", 10061));
    }
}
BENCHMARK(status_message);

// Output longer than the first buffer takes the doubling path.
void long_output(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::format("%s", text.c_str()));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(long_output)->Arg(512)->Arg(8192)->Arg(65536);

}  // namespace
