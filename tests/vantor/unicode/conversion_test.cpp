#include "vantor/unicode/conversion.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/wine.hpp"

namespace {

namespace unicode = vantor::unicode;
using unicode::narrow;
using unicode::widen;

TEST(conversion, empty_text_needs_no_valid_page) {
    EXPECT_EQ(narrow(u"", 28590), "");
    EXPECT_EQ(widen("", 28590), u"");
    EXPECT_EQ(narrow(u"", 12345678), "");
}

TEST(conversion, identity_page_maps_bytes_to_units) {
    EXPECT_EQ(narrow(u"A\u00E9", unicode::identity_codepage), "A\xE9");
    EXPECT_EQ(widen("A\xE9", unicode::identity_codepage), u"A\u00E9");
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) {
        all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    }
    EXPECT_EQ(narrow(widen(all, -1), -1), all);
    EXPECT_THROW(narrow(u"a\u0100", -1), unicode::unmappable_character);
}

TEST(conversion, euro_sign_in_1252_and_utf8) {
    EXPECT_EQ(narrow(u"\u20AC", 1252), "\x80");
    EXPECT_EQ(narrow(u"\u20AC", 65001), "\xE2\x82\xAC");
    EXPECT_EQ(widen("\x80", 1252), u"\u20AC");
    EXPECT_EQ(widen("\xE2\x82\xAC", 65001), u"\u20AC");
}

TEST(conversion, surrogate_pairs_and_four_byte_sequences) {
    EXPECT_EQ(narrow(u"\U0001F600", 65001), "\xF0\x9F\x98\x80");
    EXPECT_EQ(widen("\xF0\x9F\x98\x80", 65001), u"\U0001F600");
    EXPECT_EQ(widen("\xF4\x8F\xBF\xBF", 65001), u"\U0010FFFF");
}

TEST(conversion, strict_page_reports_a_character_without_mapping) {
    EXPECT_THROW(narrow(u"log \u65E5", 1252), unicode::unmappable_character);
    EXPECT_THROW(narrow(u"\U0001F600", 932), unicode::unmappable_character);
    EXPECT_THROW(narrow(u"\uFFFD", 28591), unicode::unmappable_character);
}

// A character with a close substitute in the code page (a Latin letter with
// a macron for "A"): the system may write the substitute (Windows does),
// else the character is reported; it is never dropped.
TEST(conversion, close_substitute_is_written_or_reported) {
    try {
        EXPECT_EQ(narrow(u"x\u0100y", 1252), "xAy");
    } catch (const unicode::unmappable_character&) {
    }
}

TEST(conversion, strict_page_reports_invalid_bytes) {
    EXPECT_THROW(widen("\x82", 932), unicode::unmappable_character);  // lead byte at the end
    EXPECT_THROW(widen("\xFF\xFF", 936), unicode::unmappable_character);
    EXPECT_THROW(widen("a\x82\x20", 932), unicode::unmappable_character);  // no trail byte
}

TEST(conversion, seven_bit_japanese_mail_encoding_reports_invalid_bytes) {
    if (const auto why = test_support::lacked_by_wine("code page 50220")) {
        GTEST_SKIP() << *why;
    }
    EXPECT_THROW(widen("a\x80", 50220), unicode::unmappable_character);  // 7-bit code
    EXPECT_THROW(widen("\x1B$B!", 50220), unicode::unmappable_character);
}

