#pragma once

#include <span>
#include <string_view>

#include "platform/codepage.hpp"

namespace platform::codepage::posix {

// Conversions through iconv for the multi-byte and stateful charsets.
// Without best fit: a character without mapping is written as the default
// character "?" after any shift sequence back to the initial state.
outcome wide_to_multi_byte(std::string_view charset, std::u16string_view text, std::span<char> out,
                           bool report_default);

// Invalid or incomplete input fails with strict and becomes one U+FFFD per
// skipped byte otherwise.
outcome multi_byte_to_wide(std::string_view charset, std::string_view text, std::span<char16_t> out,
                           bool strict);

}  // namespace platform::codepage::posix
