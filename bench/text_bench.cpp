// Transfer codings and UTF-8 conversions on 16 MiB of log-like text, beside
// memcpy of the same buffer. Every figure counts the bytes of the 16 MiB
// buffer, so the rates compare directly.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "vantor/coding/translate/codings.hpp"
#include "vantor/unicode/conversion.hpp"

namespace {

constexpr std::size_t buffer_size = 16u << 20;

// Mostly ASCII lines, one in eight with Latin-1 letters, one in sixteen
// with CJK, all in UTF-8.
const std::string& log_text() {
    static const std::string text = [] {
        const std::string lines[] = {
            "MSI (s) (A4:B8) [12:42:16:123]: Executing op: ComponentRegister(ComponentId=x)\r\n",
            "Action ended 12:42:17: InstallFiles. Return value 1.\r\n",
            "Property(S): ProductVersion = 4.2.1603\r\n",
            "Fichier copi\xC3\xA9 : C:\\Programme\\G\xC3\xA9n\xC3\xA9rateur\\\xC3\xBC"
            "ber.dll\r\n",
            "Error 1603. \xE5\xAE\x89\xE8\xA3\x85\xE5\xA4\xB1\xE8\xB4\xA5 "
            "\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB\r\n",
        };
        std::string built;
        built.reserve(buffer_size + 256);
        for (std::size_t n = 0; built.size() < buffer_size; ++n) {
            const std::size_t pick = n % 16 == 15 ? 4 : n % 8 == 7 ? 3 : n % 3;
            built += lines[pick];
        }
        // Cut at a line end so that the text stays well-formed UTF-8.
        built.resize(built.rfind('\n', buffer_size - 1) + 1);
        built.resize(buffer_size, '.');
        return built;
    }();
    return text;
}

void finish(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer_size));
}

void copy_memcpy(benchmark::State& state) {
    const std::string& text = log_text();
    std::string target(text.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), text.data(), text.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    finish(state);
}
BENCHMARK(copy_memcpy)->Unit(benchmark::kMillisecond);

void encode_base64(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::coding::translate::encode_base64(log_text()));
    }
    finish(state);
}
BENCHMARK(encode_base64)->Unit(benchmark::kMillisecond);

void decode_base64(benchmark::State& state) {
    const std::string encoded = vantor::coding::translate::encode_base64(log_text());
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::coding::translate::decode_base64(encoded));
    }
    finish(state);
}
BENCHMARK(decode_base64)->Unit(benchmark::kMillisecond);

void encode_quoted_printable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::coding::translate::encode_quoted_printable(log_text()));
    }
    finish(state);
}
BENCHMARK(encode_quoted_printable)->Unit(benchmark::kMillisecond);

void narrow_to_utf8(benchmark::State& state) {
    const std::u16string wide = vantor::unicode::widen(log_text(), 65001);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::unicode::narrow(wide, 65001));
    }
    finish(state);
}
BENCHMARK(narrow_to_utf8)->Unit(benchmark::kMillisecond);

void widen_from_utf8(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::unicode::widen(log_text(), 65001));
    }
    finish(state);
}
BENCHMARK(widen_from_utf8)->Unit(benchmark::kMillisecond);

// The same bytes read as Windows-1252, where every byte is a character.
void widen_from_1252(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vantor::unicode::widen(log_text(), 1252));
    }
    finish(state);
}
BENCHMARK(widen_from_1252)->Unit(benchmark::kMillisecond);

// A new string of the same size: memcpy with the allocation that every
// operation here pays for its result.
void copy_to_new_string(benchmark::State& state) {
    for (auto _ : state) {
        std::string copy(log_text());
        benchmark::DoNotOptimize(copy.data());
    }
    finish(state);
}
BENCHMARK(copy_to_new_string)->Unit(benchmark::kMillisecond);

// Only the allocation of a widened result: 16 Mi zero-filled UTF-16 units,
// more than glibc keeps in the heap by default, so fresh pages every time.
void allocate_wide_result(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string result(buffer_size, u'\0');
        benchmark::DoNotOptimize(result.data());
    }
    finish(state);
}
BENCHMARK(allocate_wide_result)->Unit(benchmark::kMillisecond);

}  // namespace
