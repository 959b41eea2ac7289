#include "vantor/internet/mail_lines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using vantor::internet::mail_lines;

TEST(mail_lines, lines_come_back_in_order_empty_ones_included) {
    mail_lines lines;
    EXPECT_TRUE(lines.empty());
    lines.push_back("Subject: x");
    lines.push_back("");
    lines.push_back(std::string(76, 'A'));
    lines.push_back("");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.text_size(), 86u);
    EXPECT_EQ(lines.front(), "Subject: x");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(76, 'A'));
    EXPECT_EQ(lines.back(), "");
    const std::vector<std::string_view> seen(lines.begin(), lines.end());
    EXPECT_EQ(seen,
              (std::vector<std::string_view>{"Subject: x", "", std::string_view(lines[2]), ""}));
}

TEST(mail_lines, equal_when_the_same_lines_in_the_same_order) {
    EXPECT_EQ((mail_lines{"ab", "c"}), (mail_lines{"ab", "c"}));
    EXPECT_NE((mail_lines{"ab", "c"}), (mail_lines{"a", "bc"}));  // same bytes, other lines
    EXPECT_NE((mail_lines{"a"}), (mail_lines{"a", ""}));
    const mail_lines lines = {"h", "", "b1", "b2"};
    EXPECT_EQ(mail_lines(lines.begin() + 2, lines.end()), (mail_lines{"b1", "b2"}));
}

}  // namespace