TEST(conversion, exempt_pages_replace_instead) {
    EXPECT_EQ(widen("a\xFF"
                    "b\xC3",
                    65001),
              u"a\uFFFDb\uFFFD");
    // An encoded surrogate: the count of substitutes is the system's own
    // (one for each ill-formed part).
    const std::u16string surrogate = widen("\xED\xA0\x80", 65001);
    EXPECT_FALSE(surrogate.empty());
    EXPECT_EQ(surrogate.find_first_not_of(u'\uFFFD'), std::u16string::npos);
    EXPECT_EQ(narrow(u"a\xD800"
                     "b\xDC00",
                     65001),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_EQ(narrow(u"\xDC00\xD800", 65001), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(conversion, chinese_national_standard_replaces_instead) {
    if (const auto why = test_support::lacked_by_wine("code page 54936")) {
        GTEST_SKIP() << *why;
    }
    EXPECT_EQ(narrow(u"a\u00E9\xD800", 54936), "a\xA8\xA6?");
    EXPECT_EQ(widen("a\x81", 54936), u"a\uFFFD");
}

std::string every_byte() {
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) {
        all[static_cast<std::size_t>(b)] = static_cast<char>(b);
    }
    return all;
}

TEST(conversion, single_byte_pages_widen_every_byte) {
    EXPECT_EQ(widen("\x81\x8D\x8F\x90\x9D", 1252), u"\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(narrow(u"\u0081\u008D\u008F\u0090\u009D", 1252), "\x81\x8D\x8F\x90\x9D");
    for (const unicode::codepage page : {437, 866, 1250, 1252, 1258, 28591}) {
        EXPECT_EQ(widen(every_byte(), page).size(), 256u) << page;
    }
}

// Pages whose character sets leave bytes undefined: each byte is one
// character, or (on a strict page) invalid and reported.
TEST(conversion, undefined_bytes_widen_to_one_unit_or_are_reported) {
    for (const unicode::codepage page :
         {874, 1253, 1255, 10000, 20127, 28593, 28596, 28597, 28598}) {
        for (const char byte : every_byte()) {
            try {
                EXPECT_EQ(widen(std::string(1, byte), page).size(), 1u) << page;
            } catch (const unicode::unmappable_character&) {
            }
        }
    }
}

TEST(conversion, stateful_japanese_mail_encoding) {
    if (const auto why = test_support::lacked_by_wine("code pages 50220 to 50222")) {
        GTEST_SKIP() << *why;
    }
    const std::string jis = "a\x1B$BF|\x1B(Bb";  // a, U+65E5 in JIS X 0208, b
    EXPECT_EQ(narrow(u"a\u65E5b", 50221), jis);
    EXPECT_EQ(widen(jis, 50221), u"a\u65E5b");
    // One character in a double-byte set takes the escapes in and out.
    EXPECT_EQ(narrow(u"\u65E5", 50220), "\x1B$BF|\x1B(B");
    EXPECT_EQ(narrow(u"\u65E5\xD800", 50222), "\x1B$BF|\x1B(B?");
    // Shift sequences alone are text without characters.
    EXPECT_EQ(widen("\x1B$B\x1B(B", 50221), u"");
    // Shift sequences make the result longer than the text.
    EXPECT_EQ(widen(narrow(u"\u65E5\u672C", 50220), 50220), u"\u65E5\u672C");
}

// Results on either side of the room of a byte a unit and an eighth more,
// long and short, whole on every side.
TEST(conversion, results_longer_than_the_text_are_whole) {
    const struct {
        std::u16string text;
        unicode::codepage page;
    } cases[] = {
        {u"\uFEFF" + std::u16string(4000, u'a'), 65001},  // a mark and ASCII
        {std::u16string(800, u'\u00E9'), 65001},          // two bytes a unit
        {std::u16string(800, u'\u4E2D'), 65001},          // three bytes a unit
        {std::u16string(800, u'\u4E2D'), 932},            // two bytes a unit
        {u"\u4E2D" + std::u16string(7, u'a'), 932},       // within the slack
        {std::u16string(1000, u'a') + std::u16string(70, u'\u00E9'), 65001},
    };
    for (const auto& [text, page] : cases) {
        EXPECT_EQ(widen(narrow(text, page), page), text) << page;
    }
    EXPECT_EQ(narrow(std::u16string(3, u'\u4E2D'), 65001), "\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD");
}

TEST(conversion, unknown_page_is_invalid_both_ways) {
    for (const unicode::codepage page : {28590, 12345, -2, 65002}) {
        EXPECT_THROW(narrow(u"x", page), unicode::invalid_codepage) << page;
        EXPECT_THROW(widen("x", page), unicode::invalid_codepage) << page;
    }
}

TEST(conversion, errors_carry_an_empty_message) {
    try {
        widen("x", 28590);
        FAIL();
    } catch (const unicode::invalid_codepage& error) {
        EXPECT_STREQ(error.what(), "unicode.invalid_codepage[]");
    }
    try {
        narrow(u"\u0100", -1);
        FAIL();
    } catch (const unicode::unmappable_character& error) {
        EXPECT_STREQ(error.what(), "unicode.unmappable_character[]");
    }
}

TEST(conversion, strict_flags) {
    for (const unicode::codepage page :
         {42, 50221, 50222, 50225, 50227, 50229, 52936, 54936, 57002, 57005, 57011, 65000, 65001}) {
        EXPECT_FALSE(unicode::strict_flags_allowed(page)) << page;
    }
    for (const unicode::codepage page : {0, 1252, 28591, 932, 50220, 57001, 57012, 65002, -1}) {
        EXPECT_TRUE(unicode::strict_flags_allowed(page)) << page;
    }
}

TEST(conversion, system_page_of_the_c_locale_is_1252) {
    EXPECT_EQ(narrow(u"\u20AC", 0), "\x80");
    EXPECT_EQ(widen("\x80\x81", 0), u"\u20AC\u0081");
}

// Arbitrary bytes and units: every conversion returns the whole text or
// raises a unicode error, and what narrows widens back the same on pages
// that hold every character exactly once.
TEST(conversion, random_input_never_breaks_a_conversion) {
    std::mt19937 random(20261211);
    const unicode::codepage pages[] = {-1,    0,     437,   874,   932,   936,   949,   950,
                                       1252,  1258,  10000, 20127, 20866, 28591, 28597, 50220,
                                       50221, 50222, 51932, 51949, 54936, 65000, 65001, 28590};
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 64, '\0');
        for (auto& b : bytes) {
            b = static_cast<char>(random());
        }
        std::u16string units(random() % 64, u'\0');
        for (auto& u : units) {
            // Mostly surrogates and ASCII, some of everything else.
            const auto r = random();
            u = static_cast<char16_t>(r % 3 == 0 ? 0xD800 + r % 0x800 : r % 3 == 1 ? r % 0x80 : r);
        }
        for (const auto page : pages) {
            try {
                const auto wide = widen(bytes, page);
                EXPECT_LE(wide.size(), bytes.size());
            } catch (const unicode::generic&) {
            }
            try {
                const auto text = narrow(units, page);
                if (page == 65001) {
                    EXPECT_EQ(narrow(widen(text, page), page), text);
                }
            } catch (const unicode::generic&) {
            }
        }
    }
}

}  // namespace
