#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/status_codes.hpp"

// The system's code page conversions: UTF-16 to and from the narrow text of
// a Windows code page. Failures are reported in the Windows code space
// (platform/status_codes.hpp).
namespace platform::codepage {

using number = std::int32_t;

// The largest number of bytes that one character takes in the code page;
// nothing for a code page that the system cannot convert.
std::optional<std::uint32_t> max_char_size(number page);

// The result of one conversion: the number of bytes or units written, or 0
// with the reason in error.
struct outcome {
    std::size_t count = 0;
    status::code error = status::success;
    bool used_default = false;  // some character had no mapping
};

// Converts the whole text into out. With report_default a character
// without mapping in the code page is written as the default character and
// sets used_default; without it the system substitutes silently.
// insufficient_buffer when out is too small.
outcome wide_to_multibyte(number page, std::u16string_view text, std::span<char> out,
                          bool report_default);

// Converts the whole text into out. With strict, bytes that are invalid in
// the code page fail the call with no_unicode_translation; without it they
// are replaced by U+FFFD. An unknown code page gives invalid_parameter,
// too small an out insufficient_buffer.
outcome multibyte_to_wide(number page, std::string_view text, std::span<char16_t> out, bool strict);

// The character set name of the process's locale, where code page 0 is
// chosen by the library from it; empty where the system resolves code page
// 0 itself.
std::string locale_charset();

}  // namespace platform::codepage
