#include "vantor/coding/translate/groups.hpp"

#include <cstring>

#include "vantor/coding/translate/errors.hpp"
#include "vantor/format.hpp"

namespace vantor::coding::translate::detail {

// Both engines size the output once and write through a pointer. For the
// widths of base64 and hexadecimal, while the accumulator is empty, they
// take three bytes (24 bits, a whole number of groups) at a time; the
// results are those of the group-at-a-time rules, which handle the rest.

namespace {

// The 24 bits of 24 / Width characters, or a negative value when one of
// them is not a group value.
template <unsigned Width>
std::int32_t decode_chunk(const unsigned char* in, const decoder_table& table) {
    std::int32_t chunk = 0;
    std::int32_t any_negative = 0;
    for (unsigned g = 0; g < 24 / Width; ++g) {
        const std::int16_t entry = table[in[g]];
        any_negative |= entry;
        chunk = (chunk << Width) | (entry & 0xFF);
    }
    return any_negative < 0 ? -1 : chunk;
}

// Whole three-byte chunks, each written as 24 / Width characters at once.
// Returns the number of bytes taken.
template <unsigned Width>
std::size_t encode_chunks(std::string_view bytes, char*& o, std::string_view alphabet,
                          std::uint32_t mask) {
    constexpr unsigned groups = 24 / Width;
    char symbols[1u << Width] = {};
    alphabet.copy(symbols, alphabet.size() < sizeof symbols ? alphabet.size() : sizeof symbols);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t position = 0;
    char* out = o;
    for (; bytes.size() - position >= 3; position += 3) {
        const std::uint32_t chunk = (std::uint32_t{in[position]} << 16) |
                                    (std::uint32_t{in[position + 1]} << 8) | in[position + 2];
        char written[groups];
        for (unsigned g = 0; g < groups; ++g) {
            written[g] = symbols[(chunk >> ((groups - 1 - g) * Width)) & mask];
        }
        std::memcpy(out, written, groups);
        out += groups;
    }
    o = out;
    return position;
}

// Takes whole chunks from position i while the accumulator is empty and
// every character is a group value; returns the new position.
template <unsigned Width>
std::size_t decode_chunks(const unsigned char* in, std::size_t i, std::size_t size, char*& o,
                          const decoder_table& table) {
    constexpr unsigned groups = 24 / Width;
    char* out = o;
    while (size - i >= groups) {
        const std::int32_t chunk = decode_chunk<Width>(in + i, table);
        if (chunk < 0) {
            break;
        }
        out[0] = static_cast<char>(chunk >> 16);
        out[1] = static_cast<char>(chunk >> 8);
        out[2] = static_cast<char>(chunk);
        out += 3;
        i += groups;
    }
    o = out;
    return i;
}

}  // namespace

void encode_groups(std::string_view bytes, std::string& out, std::string_view alphabet,
                   unsigned width, std::uint32_t mask) {
    const std::size_t start = out.size();
    out.resize(start + (bytes.size() * 8 + width - 1) / width);
    char* o = out.data() + start;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t position = 0;

    if (width == 6) {
        position = encode_chunks<6>(bytes, o, alphabet, mask);
    } else if (width == 4) {
        position = encode_chunks<4>(bytes, o, alphabet, mask);
    }

    std::uint32_t accumulator = 0;
    unsigned count = 0;
    for (;;) {
        if (count < width) {
            if (position < bytes.size()) {
                accumulator = (accumulator << 8) | in[position++];
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
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();

    std::uint32_t accumulator = 0;
    unsigned count = 0;
    std::size_t i = 0;
    while (i < size) {
        if (count == 0) {
            if (width == 6) {
                i = decode_chunks<6>(in, i, size, o, table);
            } else if (width == 4) {
                i = decode_chunks<4>(in, i, size, o, table);
            }
            if (i == size) {
                break;
            }
        }
        const unsigned char byte = in[i++];
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
