#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vantor/internet/message2/header_type/parametized_value_type.hpp"
#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"
#include "vantor/unicode/errors.hpp"

namespace {

using vantor::internet::message2::header_type::parametized_value_type;
using vantor::internet::message2::header_type::unstructured_value_type;
using parameter = parametized_value_type::parameter;

parametized_value_type parsed(const std::string& text) {
    parametized_value_type value;
    value.parse(text);
    return value;
}

struct parse_case {
    std::string text;
    std::u16string main;
    std::vector<parameter> parameters;
    std::string rendered;
};

void PrintTo(const parse_case& c, std::ostream* os) {
    *os << testing::PrintToString(c.text);
}

const parse_case parse_cases[] = {
    {"text/plain; charset=\"utf-8\"",
     u"text/plain",
     {{"charset", u"utf-8"}},
     "text/plain; charset=\"utf-8\""},
    {"a;;b=1;", u"a", {{"b", u"1"}}, "a; b=\"1\""},
    {"a; b", u"a", {{"b", u""}}, "a; b=\"\""},
    {"a; x=1=2", u"a", {}, "a"},
    {"a; n=\"x;y\"", u"a", {{"n", u"x;y"}}, "a; n=\"x;y\""},
    {"a, b=2, b=3", u"a", {{"b", u"2"}, {"b", u"3"}}, "a; b=\"2\"; b=\"3\""},
    {"\"q\"; p=v", u"\"q\"", {{"p", u"v"}}, "\"q\"; p=\"v\""},
    {"t; name=\"=?utf-8?Q?=C3=A9?=\"", u"t", {{"name", u"\u00e9"}}, "t; name=\"=?utf-8?B?w6k=?=\""},
    {"", u"", {}, ""},
};

class parametized_parse : public testing::TestWithParam<parse_case> {};

TEST_P(parametized_parse, reads_main_text_and_parameters_and_renders_them_again) {
    const auto& c = GetParam();
    auto value = parsed(c.text);
    EXPECT_EQ(value.value(), c.main);
    EXPECT_EQ(value.parameters, c.parameters);
    EXPECT_EQ(value.render(), c.rendered);
}

INSTANTIATE_TEST_SUITE_P(cases, parametized_parse, testing::ValuesIn(parse_cases));

TEST(parametized_value_type, parse_keeps_the_charset_and_clears_old_parameters) {
    auto value = parsed("a; p=1");
    value.charset = "utf-8";
    value.parse("b");
    EXPECT_EQ(value.value(), u"b");
    EXPECT_TRUE(value.parameters.empty());
    EXPECT_EQ(value.charset, "utf-8");
}

TEST(parametized_value_type, set_parameter_replaces_in_place_or_appends) {
    auto value = parsed("text/plain; charset=\"iso-8859-1\"; format=flowed");
    value.set_parameter("CHARSET", u"utf-8");
    EXPECT_EQ(value.render(), "text/plain; charset=\"utf-8\"; format=\"flowed\"");
    value.set_parameter("delsp", u"yes");
    EXPECT_EQ(value.render(), "text/plain; charset=\"utf-8\"; format=\"flowed\"; delsp=\"yes\"");
    value.set_parameter_utf8("Name", "\xc3\xa9");
    EXPECT_EQ(value.parameters.back().value, u"\u00e9");
}

TEST(parametized_value_type, remove_parameter_removes_only_the_first_match) {
    auto value = parsed("a; b=1; B=2; c=3");
    value.remove_parameter("b");
    EXPECT_EQ(value.render(), "a; B=\"2\"; c=\"3\"");
    value.remove_parameter("missing");
    EXPECT_EQ(value.render(), "a; B=\"2\"; c=\"3\"");
}

TEST(parametized_value_type, values_are_written_bare_inside_quotes) {
    parametized_value_type value;
    value.set_value(u"x");
    value.set_parameter("p", u"a\"b\\c");
    EXPECT_EQ(value.render(), "x; p=\"a\"b\\c\"");
}

TEST(parametized_value_type, survives_arbitrary_text) {
    for (const char* text : {"\"", "a;\"", "\\", ";;;", "=", "a; =", "a; ==", "=?x?Q?=4?=; b",
                             "a; b=\"=?\"", ",,=,", "a; \\"}) {
        parametized_value_type value;
        EXPECT_NO_THROW(value.parse(text)) << text;
    }
}

TEST(unstructured_value_type, bytes_in_and_out_through_code_pages) {
    unstructured_value_type value;
    value.set_value_bytes("\xc3\xa9t\xc3\xa9", 65001);
    EXPECT_EQ(value.value(), u"\u00e9t\u00e9");
    EXPECT_EQ(value.value_bytes(28591), "\xe9t\xe9");
    EXPECT_EQ(value.value_bytes(-1), "\xe9t\xe9");
    value.set_value(u"\u0100");
    EXPECT_THROW((void)value.value_bytes(-1), vantor::unicode::unmappable_character);
    value.value() = u"plain";
    EXPECT_EQ(value.render(), "plain");
}

}  // namespace
