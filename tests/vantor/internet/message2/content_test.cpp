#include "vantor/internet/message2/content.hpp"

#include <gtest/gtest.h>

#include <string>

#include "vantor/unicode/errors.hpp"

namespace {

using vantor::internet::message2::content;

content with_charset(const std::string& charset) {
    content body;
    body.charset = charset;
    return body;
}

TEST(content, set_text_converts_into_the_charset_at_once) {
    auto utf8 = with_charset("utf-8");
    utf8.set_text(u"\u00e9");
    EXPECT_EQ(utf8.data, "\xc3\xa9");

    content latin1;
    latin1.set_text(u"\u00e9");
    EXPECT_EQ(latin1.data, "\xe9");

    latin1.charset = "utf-8";
    EXPECT_EQ(latin1.data, "\xe9");
}

TEST(content, byte_order_mark_is_kept) {
    auto body = with_charset("utf-8");
    body.set_text(u"\ufeffLog");
    EXPECT_EQ(body.data, "\xef\xbb\xbfLog");
}

TEST(content, failed_conversion_keeps_the_old_bytes) {
    content body;
    body.set_text(u"old");
    EXPECT_THROW(body.set_text(u"\u4e2d"), vantor::unicode::unmappable_character);
    EXPECT_EQ(body.text, u"\u4e2d");
    EXPECT_EQ(body.data, "old");
}

TEST(content, unknown_charset_stores_one_byte_per_character) {
    auto body = with_charset("x-unknown");
    body.set_text(u"\u00ff");
    EXPECT_EQ(body.data, "\xff");
    EXPECT_THROW(body.set_text(u"\u0100"), vantor::unicode::unmappable_character);
}

// The test program runs in the C locale, whose ANSI code page is 1252.
TEST(content, ansi_text_is_read_in_the_system_code_page) {
    auto body = with_charset("utf-8");
    body.set_ansi_text("\x80");
    EXPECT_EQ(body.text, u"\u20ac");
    EXPECT_EQ(body.data, "\xe2\x82\xac");
}

TEST(content, empty_text_gives_empty_data) {
    auto body = with_charset("utf-8");
    body.set_text(u"");
    EXPECT_TRUE(body.data.empty());
}

}  // namespace
