#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/codepage.hpp"

namespace platform::codepage::posix {

// The two directions of a single-byte code page. Every byte has a
// character: a byte that the charset leaves undefined stands for the code
// point of its own value (0x81 in 1252 is U+0081), as on Windows.
class single_byte_table {
public:
    single_byte_table(number page, std::string_view charset);

    char16_t widen(unsigned char byte) const { return to_wide_[byte]; }
    // The byte of a character; false when the code page has none.
    bool narrow(char16_t unit, char& byte) const;

private:
    struct reverse_entry {
        char16_t unit;
        std::uint8_t byte;
    };

    std::array<char16_t, 256> to_wide_{};
    std::array<reverse_entry, 256> reverse_{};  // sorted by unit
    std::size_t reverse_size_ = 0;
    bool ascii_identity_ = true;  // bytes 0x00 to 0x7F are U+0000 to U+007F
};

// The table of a single-byte page of the served list. The tables are read
// from iconv on first use and never change afterwards.
const single_byte_table& table_of(number page);

outcome single_byte_to_wide(const single_byte_table& table, std::string_view text,
                            std::span<char16_t> out);
outcome wide_to_single_byte(const single_byte_table& table, std::u16string_view text,
                            std::span<char> out, bool report_default);

}  // namespace platform::codepage::posix
