#include "vantor/coding/translate/codings.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vantor::coding::translate;

struct coding_case {
    std::string input;
    std::string output;
};

TEST(base64, encodes_with_padding) {
    const coding_case cases[] = {{"", ""},
                                 {"A", "QQ=="},
                                 {"AB", "QUI="},
                                 {"ABC", "QUJD"},
                                 {std::string("\0\xFF\xFE", 3), "AP/+"}};
    for (const auto& [input, output] : cases) {
        EXPECT_EQ(encode_base64(input), output);
    }
}

TEST(base64, decoding_skips_every_foreign_byte) {
    const coding_case cases[] = {
        {"QU\r\nJ D", "ABC"},
        {"QQ", "A"},
        {"QQ==", "A"},
        {"Q", ""},
        {"=Q=Q=", "A"},
        {"", ""},
        {"*\x80\xFFQUJD!", "ABC"},
        {"QUJD\nQUJD", "ABCABC"},
    };
    for (const auto& [input, output] : cases) {
        EXPECT_EQ(decode_base64(input), output) << input;
    }
}

TEST(hex, both_ways) {
    EXPECT_EQ(encode_hex("\x01\xAB"), "01ab");
    EXPECT_EQ(encode_hex(""), "");
    EXPECT_EQ(decode_hex("01AB"), "\x01\xAB");
    EXPECT_EQ(decode_hex("01ab"), "\x01\xAB");
    EXPECT_EQ(decode_hex("abc"), "\xAB");
    EXPECT_EQ(decode_hex("a"), "");
}

void expect_invalid_codeword(const std::string& text, const char* message,
                             std::string (*decode)(std::string_view)) {
    try {
        decode(text);
        ADD_FAILURE() << "no error for " << text;
    } catch (const invalid_codeword& error) {
        EXPECT_STREQ(error.message(), message);
        EXPECT_STREQ(error.code_path(), "translate.invalid_codeword");
    }
}

TEST(hex, foreign_byte_is_an_invalid_codeword) {
    expect_invalid_codeword("0g", "Invalid Codeword 0x67", decode_hex);
    expect_invalid_codeword("01 02", "Invalid Codeword 0x20", decode_hex);
    expect_invalid_codeword("\xC3", "Invalid Codeword 0xC3", decode_hex);
    expect_invalid_codeword(std::string("0\0", 2), "Invalid Codeword 0x00", decode_hex);
}

// Long texts take the chunked paths; their results are the same.
TEST(hex, long_text_reports_the_first_foreign_byte) {
    std::string text(2000, 'a');
    text[1203] = 'x';
    text[1500] = 'y';
    expect_invalid_codeword(text, "Invalid Codeword 0x78", decode_hex);
    text[1203] = '\n';
    expect_invalid_codeword(text, "Invalid Codeword 0x0A", decode_hex);
}

TEST(base64, long_text_with_line_breaks_and_stray_padding) {
    std::string bytes;
    for (int i = 0; i < 3000; ++i) {
        bytes += static_cast<char>(i * 7 + i / 256);
    }
    const std::string encoded = encode_base64(bytes);
    std::string broken;
    for (std::size_t i = 0; i < encoded.size(); i += 76) {
        broken += encoded.substr(i, 76) + "\r\n";
    }
    EXPECT_EQ(decode_base64(broken), bytes);
    // Odd places for foreign bytes shift nothing: they are skipped.
    std::string scattered = encoded;
    scattered.insert(1001, "=");
    scattered.insert(7, " \xFF");
    EXPECT_EQ(decode_base64(scattered), bytes);
    EXPECT_EQ(decode_hex(encode_hex(bytes)), bytes);
}

TEST(quoted_printable, escape_set) {
    const coding_case cases[] = {
        {"a b=c", "a b=3Dc"},
        {"\xC3\xA9", "=C3=A9"},
        {"\t", "=09"},
        {"_", "=5F"},
        {"?", "=3F"},
        {"\"", "=22"},
        {"\x7F", "=7F"},
        {"~", "~"},
        {"\r\n", "=0D=0A"},
        {std::string(1, '\0'), "=00"},
        {"", ""},
    };
    for (const auto& [input, output] : cases) {
        EXPECT_EQ(encode_quoted_printable(input), output) << input;
    }
}

TEST(quoted_printable, decoding) {
    const coding_case cases[] = {
        {"=C3=A9", "\xC3\xA9"}, {"=3d", "="},     {"a=", "a="},   {"a=4", "a=4"},
        {"a_b", "a_b"},         {"x=3D=", "x=="}, {"=41=", "A="},
    };
    for (const auto& [input, output] : cases) {
        EXPECT_EQ(decode_quoted_printable(input), output) << input;
    }
}

TEST(quoted_printable, soft_line_break_is_an_invalid_codeword) {
    expect_invalid_codeword("a=\r\nb", "Invalid Codeword 0x0D", decode_quoted_printable);
    expect_invalid_codeword("=G0", "Invalid Codeword 0x47", decode_quoted_printable);
    expect_invalid_codeword("ok==3D", "Invalid Codeword 0x3D", decode_quoted_printable);
}

}  // namespace
