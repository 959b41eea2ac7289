#include "vantor/coding/translate/groups.hpp"

#include <cstring>
#include <optional>
#include <utility>

#include "vantor/coding/translate/errors.hpp"
#include "vantor/format.hpp"

namespace vantor::coding::translate::detail {

// Both engines size the output once and write through a pointer. For the
// widths of base64 and hexadecimal, while the accumulator is empty, they
// take three bytes (24 bits, a whole number of groups) at a time; the
// results are those of the group-at-a-time rules, which handle the rest.

namespace {

// The table once per character position of a chunk, each value already
// shifted into place and every foreign or skipped character marked by the
// top bit, so that a chunk is the OR of its characters' entries.
template <unsigned Width>
struct chunk_tables {
    static constexpr unsigned groups = 24 / Width;
    static constexpr std::uint32_t not_a_group = 0x80000000u;

    explicit chunk_tables(const decoder_table& table) {
        for (unsigned g = 0; g < groups; ++g) {
            for (unsigned c = 0; c < 256; ++c) {
                const std::int16_t entry = table[c];
                at[g][c] = entry < 0
                               ? not_a_group
                               : static_cast<std::uint32_t>(entry) << ((groups - 1 - g) * Width);
            }
        }
    }

    std::uint32_t at[groups][256];
};

// Takes whole chunks from position i while every character is a group value
// (the accumulator being empty); returns the new position.
template <unsigned Width>
std::size_t decode_chunks(const unsigned char* in, std::size_t i, std::size_t size, char*& o,
                          const chunk_tables<Width>& tables) {
    constexpr unsigned groups = chunk_tables<Width>::groups;
    char* out = o;
    while (size - i >= groups) {
        const std::uint32_t chunk = [&]<std::size_t... g>(std::index_sequence<g...>) {
            return (tables.at[g][in[i + g]] | ...);
        }
        (std::make_index_sequence<groups>{});
        if (chunk & chunk_tables<Width>::not_a_group) {
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

// The characters of every pair of groups, 2 * Width bits at a time.
template <unsigned Width>
struct pair_table {
    explicit pair_table(std::string_view alphabet, std::uint32_t mask) {
        for (std::uint32_t v = 0; v < (1u << (2 * Width)); ++v) {
            pairs[v][0] = alphabet[(v >> Width) & mask];
            pairs[v][1] = alphabet[v & mask];
        }
    }

    char pairs[1u << (2 * Width)][2];
};

// Whole three-byte chunks, each written as 24 / Width characters, a pair of
// groups at a time. Returns the number of bytes taken.
template <unsigned Width>
std::size_t encode_chunks(std::string_view bytes, char*& o, std::string_view alphabet,
                          std::uint32_t mask) {
    constexpr unsigned pairs = 12 / Width;
    constexpr std::uint32_t pair_mask = (1u << (2 * Width)) - 1;
    const pair_table<Width> table(alphabet, mask);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t position = 0;
    char* out = o;
    for (; bytes.size() - position >= 3; position += 3) {
        const std::uint32_t chunk = (std::uint32_t{in[position]} << 16) |
                                    (std::uint32_t{in[position + 1]} << 8) | in[position + 2];
        [&]<std::size_t... p>(std::index_sequence<p...>) {
            (std::memcpy(out + 2 * p,
                         table.pairs[(chunk >> ((pairs - 1 - p) * 2 * Width)) & pair_mask], 2),
             ...);
        }
        (std::make_index_sequence<pairs>{});
        out += 2 * pairs;
    }
    o = out;
    return position;
}

// Inputs long enough to pay for building the tables of the chunk paths.
constexpr std::size_t chunked_size = 512;

}  // namespace

void encode_groups(std::string_view bytes, std::string& out, std::string_view alphabet,
                   unsigned width, std::uint32_t mask) {
    const std::size_t start = out.size();
    out.resize(start + (bytes.size() * 8 + width - 1) / width);
    char* o = out.data() + start;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t position = 0;

    if (bytes.size() >= chunked_size && width == 6) {
        position = encode_chunks<6>(bytes, o, alphabet, mask);
    } else if (bytes.size() >= chunked_size && width == 4) {
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

    std::optional<chunk_tables<6>> base64_chunks;
    std::optional<chunk_tables<4>> hex_chunks;
    if (size >= chunked_size && width == 6) {
        base64_chunks.emplace(table);
    } else if (size >= chunked_size && width == 4) {
        hex_chunks.emplace(table);
    }

    std::uint32_t accumulator = 0;
    unsigned count = 0;
    std::size_t i = 0;
    while (i < size) {
        if (count == 0) {
            if (base64_chunks) {
                i = decode_chunks<6>(in, i, size, o, *base64_chunks);
            } else if (hex_chunks) {
                i = decode_chunks<4>(in, i, size, o, *hex_chunks);
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
