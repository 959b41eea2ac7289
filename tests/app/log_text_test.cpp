#include "app/log_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/log_markers.hpp"

namespace {

using namespace std::string_literals;

TEST(log_text, width_test) {
    const struct {
        std::string bytes;
        bool wide;
    } cases[] = {
        {"\xFF\xFE"
         "a\0"s,
         true},                  // UTF-16 LE byte-order mark
        {"\xFE\xFF\0a"s, true},  // big-endian mark: still wide
        {"\0a\0"s, true},        // first byte zero
        {"a\0b\0"s, true},       // second byte zero
        {"\xFF", true},          // one byte is judged by that byte
        {"\0"s, true},
        {"\xEF\xBB\xBFProductVersion", false},  // UTF-8 signature: narrow
        {"MSI (c) log", false},
        {"ab\0"s, false},  // a zero byte further on does not count
        {"a", false},
        {"", false},
    };
    for (const auto& [bytes, wide] : cases) {
        EXPECT_EQ(app::is_wide_log(bytes), wide) << testing::PrintToString(bytes);
    }
}

TEST(log_text, wide_text_is_little_endian_units) {
    EXPECT_EQ(app::wide_log_text("\xFF\xFE"
                                 "a\0\xAC\x20"s),
              u"\uFEFFa\u20AC");
    EXPECT_EQ(app::wide_log_text("\xFE\xFF\0a"s), u"\uFFFE\u6100");
    EXPECT_EQ(app::wide_log_text("a\0b"s), u"a");  // the odd last byte is dropped
    EXPECT_EQ(app::wide_log_text("\x3D\xD8\x00\xDE"s), u"\U0001F600");  // a surrogate pair
    EXPECT_EQ(app::wide_log_text("x"), u"");
    EXPECT_EQ(app::wide_log_text(""), u"");
}

// Stand-ins for the system's ANSI conversion: one writes each unit up to
// U+00FF as its byte and stops at the first other one, as a conversion
// that fails part-way leaves the buffer; the other would need two bytes a
// unit and stops when the room runs out.
void latin1_writer(std::u16string_view text, std::span<char> room) {
    for (std::size_t i = 0; i < text.size() && i < room.size() && text[i] <= 0xFF; ++i) {
        room[i] = static_cast<char>(text[i]);
    }
}

void double_width_writer(std::u16string_view text, std::span<char> room) {
    for (std::size_t i = 0; i < text.size() && 2 * i + 1 < room.size(); ++i) {
        room[2 * i] = '\x81';
        room[2 * i + 1] = static_cast<char>(text[i] & 0x7F);
    }
}

TEST(log_text, analysis_text_keeps_the_log_length) {
    const std::u16string wide = u"ProductVersion = 6.2.8\n";
    const std::string analysis = app::wide_analysis_text(wide, 2 * wide.size() + 1, latin1_writer);
    ASSERT_EQ(analysis.size(), 2 * wide.size() + 1);
    EXPECT_EQ(analysis.substr(0, wide.size()), "ProductVersion = 6.2.8\n");
    EXPECT_EQ(analysis.find_first_not_of('\0', wide.size()), std::string::npos);
    EXPECT_EQ(app::parse_product_version(analysis), 628);
}

TEST(log_text, failed_conversion_leaves_what_was_written) {
    const std::u16string wide = u"\uFEFFdialog SetupError x1603. \u4E2D ProductVersion = 1.2\n";
    const std::string analysis = app::wide_analysis_text(wide, 2 * wide.size(), latin1_writer);
    ASSERT_EQ(analysis.size(), 2 * wide.size());
    // The mark stops this writer at once: nothing but zero bytes.
    EXPECT_EQ(analysis.find_first_not_of('\0'), std::string::npos);

    const std::u16string tail = wide.substr(1);
    const std::string partial = app::wide_analysis_text(tail, 2 * tail.size(), latin1_writer);
    EXPECT_EQ(app::parse_error_number(partial), 1603);
    EXPECT_EQ(app::parse_product_version(partial), 0);  // after the ideograph: not written
}

TEST(log_text, writer_gets_one_byte_of_room_per_unit) {
    const std::u16string wide = u"abcdef";
    const std::string analysis = app::wide_analysis_text(wide, 13, double_width_writer);
    ASSERT_EQ(analysis.size(), 13u);
    EXPECT_EQ(analysis.substr(0, 6),
              "\x81"
              "a\x81"
              "b\x81"
              "c");
    EXPECT_EQ(analysis.find_first_not_of('\0', 6), std::string::npos);
}

}  // namespace
