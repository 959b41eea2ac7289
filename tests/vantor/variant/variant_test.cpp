#include "vantor/variant/variant.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct text_case {
    const char* text;
    std::int32_t expected;
};

constexpr std::int32_t max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t min32 = std::numeric_limits<std::int32_t>::min();

const text_case text_cases[] = {
    {"220", 220},
    {"1252xyz", 1252},
    {" 42", 42},
    {"\t\n\v\f\r 7", 7},
    {"-7", -7},
    {"+8", 8},
    {"", 0},
    {"abc", 0},
    {"- 5", 0},
    {"+-5", 0},
    {"037", 37},
    {"99999999999", max32},
    {"-99999999999", min32},
    {"2147483647", max32},
    {"2147483648", max32},
    {"-2147483648", min32},
    {"-2147483649", min32},
    {"000000000000000000000012", 12},
    {"\xA0"
     "5",
     0},
};

void PrintTo(const text_case& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.text));
}

class variant_text : public testing::TestWithParam<text_case> {};

TEST_P(variant_text, narrow_and_wide_read_the_leading_number) {
    const auto& param = GetParam();
    EXPECT_EQ(vantor::variant(std::string_view(param.text)).as_integer(), param.expected);

    std::u16string wide;
    for (const char* p = param.text; *p != '\0'; ++p) {
        wide.push_back(static_cast<unsigned char>(*p));
    }
    EXPECT_EQ(vantor::variant(std::u16string_view(wide)).as_integer(), param.expected);
}

INSTANTIATE_TEST_SUITE_P(cases, variant_text, testing::ValuesIn(text_cases));

TEST(variant, other_kinds) {
    EXPECT_EQ(vantor::variant().as_integer(), 0);
    EXPECT_EQ(vantor::variant(std::int32_t{-12}).as_integer(), -12);
    EXPECT_EQ(vantor::variant(2.9f).as_integer(), 2);
    EXPECT_EQ(vantor::variant(-2.9f).as_integer(), -2);
    EXPECT_EQ(vantor::variant(1e20f).as_integer(), max32);
    EXPECT_EQ(vantor::variant(-1e20f).as_integer(), min32);
    EXPECT_EQ(vantor::variant(std::numeric_limits<float>::quiet_NaN()).as_integer(), 0);
}

TEST(variant, kind_outside_the_known_ones_raises) {
    for (const std::int32_t kind : {-1, 5, 1000}) {
        try {
            (void)vantor::variant::of_kind(kind).as_integer();
            FAIL() << kind;
        } catch (const vantor::variant::generic& error) {
            EXPECT_STREQ(error.what(), "variant[as_integer() failed]");
        }
    }
    for (const std::int32_t kind : {0, 1, 2, 3, 4}) {
        EXPECT_EQ(vantor::variant::of_kind(kind).as_integer(), 0);
    }
}

TEST(variant, owns_a_copy_of_its_text) {
    std::string text = "25";
    const vantor::variant value{std::string_view(text)};
    text = "99";
    EXPECT_EQ(value.kind(), vantor::variant::narrow_text);
    EXPECT_EQ(value.as_integer(), 25);
}

}  // namespace
