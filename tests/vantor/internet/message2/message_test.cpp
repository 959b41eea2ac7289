#include "vantor/internet/message2/message.hpp"

#include <gtest/gtest.h>

#include <string>

#include "vantor/internet/message2/header_type/parametized_value_type.hpp"
#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"
#include "vantor/unicode/errors.hpp"

namespace {

using vantor::internet::message2::message;
using vantor::internet::message2::header_type::parametized_value_type;
using vantor::internet::message2::header_type::unstructured_value_type;

TEST(message, starts_with_transfer_encoding_then_content_type) {
    const message mail;
    ASSERT_EQ(mail.headers.size(), 2u);
    EXPECT_EQ(mail.headers[0].name, "Content-Transfer-Encoding");
    EXPECT_EQ(mail.headers[0].text, "quoted-printable");
    EXPECT_EQ(mail.headers[1].name, "Content-Type");
    EXPECT_EQ(mail.headers[1].text, "text/plain; charset=\"iso-8859-1\"");
    EXPECT_EQ(mail.content.type, "text/plain");
    EXPECT_EQ(mail.content.charset, "iso-8859-1");
}

TEST(message, same_name_twice_gives_two_entries_newest_first) {
    message mail;
    mail.add_header("X-Note", "first");
    mail.add_header("x-note", "second");
    unstructured_value_type value;
    ASSERT_TRUE(mail.find_header("X-NOTE", value));
    EXPECT_EQ(value.value(), u"second");
    mail.remove_header("X-Note");
    EXPECT_FALSE(mail.find_header("X-Note", value));
    EXPECT_EQ(mail.headers.size(), 2u);
}

TEST(message, names_match_case_insensitively_and_keep_their_case) {
    message mail;
    parametized_value_type value;
    ASSERT_TRUE(mail.find_header("content-type", value));
    EXPECT_EQ(value.value(), u"text/plain");
    mail.remove_header("content-transfer-encoding");
    ASSERT_EQ(mail.headers.size(), 1u);
    EXPECT_EQ(mail.headers[0].name, "Content-Type");
}

TEST(message, find_of_an_absent_name_leaves_the_value_alone) {
    const message mail;
    parametized_value_type value;
    value.set_value(u"kept");
    value.set_parameter("p", u"1");
    EXPECT_FALSE(mail.find_header("Subject", value));
    EXPECT_EQ(value.value(), u"kept");
    EXPECT_EQ(value.parameters.size(), 1u);
}

TEST(message, value_form_renders_once_and_a_failure_adds_nothing) {
    message mail;
    unstructured_value_type subject;
    subject.set_value(u"Caf\u00e9");
    mail.add_header("Subject", subject);
    subject.set_value(u"changed");
    EXPECT_EQ(mail.headers.front().text, "=?iso-8859-1?Q?Caf=E9?=");

    unstructured_value_type bad;
    bad.set_value(u"\u4e2d");
    EXPECT_THROW(mail.add_header("Subject", bad), vantor::unicode::unmappable_character);
    EXPECT_EQ(mail.headers.size(), 3u);
}

TEST(message, text_form_stores_bytes_unchanged) {
    message mail;
    mail.add_header("X-Raw", "\xe9\r\n folded");
    EXPECT_EQ(mail.render().front(), "X-Raw: \xe9\r\n folded");
}

}  // namespace
