#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace app {

// The installer log arrives as raw bytes: 8-bit text in the system's ANSI
// code page, or UTF-16 little-endian with or without a byte-order mark.

// True when the log is UTF-16: byte 0 is 0xFF, 0xFE or 0x00, or byte 1 is
// 0x00. A log of fewer than two bytes is judged by the bytes it has.
bool is_wide_log(std::string_view log_bytes);

// The first floor(n / 2) 16-bit units of the log, each low byte first. A
// byte-order mark stays part of the text (0xFE 0xFF gives U+FFFE); an odd
// last byte is dropped.
std::u16string wide_log_text(std::string_view log_bytes);

// Writes the system ANSI form of a wide text into the room given, as far as
// it goes; nothing beyond the room is touched and no failure is reported.
using ansi_writer = void (*)(std::u16string_view text, std::span<char> room);

// The program's ansi_writer: the system's conversion into the system ANSI
// code page (as the library resolves code page 0) with no flags, no default
// character of its own and no used-default report, so a character without
// mapping becomes the default character and the conversion goes on. Its
// result is ignored: a conversion that runs out of room leaves in the room
// what it wrote until then.
void write_system_ansi(std::u16string_view text, std::span<char> room);

// A byte text of a fixed length that starts as zero bytes. It is taken
// from the allocator already zeroed (calloc), so that the pages of a large
// text that are never written are never filled either.
class zeroed_text {
public:
    // Raises std::bad_alloc when the memory cannot be had.
    explicit zeroed_text(std::size_t size);

    std::size_t size() const noexcept { return size_; }
    char* data() noexcept { return bytes_.get(); }
    std::string_view view() const noexcept { return {bytes_.get(), size_}; }
    operator std::string_view() const noexcept { return view(); }

private:
    struct release {
        void operator()(char* bytes) const noexcept;
    };
    std::unique_ptr<char[], release> bytes_;
    std::size_t size_;
};

// The 8-bit text that the analysis of a wide log searches: log_size zero
// bytes, over whose beginning the wide text is written in ANSI form with
// room for at most one byte per unit. What the writer could not write stays
// zero bytes.
zeroed_text wide_analysis_text(std::u16string_view wide_text, std::size_t log_size,
                               ansi_writer write_ansi);

}  // namespace app
