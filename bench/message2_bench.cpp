// Rendering of a large report and conversion of its body, each beside
// memcpy of the same number of bytes in the same run; and the heap that the
// rendered lines take per byte of data.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "vantor/internet/message2/message.hpp"

namespace {

namespace message2 = vantor::internet::message2;

// Installer-log-like text: mostly ASCII lines, some Latin-1, some CJK.
std::u16string log_text(std::size_t units) {
    const std::u16string lines[] = {
        u"MSI (s) (A4:B8) [10:42:17:512]: Executing op: ComponentRegister(,,State=3)\r\n",
        u"Action ended 10:42:18: InstallFiles. Return value 1.\r\n",
        u"Property(S): ProductName = Gr\u00fc\u00dfe f\u00fcr Caf\u00e9 cr\u00e8me\r\n",
        u"Property(S): ErrorDialog = \u5b89\u88c5\u5931\u8d25\uff0c\u8bf7\u91cd\u8bd5\r\n",
    };
    std::u16string text;
    text.reserve(units);
    for (std::size_t i = 0; text.size() < units; ++i) {
        text += lines[i % 8 < 6 ? i % 2 : 2 + i % 2];
    }
    text.resize(units);
    return text;
}

message2::message report_of(std::size_t data_bytes) {
    message2::message mail;
    mail.remove_header("Content-Transfer-Encoding");
    mail.add_header("Content-Transfer-Encoding", "base64");
    mail.add_header("To", "\"Installation Support\" <support@example.com>");
    mail.content.charset = "utf-8";
    mail.content.set_text(log_text(data_bytes));
    mail.content.data.resize(data_bytes, 'x');
    mail.add_header("Subject", "KV:628  OS:5.1  ExitCode:1603 (Error:27)");
    return mail;
}

constexpr std::size_t render_bytes = 64u << 20;
constexpr std::size_t set_text_units = 32u << 20;

void memcpy_bytes(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::vector<char> source(size, 'x');
    std::vector<char> target(size);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), size);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(memcpy_bytes)->Arg(render_bytes)->Unit(benchmark::kMillisecond);

void render_report(benchmark::State& state) {
    const auto mail = report_of(render_bytes);
    std::size_t heap = 0;
    for (auto _ : state) {
        auto lines = mail.render();
        benchmark::DoNotOptimize(lines.size());
        state.PauseTiming();
        // One buffer of text and one line end per line.
        heap = lines.text_size() + lines.size() * sizeof(std::size_t);
        lines = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * mail.content.data.size()));
    state.counters["heap_per_data_byte"] =
        static_cast<double>(heap) / static_cast<double>(mail.content.data.size());
}
BENCHMARK(render_report)->Unit(benchmark::kMillisecond);

void set_text_utf8(benchmark::State& state) {
    const auto text = log_text(set_text_units);
    message2::content body;
    body.charset = "utf-8";
    for (auto _ : state) {
        body.set_text(text);
        benchmark::DoNotOptimize(body.data.data());
    }
    // Measured on the UTF-16 input bytes.
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(set_text_utf8)->Unit(benchmark::kMillisecond);

}  // namespace
