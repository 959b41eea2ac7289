// The conversions against Python's codecs, an independent implementation.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/peer/python.hpp"
#include "vantor/unicode/conversion.hpp"

namespace {

namespace unicode = vantor::unicode;

const std::string script = PEER_CODECS_SCRIPT;

std::u16string from_utf16le_hex(const std::string& hex) {
    const std::string bytes = peer::from_hex(hex);
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return units;
}

struct single_byte_page {
    unicode::codepage page;
    const char* codec;
};

const single_byte_page single_byte_pages[] = {
    {437, "cp437"},        {850, "cp850"},        {852, "cp852"},       {855, "cp855"},
    {857, "cp857"},        {860, "cp860"},        {861, "cp861"},       {862, "cp862"},
    {863, "cp863"},        {864, "cp864"},        {865, "cp865"},       {866, "cp866"},
    {869, "cp869"},        {874, "cp874"},        {1250, "cp1250"},     {1251, "cp1251"},
    {1252, "cp1252"},      {1253, "cp1253"},      {1254, "cp1254"},     {1255, "cp1255"},
    {1256, "cp1256"},      {1257, "cp1257"},      {1258, "cp1258"},     {10000, "mac_roman"},
    {20127, "ascii"},      {20866, "koi8_r"},     {21866, "koi8_u"},    {28591, "iso8859_1"},
    {28592, "iso8859_2"},  {28593, "iso8859_3"},  {28594, "iso8859_4"}, {28595, "iso8859_5"},
    {28596, "iso8859_6"},  {28597, "iso8859_7"},  {28598, "iso8859_8"}, {28599, "iso8859_9"},
    {28603, "iso8859_13"}, {28605, "iso8859_15"},
};

// The characters of all 256 bytes of each page's codec, from one run.
std::vector<std::vector<long>> characters_of_all_pages() {
    std::vector<std::string> arguments = {"single"};
    for (const auto& entry : single_byte_pages) {
        arguments.push_back(entry.codec);
    }
    std::vector<std::vector<long>> rows;
    for (const auto& line : peer::lines_of(peer::run_python(script, arguments))) {
        std::istringstream row(line);
        rows.emplace_back();
        for (long c = 0; row >> c;) {
            rows.back().push_back(c);
        }
    }
    return rows;
}

// Every byte of every single-byte page, both ways. Where Python leaves a
// byte undefined, Windows and we give the code point of the byte's own value
// (0x81 in 1252 is U+0081), so that any 8-bit text widens; that character
// narrows back to the byte unless another byte of the page already stands
// for it (0xD5 in 857 widens to U+00D5, which narrows to 0xE5, its letter).
TEST(peer_codecs, single_byte_pages_agree_for_all_bytes) {
    const auto all_rows = characters_of_all_pages();
    ASSERT_EQ(all_rows.size(), std::size(single_byte_pages));
    for (std::size_t p = 0; p < all_rows.size(); ++p) {
        const auto& [page, codec] = single_byte_pages[p];
        const std::vector<long>& expected = all_rows[p];
        ASSERT_EQ(expected.size(), 256u) << codec;
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const long defined = expected[static_cast<std::size_t>(b)];
            const auto unit = static_cast<char16_t>(defined < 0 ? b : defined);
            const bool taken =
                defined < 0 && std::find(expected.begin(), expected.end(), b) != expected.end();
            EXPECT_EQ(unicode::widen(byte, page), std::u16string(1, unit))
                << codec << " byte " << b;
            if (!taken) {
                EXPECT_EQ(unicode::narrow(std::u16string(1, unit), page), byte)
                    << codec << " byte " << b;
            }
        }
    }
}

TEST(peer_codecs, multi_byte_samples_agree) {
    const std::pair<unicode::codepage, const char*> pages[] = {
        {65001, "utf-8"}, {932, "cp932"}, {936, "cp936"}};
    for (const auto& [page, codec] : pages) {
        const auto lines = peer::lines_of(peer::run_python(script, {"sample", codec}));
        ASSERT_EQ(lines.size(), 2u) << codec;
        const std::u16string wide = from_utf16le_hex(lines[0]);
        const std::string bytes = peer::from_hex(lines[1]);
        EXPECT_EQ(unicode::narrow(wide, page), bytes) << codec;
        EXPECT_EQ(unicode::widen(bytes, page), wide) << codec;
    }
}

// Ill-formed UTF-8: one U+FFFD for each maximal ill-formed part, as
// Python's "replace" handler and Windows do.
TEST(peer_codecs, ill_formed_utf8_is_replaced_the_same_way) {
    const std::vector<std::string> inputs = {
        "ff",       "c0af",       "e080af",     "eda080",   "f4908080", "f08f8080",
        "e282",     "e2827a",     "f09f98",     "f09f987a", "80bf",     "c3",
        "61c3a9e2", "fe41e282ac", "c2c3a9f5f8", "edbfbf41", "efbfbd",   "f0908080f1",
    };
    std::vector<std::string> arguments = {"replace"};
    arguments.insert(arguments.end(), inputs.begin(), inputs.end());
    const auto lines = peer::lines_of(peer::run_python(script, arguments));
    ASSERT_EQ(lines.size(), inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_EQ(unicode::widen(peer::from_hex(inputs[i]), 65001), from_utf16le_hex(lines[i]))
            << inputs[i];
    }
}

}  // namespace
