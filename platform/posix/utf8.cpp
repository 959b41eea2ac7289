#include "platform/posix/utf8.hpp"

#include <cstdint>
#include <cstring>

namespace platform::codepage::posix {

namespace {

constexpr char16_t replacement = 0xFFFD;

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The range of the second byte after each lead byte; the later bytes of a
// sequence are always 0x80 to 0xBF. A lead byte with length 0 is never
// valid.
struct lead_byte {
    std::uint8_t length;
    std::uint8_t second_low;
    std::uint8_t second_high;
};

constexpr lead_byte lead_of(std::uint8_t byte) {
    if (byte < 0x80)
        return {1, 0, 0};
    if (byte < 0xC2)
        return {0, 0, 0};
    if (byte < 0xE0)
        return {2, 0x80, 0xBF};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF};
    if (byte == 0xED)
        return {3, 0x80, 0x9F};
    if (byte < 0xF0)
        return {3, 0x80, 0xBF};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF};
    if (byte < 0xF4)
        return {4, 0x80, 0xBF};
    if (byte == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

constexpr auto lead_table = [] {
    struct table {
        lead_byte entries[256];
    } result{};
    for (int b = 0; b < 256; ++b) {
        result.entries[b] = lead_of(static_cast<std::uint8_t>(b));
    }
    return result;
}();

std::uint64_t load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

std::uint64_t load_units4(const char16_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace

outcome utf16_to_utf8(std::u16string_view text, std::span<char> out, bool report_default) {
    const char16_t* in = text.data();
    const char16_t* const in_end = in + text.size();
    char* o = out.data();
    char* const o_end = o + out.size();
    bool used_default = false;

    while (in < in_end) {
        // Eight ASCII units at a time.
        if (in_end - in >= 8 && o_end - o >= 8 &&
            ((load_units4(in) | load_units4(in + 4)) & 0xFF80FF80FF80FF80ULL) == 0) {
            char16_t units[8];
            char bytes[8];
            std::memcpy(units, in, sizeof units);
            for (int i = 0; i < 8; ++i) {
                bytes[i] = static_cast<char>(units[i]);
            }
            std::memcpy(o, bytes, sizeof bytes);
            in += 8;
            o += 8;
            continue;
        }
        std::uint32_t point = *in++;
        if (point < 0x80 && o < o_end) {
            *o++ = static_cast<char>(point);
            continue;
        }
        if (is_high_surrogate(static_cast<char16_t>(point)) && in < in_end &&
            is_low_surrogate(*in)) {
            point = 0x10000 + ((point - 0xD800) << 10) + (*in++ - 0xDC00u);
        } else if (point >= 0xD800 && point <= 0xDFFF) {
            point = replacement;
            used_default = used_default || report_default;
        }
        const std::ptrdiff_t length = point < 0x80      ? 1
                                      : point < 0x800   ? 2
                                      : point < 0x10000 ? 3
                                                        : 4;
        if (o_end - o < length) {
            return {0, status::insufficient_buffer, false};
        }
        switch (length) {
            case 1: *o++ = static_cast<char>(point); break;
            case 2:
                *o++ = static_cast<char>(0xC0 | (point >> 6));
                *o++ = static_cast<char>(0x80 | (point & 0x3F));
                break;
            case 3:
                *o++ = static_cast<char>(0xE0 | (point >> 12));
                *o++ = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
                *o++ = static_cast<char>(0x80 | (point & 0x3F));
                break;
            default:
                *o++ = static_cast<char>(0xF0 | (point >> 18));
                *o++ = static_cast<char>(0x80 | ((point >> 12) & 0x3F));
                *o++ = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
                *o++ = static_cast<char>(0x80 | (point & 0x3F));
                break;
        }
    }
    return {static_cast<std::size_t>(o - out.data()), status::success, used_default};
}

outcome utf8_to_utf16(std::string_view text, std::span<char16_t> out, bool strict) {
    const char* in = text.data();
    const char* const in_end = in + text.size();
    char16_t* o = out.data();
    char16_t* const o_end = o + out.size();

    while (in < in_end) {
        // Sixteen ASCII bytes at a time.
        if (in_end - in >= 16 && o_end - o >= 16 &&
            ((load8(in) | load8(in + 8)) & 0x8080808080808080ULL) == 0) {
            // Through locals, which the compiler widens as a vector.
            unsigned char bytes[16];
            char16_t units[16];
            std::memcpy(bytes, in, sizeof bytes);
            for (int i = 0; i < 16; ++i) {
                units[i] = bytes[i];
            }
            std::memcpy(o, units, sizeof units);
            in += 16;
            o += 16;
            continue;
        }
        const auto lead = static_cast<std::uint8_t>(*in);
        if (lead < 0x80) {
            if (o == o_end) {
                return {0, status::insufficient_buffer, false};
            }
            *o++ = lead;
            ++in;
            continue;
        }
        // Well-formed two- and three-byte sequences directly.
        if (in_end - in >= 3 && o < o_end) {
            const auto second = static_cast<std::uint8_t>(in[1]);
            const auto third = static_cast<std::uint8_t>(in[2]);
            if (lead >= 0xC2 && lead < 0xE0 && (second & 0xC0) == 0x80) {
                *o++ = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (second & 0x3Fu));
                in += 2;
                continue;
            }
            if ((lead & 0xF0) == 0xE0 && (second & 0xC0) == 0x80 && (third & 0xC0) == 0x80) {
                const std::uint32_t point =
                    ((lead & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (third & 0x3Fu);
                if (point >= 0x800 && (point < 0xD800 || point > 0xDFFF)) {
                    *o++ = static_cast<char16_t>(point);
                    in += 3;
                    continue;
                }
            }
        }
        const lead_byte& shape = lead_table.entries[lead];
        std::uint32_t point = 0;
        std::ptrdiff_t taken = 1;  // bytes of the sequence that are valid so far
        bool valid = shape.length != 0;
        if (shape.length == 1) {
            point = lead;
        } else if (valid) {
            point = lead & (0x7F >> shape.length);
            for (; taken < shape.length; ++taken) {
                if (in + taken == in_end) {
                    valid = false;
                    break;
                }
                const auto next = static_cast<std::uint8_t>(in[taken]);
                const std::uint8_t low = taken == 1 ? shape.second_low : 0x80;
                const std::uint8_t high = taken == 1 ? shape.second_high : 0xBF;
                if (next < low || next > high) {
                    valid = false;
                    break;
                }
                point = (point << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            if (strict) {
                return {0, status::no_unicode_translation, false};
            }
            point = replacement;
        }
        in += taken;
        const std::ptrdiff_t units = point >= 0x10000 ? 2 : 1;
        if (o_end - o < units) {
            return {0, status::insufficient_buffer, false};
        }
        if (units == 2) {
            *o++ = static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            *o++ = static_cast<char16_t>(point);
        }
    }
    return {static_cast<std::size_t>(o - out.data()), status::success, false};
}

}  // namespace platform::codepage::posix
