#include "vantor/internet/message2/encoded_words.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "vantor/coding/translate/errors.hpp"
#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"
#include "vantor/unicode/errors.hpp"

namespace {

namespace message2 = vantor::internet::message2;
using message2::header_type::unstructured_value_type;

unstructured_value_type with_charset(const std::string& charset) {
    unstructured_value_type value;
    value.charset = charset;
    return value;
}

struct encode_case {
    std::string charset;
    std::u16string text;
    std::string expected;
};

void PrintTo(const encode_case& c, std::ostream* os) {
    *os << c.expected;
}

const encode_case encode_cases[] = {
    {"iso-8859-1", u"", ""},
    {"iso-8859-1", u"Report", "Report"},
    {"iso-8859-1", u"\t", "\t"},
    {"iso-8859-1", u"Gr\u00fc\u00dfe", "=?iso-8859-1?B?R3L832U=?="},
    {"iso-8859-1", u"Caf\u00e9 au lait", "=?iso-8859-1?Q?Caf=E9_au_lait?="},
    {"iso-8859-1", u"\u00e9a", "=?iso-8859-1?Q?=E9a?="},
    {"iso-8859-1", u"\u00e9", "=?iso-8859-1?Q?=E9?="},
    {"utf-8", u"\u00e9t\u00e9", "=?utf-8?B?w6l0w6k=?="},
    {"UTF-8", u"a?_=\"b\u00e9", "=?UTF-8?B?YT9fPSJiw6k=?="},
    {"iso-8859-1", u"Caf\u00e9 au lait?_", "=?iso-8859-1?Q?Caf=E9_au_lait=3F=5F?="},
};

class encode : public testing::TestWithParam<encode_case> {};

TEST_P(encode, writes_one_word_in_the_shorter_form) {
    const auto& c = GetParam();
    EXPECT_EQ(message2::encode_text(with_charset(c.charset), c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(cases, encode, testing::ValuesIn(encode_cases));

TEST(encode_text, unmappable_characters_raise) {
    EXPECT_THROW(message2::encode_text(with_charset("iso-8859-1"), u"\u4e2d"),
                 vantor::unicode::unmappable_character);
    EXPECT_THROW(message2::encode_text(with_charset("x-unknown"), u"\u0100"),
                 vantor::unicode::unmappable_character);
    EXPECT_EQ(message2::encode_text(with_charset("x-unknown"), u"\u00e9"), "=?x-unknown?Q?=E9?=");
}

struct decode_case {
    std::string text;
    std::u16string expected;
    std::string charset_after;  // starting from iso-8859-1
};

void PrintTo(const decode_case& c, std::ostream* os) {
    *os << testing::PrintToString(c.text);
}

const decode_case decode_cases[] = {
    {"", u"", "iso-8859-1"},
    {"a =?iso-8859-1?Q?=E9?= =?iso-8859-1?Q?t=E9?= b", u"a \u00e9t\u00e9 b", "iso-8859-1"},
    {"=?utf-8?B?w6k=?=", u"\u00e9", "utf-8"},
    {"=?utf-8?X?abc?=", u"=?utf-8?X?abc?=", "utf-8"},
    {"=?a?b?=", u"=?a?b?=", "iso-8859-1"},
    {"=?iso-8859-1?q?a_b?=", u"a b", "iso-8859-1"},
    {"x=?iso-8859-1?Q?=E9?=y", u"x\u00e9y", "iso-8859-1"},
    {"  x  ", u"  x", "iso-8859-1"},
    {"caf\xe9", u"caf\u00e9", "iso-8859-1"},
    // A plain word after an encoded word is read in that word's charset.
    {"=?utf-8?Q?=C3=A9?= \xc3\xa9", u"\u00e9 \u00e9", "utf-8"},
    // Two encoded words without a space form one stretch and stay plain.
    {"=?utf-8?Q?a?==?utf-8?Q?b?=", u"=?utf-8?Q?a?==?utf-8?Q?b?=", "iso-8859-1"},
    // Malformed pieces: a "?=" before the first "=?", stray "=?", empty pieces.
    {"?==?", u"?==?", "iso-8859-1"},
    {"=?", u"=?", "iso-8859-1"},
    {"?=", u"?=", "iso-8859-1"},
    {"=?\?\?\?\?=", u"=?\?\?\?\?=", "iso-8859-1"},
    {"=?\?Q?\?=", u"", ""},
    {"=?utf-8?B?!!!?=", u"", "utf-8"},
};

class decode : public testing::TestWithParam<decode_case> {};

TEST_P(decode, reads_words_and_encoded_words) {
    const auto& c = GetParam();
    auto value = with_charset("iso-8859-1");
    EXPECT_EQ(message2::decode_text(value, c.text), c.expected);
    EXPECT_EQ(value.charset, c.charset_after);
}

INSTANTIATE_TEST_SUITE_P(cases, decode, testing::ValuesIn(decode_cases));

TEST(decode_text, bad_escape_raises_after_taking_the_charset) {
    auto value = with_charset("iso-8859-1");
    EXPECT_THROW(message2::decode_text(value, "=?utf-8?Q?=ZZx?="),
                 vantor::coding::translate::invalid_codeword);
    EXPECT_EQ(value.charset, "utf-8");
}

TEST(decode_text, unknown_code_page_from_a_word_raises_a_conversion_error) {
    auto value = with_charset("iso-8859-1");
    EXPECT_THROW(message2::decode_text(value, "=?latin?Q?abc?="),
                 vantor::unicode::invalid_codepage);
}

TEST(decode_word, reports_whether_the_word_was_encoded) {
    auto value = with_charset("iso-8859-1");
    std::u16string output;
    EXPECT_TRUE(message2::decode_word(value, "=?utf-8?B?w6k=?=", output));
    EXPECT_EQ(output, u"\u00e9");
    EXPECT_FALSE(message2::decode_word(value, "plain", output));
    EXPECT_EQ(output, u"plain");
}

TEST(decode_text, render_after_decode_uses_the_word_charset) {
    unstructured_value_type value;
    value.parse("=?utf-8?B?w6k=?=");
    EXPECT_EQ(value.render(), "=?utf-8?B?w6k=?=");
}

TEST(decode_text, survives_arbitrary_bytes) {
    std::mt19937 random(11);
    const std::string alphabet = "aQB =?_\"\\3D=\xe9";
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 30, ' ');
        for (auto& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        auto value = with_charset("iso-8859-1");
        try {
            (void)message2::decode_text(value, text);
        } catch (const vantor::coding::translate::invalid_codeword&) {
        } catch (const vantor::unicode::generic&) {
        }
    }
}

}  // namespace
