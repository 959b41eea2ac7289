#include "vantor/internet/message2/header_text.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using vantor::internet::message2::split_header_text;
using pieces = std::vector<std::string>;

struct split_case {
    std::string text;
    std::string delimiters;
    bool retain_quotes;
    pieces expected;
};

void PrintTo(const split_case& c, std::ostream* os) {
    *os << testing::PrintToString(c.text);
}

const split_case split_cases[] = {
    {"text/plain; charset=\"utf-8\"", ";,", true, {"text/plain", "charset=\"utf-8\""}},
    {"charset=\"utf-8\"", "=", false, {"charset", "utf-8"}},
    {"a;;b=1;", ";,", true, {"a", "", "b=1"}},
    {";a", ";", true, {"", "a"}},
    {"  a ;  b ", ";", true, {"a ", "b "}},
    {"n=\"x;y\"", ";", true, {"n=\"x;y\""}},
    {"n=\"x;y\"", "=", false, {"n", "x;y"}},
    {"a\\;b;c", ";", true, {"a;b", "c"}},
    {"=?utf-8?Q?a;b?=;c", ";", true, {"=?utf-8?Q?a;b?=", "c"}},
    // Inside quotes a backslash is an ordinary byte: the second quote closes.
    {"x\"a\\\"b;\"", ";", true, {"x\"a\\\"b", "\""}},
    {"?a;b", ";", true, {"?a", "b"}},
    {"", ";", true, {}},
    {"   ", ";", true, {}},
    // Unbalanced quotes and encoded words run to the end of the text.
    {"a;\"b;c", ";", true, {"a", "\"b;c"}},
    {"a=?x;y", ";", true, {"a=?x;y"}},
    {"a\\", ";", true, {"a"}},
};

class split : public testing::TestWithParam<split_case> {};

TEST_P(split, gives_the_pieces) {
    const auto& c = GetParam();
    EXPECT_EQ(split_header_text(c.text, c.delimiters, c.retain_quotes), c.expected);
}

INSTANTIATE_TEST_SUITE_P(cases, split, testing::ValuesIn(split_cases));

TEST(split_header_text, survives_arbitrary_bytes) {
    std::mt19937 random(7);
    const std::string alphabet = "ab =?;,\"\\_\r\n\x80\xff";
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 40, ' ');
        for (auto& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        for (const auto& piece : split_header_text(text, ";,=", round % 2 == 0)) {
            EXPECT_LE(piece.size(), text.size());
        }
    }
}

}  // namespace
