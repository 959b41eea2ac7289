#include "vantor/coding/translate/groups.hpp"

#include "vantor/coding/translate/errors.hpp"
#include "vantor/format.hpp"

namespace vantor::coding::translate::detail {

// Both engines size the output once and then write through a pointer; the
// bit handling is the plain one, a group or a byte at a time.

void encode_groups(std::string_view bytes, std::string& out, std::string_view alphabet,
                   unsigned width, std::uint32_t mask) {
    const std::size_t start = out.size();
    out.resize(start + (bytes.size() * 8 + width - 1) / width);
    char* o = out.data() + start;

    std::uint32_t accumulator = 0;
    unsigned count = 0;
    std::size_t position = 0;
    for (;;) {
        if (count < width) {
            if (position < bytes.size()) {
                accumulator = (accumulator << 8) | static_cast<unsigned char>(bytes[position++]);
                count += 8;
            } else if (count == 0) {
                break;
            } else {
                accumulator <<= width - count;
                count = width;
            }
            continue;
        }
        count -= width;
        *o++ = alphabet[(accumulator >> count) & mask];
    }
}

void decode_groups(std::string_view text, std::string& out, const decoder_table& table,
                   unsigned width, bool strict) {
    const std::size_t start = out.size();
    out.resize(start + text.size() * width / 8);
    char* const first = out.data() + start;
    char* o = first;

    std::uint32_t accumulator = 0;
    unsigned count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const std::int16_t entry = table[byte];
        if (entry < 0) {
            if (entry == foreign && strict) {
                out.resize(start);
                throw invalid_codeword(vantor::format("Invalid Codeword 0x%.2X", byte));
            }
            continue;
        }
        accumulator = (accumulator << width) | static_cast<std::uint32_t>(entry);
        count += width;
        if (count >= 8) {
            count -= 8;
            *o++ = static_cast<char>((accumulator >> count) & 0xFF);
        }
    }
    out.resize(start + static_cast<std::size_t>(o - first));
}

}  // namespace vantor::coding::translate::detail
