#pragma once

#include <span>
#include <string_view>

#include "platform/codepage.hpp"

namespace platform::codepage::posix {

// UTF-16 to UTF-8. A surrogate pair becomes one four-byte sequence; a lone
// surrogate is written as U+FFFD (and sets used_default when report_default
// is given).
outcome utf16_to_utf8(std::u16string_view text, std::span<char> out, bool report_default);

// UTF-8 to UTF-16. A four-byte sequence becomes a surrogate pair. An
// ill-formed sequence fails the call with strict; otherwise each maximal
// ill-formed part (the longest prefix of a valid sequence, or one byte) is
// replaced by one U+FFFD.
outcome utf8_to_utf16(std::string_view text, std::span<char16_t> out, bool strict);

}  // namespace platform::codepage::posix
