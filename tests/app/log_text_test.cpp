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

// A stand-in for a conversion whose characters take two bytes each, to
// show the room that the writer gets.
void double_width_writer(std::u16string_view text, std::span<char> room) {
    for (std::size_t i = 0; i < text.size() && 2 * i + 1 < room.size(); ++i) {
        room[2 * i] = '\x81';
        room[2 * i + 1] = static_cast<char>(text[i] & 0x7F);
    }
}

TEST(log_text, writer_gets_one_byte_of_room_per_unit) {
    const std::u16string wide = u"abcdef";
    const app::zeroed_text analysis = app::wide_analysis_text(wide, 13, double_width_writer);
    const std::string_view text = analysis;
    ASSERT_EQ(text.size(), 13u);
    EXPECT_EQ(text.substr(0, 6),
              "\x81"
              "a\x81"
              "b\x81"
              "c");
    EXPECT_EQ(text.find_first_not_of('\0', 6), std::string::npos);
}

TEST(log_text, zeroed_text_of_any_size_reads_as_zero_bytes) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{64} << 20}) {
        const app::zeroed_text text(size);
        ASSERT_EQ(text.size(), size);
        EXPECT_EQ(text.view().find_first_not_of('\0'), std::string::npos) << size;
    }
}

}  // namespace
