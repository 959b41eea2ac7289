#include "vantor/coding/translate/codings.hpp"

#include <array>

#include "vantor/coding/translate/groups.hpp"

namespace vantor::coding::translate {

namespace {

using detail::decoder_table;

constexpr std::string_view base64_alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view hex_alphabet = "0123456789abcdef";

// The decoder table of an alphabet: each character's position, every other
// byte foreign, the given skip characters skipped.
constexpr decoder_table make_table(std::string_view alphabet, std::string_view upper_letters,
                                   std::string_view skip) {
    decoder_table table{};
    table.fill(detail::foreign);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int16_t>(i);
    }
    // Upper-case spellings of the letters at the end of the alphabet.
    for (std::size_t i = 0; i < upper_letters.size(); ++i) {
        table[static_cast<unsigned char>(upper_letters[i])] =
            static_cast<std::int16_t>(alphabet.size() - upper_letters.size() + i);
    }
    for (const char c : skip) {
        table[static_cast<unsigned char>(c)] = detail::skipped;
    }
    return table;
}

constexpr decoder_table base64_table = make_table(base64_alphabet, "", "=");
constexpr decoder_table hex_table = make_table(hex_alphabet, "ABCDEF", "");

static_assert(base64_table['A'] == 0 && base64_table['z'] == 51 && base64_table['/'] == 63);
static_assert(base64_table['='] == detail::skipped && base64_table['\n'] == detail::foreign);
static_assert(hex_table['F'] == 15 && hex_table['f'] == 15 && hex_table['g'] == detail::foreign);

// Bytes that quoted-printable writes as "=" and two hex digits: 0x00 to
// 0x1F, '"', '=', '?', '_' and 0x7F to 0xFF.
constexpr auto escape_set = [] {
    std::array<bool, 256> set{};
    for (unsigned b = 0; b < 256; ++b) {
        set[b] = b <= 0x1F || b == 0x22 || b == 0x3D || b == 0x3F || b == 0x5F || b >= 0x7F;
    }
    return set;
}();

constexpr bool escaped(unsigned char byte) {
    return escape_set[byte];
}

constexpr char upper_hex(unsigned value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

}  // namespace

std::string encode_base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    detail::encode_groups(bytes, out, base64_alphabet, 6, 63);
    if (out.size() % 4 != 0) {
        out.append(4 - out.size() % 4, '=');
    }
    return out;
}

std::string decode_base64(std::string_view text) {
    std::string out;
    detail::decode_groups(text, out, base64_table, 6, false);
    return out;
}

std::string encode_hex(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    detail::encode_groups(bytes, out, hex_alphabet, 4, 15);
    return out;
}

std::string decode_hex(std::string_view text) {
    std::string out;
    detail::decode_groups(text, out, hex_table, 4, true);
    return out;
}

// Sized exactly before it is written: each escaped byte takes three
// characters.
std::string encode_quoted_printable(std::string_view bytes) {
    std::size_t size = bytes.size();
    for (const char c : bytes) {
        size += escaped(static_cast<unsigned char>(c)) ? 2 : 0;
    }
    std::string out(size, '\0');
    char* o = out.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (escaped(byte)) {
            o[0] = '=';
            o[1] = upper_hex(byte >> 4);
            o[2] = upper_hex(byte);
            o += 3;
        } else {
            *o++ = c;
        }
    }
    return out;
}

std::string decode_quoted_printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '=' && text.size() - i > 2) {
            out += decode_hex(text.substr(i + 1, 2));
            i += 3;
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

}  // namespace vantor::coding::translate
