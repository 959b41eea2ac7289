// What the Linux backend chooses where the conversions leave the choice to
// the system: code page 0 from the locale of the environment (Windows
// resolves it itself), no close substitutes, a character for every byte of
// a single-byte page, and the code pages it serves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "vantor/unicode/conversion.hpp"

namespace {

namespace unicode = vantor::unicode;
using unicode::narrow;
using unicode::widen;

TEST(linux_choices, no_close_substitutes) {
    EXPECT_THROW(narrow(u"\u0100", 1252), unicode::unmappable_character);
}

TEST(linux_choices, undefined_bytes_of_single_byte_pages_stand_for_themselves) {
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) {
        all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    }
    for (const unicode::codepage page :
         {874, 1253, 1255, 10000, 20127, 28593, 28596, 28597, 28598}) {
        EXPECT_EQ(widen(all, page).size(), 256u) << page;
    }
    EXPECT_EQ(widen("\xAA", 1253), u"\u00AA");
    EXPECT_EQ(widen("\x80\xFF", 20127), u"\u0080\u00FF");
}

TEST(linux_choices, one_substitute_for_each_ill_formed_part_of_utf8) {
    EXPECT_EQ(widen("\xED\xA0\x80", 65001), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
}

TEST(linux_choices, johab_is_not_served) {
    EXPECT_THROW(narrow(u"x", 1361), unicode::invalid_codepage);
    EXPECT_THROW(widen("x", 1361), unicode::invalid_codepage);
}

class system_page : public ::testing::Test {
protected:
    void SetUp() override { saved_ = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : ""; }
    void TearDown() override { setenv("LC_ALL", saved_.c_str(), 1); }

private:
    std::string saved_;
};

TEST_F(system_page, utf8_locale_gives_utf8) {
    setenv("LC_ALL", "C.UTF-8", 1);
    EXPECT_EQ(narrow(u"\u20AC", 0), "\xE2\x82\xAC");
    EXPECT_EQ(widen("\xE2\x82\xAC", 0), u"\u20AC");
    EXPECT_EQ(unicode::system_ansi_codepage(), 65001);
}

TEST_F(system_page, c_locale_gives_1252) {
    for (const char* locale : {"C", "POSIX", "no_such_locale.KOI8-R"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(narrow(u"\u20AC", 0), "\x80") << locale;
        EXPECT_EQ(widen("\x80\x81", 0), u"\u20AC\u0081") << locale;
        EXPECT_EQ(unicode::system_ansi_codepage(), 1252) << locale;
    }
}

}  // namespace
