#include "platform/posix/single_byte.hpp"

#include <algorithm>
#include <array>
#include <map>

#include "platform/posix/iconv_handle.hpp"
#include "platform/posix/served_pages.hpp"

namespace platform::codepage::posix {

namespace {

constexpr char default_character = '?';

struct correction {
    number page;
    std::uint8_t byte;
    char16_t unit;
};

// Bytes where glibc's tables differ from the Windows code pages.
constexpr std::array<correction, 2> corrections{{
    {10000, 0xC6, 0x2206},  // INCREMENT, where glibc has GREEK CAPITAL LETTER DELTA
    {10000, 0xF0, 0xF8FF},  // the Apple logo in Apple's private use slot (glibc: U+E01E)
}};

// The character of one byte, or -1 when the charset leaves it undefined.
int decode_one(iconv_handle& decoder, unsigned char byte) {
    decoder.reset();
    const char input = static_cast<char>(byte);
    const char* in = &input;
    std::size_t in_left = 1;
    char16_t units[4] = {};
    char* out = reinterpret_cast<char*>(units);
    std::size_t out_left = sizeof units;
    if (!decoder.convert(&in, &in_left, &out, &out_left) || !decoder.flush(&out, &out_left)) {
        return -1;
    }
    // Exactly one unit; anything else is no character of a single-byte page.
    return out_left == sizeof units - sizeof(char16_t) ? units[0] : -1;
}

}  // namespace

single_byte_table::single_byte_table(number page, std::string_view charset) {
    iconv_handle decoder(native_utf16(), charset);
    std::array<bool, 256> defined{};
    for (int b = 0; b < 256; ++b) {
        int unit = decoder.is_open() ? decode_one(decoder, static_cast<unsigned char>(b)) : -1;
        for (const auto& fix : corrections) {
            if (fix.page == page && fix.byte == b) {
                unit = fix.unit;
            }
        }
        defined[b] = unit >= 0;
        to_wide_[b] = static_cast<char16_t>(defined[b] ? unit : b);
        if (b < 0x80 && to_wide_[b] != b) {
            ascii_identity_ = false;
        }
    }
    // Defined bytes first, so that a character keeps its defined byte when
    // an undefined byte stands for the same code point.
    for (const bool pass_defined : {true, false}) {
        for (int b = 0; b < 256; ++b) {
            if (defined[b] != pass_defined) {
                continue;
            }
            const char16_t unit = to_wide_[b];
            const auto end = reverse_.begin() + static_cast<std::ptrdiff_t>(reverse_size_);
            if (std::find_if(reverse_.begin(), end,
                             [unit](const reverse_entry& e) { return e.unit == unit; }) == end) {
                reverse_[reverse_size_++] = {unit, static_cast<std::uint8_t>(b)};
            }
        }
    }
    std::sort(reverse_.begin(), reverse_.begin() + reverse_size_,
              [](const reverse_entry& a, const reverse_entry& b) { return a.unit < b.unit; });
}

bool single_byte_table::narrow(char16_t unit, char& byte) const {
    if (unit < 0x80 && ascii_identity_) {
        byte = static_cast<char>(unit);
        return true;
    }
    const auto end = reverse_.begin() + static_cast<std::ptrdiff_t>(reverse_size_);
    const auto found = std::lower_bound(
        reverse_.begin(), end, unit, [](const reverse_entry& e, char16_t u) { return e.unit < u; });
    if (found == end || found->unit != unit) {
        return false;
    }
    byte = static_cast<char>(found->byte);
    return true;
}

const single_byte_table& table_of(number page) {
    static const std::map<number, single_byte_table> tables = [] {
        std::map<number, single_byte_table> built;
        for (const served_page& served : all_served_pages()) {
            if (served.kind == engine::single_byte) {
                built.try_emplace(served.page, served.page, served.charset);
            }
        }
        return built;
    }();
    return tables.at(page);
}

outcome single_byte_to_wide(const single_byte_table& table, std::string_view text,
                            std::span<char16_t> out) {
    if (out.size() < text.size()) {
        return {0, status::insufficient_buffer, false};
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = table.widen(static_cast<unsigned char>(text[i]));
    }
    return {text.size(), status::success, false};
}

outcome wide_to_single_byte(const single_byte_table& table, std::u16string_view text,
                            std::span<char> out, bool report_default) {
    std::size_t written = 0;
    bool used_default = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (written == out.size()) {
            return {0, status::insufficient_buffer, false};
        }
        char byte = 0;
        if (!table.narrow(text[i], byte)) {
            // A surrogate pair is one character and takes one default character.
            if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                ++i;
            }
            byte = default_character;
            used_default = used_default || report_default;
        }
        out[written++] = byte;
    }
    return {written, status::success, used_default};
}

}  // namespace platform::codepage::posix
