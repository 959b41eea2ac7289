#include "vantor/strings.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fields = std::vector<std::string>;

TEST(strings, to_lower_touches_only_ascii_letters) {
    EXPECT_EQ(vantor::to_lower("Content-TYPE: X@[Z]"), "content-type: x@[z]");
    EXPECT_EQ(vantor::to_lower("\xC4\xD6"), "\xC4\xD6");
}

TEST(strings, prefix_and_suffix) {
    EXPECT_TRUE(vantor::starts_with("iso-8859-", "iso-8859-15"));
    EXPECT_FALSE(vantor::starts_with("iso-8859-15", "iso-8859-"));
    EXPECT_TRUE(vantor::starts_with("", ""));
    EXPECT_FALSE(vantor::starts_with("ISO", "iso-8859-1"));
    EXPECT_TRUE(vantor::ends_with("?=", "=?utf-8?B?AA==?="));
    EXPECT_FALSE(vantor::ends_with("=?x", "x"));
}

TEST(strings, replace_all_does_not_rescan_the_replacement) {
    std::string text = "a.b.c";
    vantor::replace_all(text, ".", "..");
    EXPECT_EQ(text, "a..b..c");

    std::string lines = "\n\n";
    vantor::replace_all(lines, "\n", "\r\n");
    EXPECT_EQ(lines, "\r\n\r\n");

    std::string overlapping = "aaaa";
    vantor::replace_all(overlapping, "aa", "b");
    EXPECT_EQ(overlapping, "bb");
}

TEST(strings, replace_all_with_empty_pattern_changes_nothing) {
    std::string text = "abc";
    vantor::replace_all(text, "", "x");
    EXPECT_EQ(text, "abc");
}

TEST(strings, iequals_is_ascii_case_insensitive) {
    EXPECT_TRUE(vantor::iequals("Content-Transfer-Encoding", "content-transfer-encoding"));
    EXPECT_FALSE(vantor::iequals("To", "Top"));
    EXPECT_FALSE(vantor::iequals("\xC4", "\xE4"));
}

TEST(strings, split_keeps_empty_fields) {
    EXPECT_EQ(vantor::split("a;b", ";"), (fields{"a", "b"}));
    EXPECT_EQ(vantor::split(";a;;b;", ";"), (fields{"", "a", "", "b", ""}));
    EXPECT_EQ(vantor::split("a b\tc", " \t"), (fields{"a", "b", "c"}));
    EXPECT_EQ(vantor::split("abc", ";"), (fields{"abc"}));
    EXPECT_EQ(vantor::split("", ";"), (fields{""}));
}

}  // namespace
