#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/codepage.hpp"

namespace platform::codepage::posix {

// How a served code page is converted.
enum class engine : std::uint8_t {
    single_byte,  // a 256-entry table read from iconv once
    multi_byte,   // iconv on every call
    utf8,         // our own UTF-8 codec
};

struct served_page {
    number page;
    std::string_view charset;  // the iconv name; empty for utf8
    std::uint32_t max_char_size;
    engine kind;
};

// The served page of a code page number; nullptr for a page that the
// system does not know.
const served_page* find_served_page(number page);

// Every served page, sorted by number.
std::span<const served_page> all_served_pages();

}  // namespace platform::codepage::posix
