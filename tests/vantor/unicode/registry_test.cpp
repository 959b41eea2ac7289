#include "vantor/unicode/registry.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using vantor::unicode::codepage_by_name;

struct named_page {
    std::string name;
    vantor::unicode::codepage page;
};

// Names from the table, the prefix rules and neither.
const named_page cases[] = {
    {"UTF-8", 65001},
    {"utf8", 65001},
    {"UTF_8", 65001},
    {"unicode-1-1-utf-8", 65001},
    {"utf-7", 65000},
    {"ISO-8859-1", 28591},
    {"ISO_8859-15", 28605},
    {"iso-8859-2", 28592},
    {"latin2", 28592},
    {"csisolatin2", 28592},
    {"csISOLatin2", 28592},
    {"latin5", 28595},
    {"ISO-8859-8-I", 38598},
    {"iso-8859-8", 28598},
    {"iso-ir-100", 1252},
    {"ISO646-US", 1252},
    {"iso-ir-148", 1254},
    {"csISOLatinCyrillic", 28595},
    {"windows-1251", 1251},
    {"cp1251", 1251},
    {"CP850", 850},
    {"IBM037", 37},
    {"dos-862", 862},
    {"Shift_JIS", 932},
    {"EUC-KR", 51949},
    {"KOI8-R", 20866},
    {"koi8-u", 21866},
    {"x-mac-chinesesimp", 10008},
    {"x-iscii-as", 57006},
    {"ASMO-708", 708},
    {"GB2312", 936},
    {"Big5", 950},
    {"GB18030", 54936},
    {"ISO-2022-JP", 50221},
    {"euc-jp", 51932},
    {"US-ASCII", -1},
    {"ascii", -1},
    {"", -1},
    {"utf-16", -1},
    {"x-unknown", -1},
    {" utf-8", -1},
    {"utf-8 ", -1},
    {"latin", 28590},
    {"iso8859x", 28590},
    {"cp", 0},
    {"windows", 0},
    // The number after a prefix is read as far as it goes.
    {"windows-1252x", 1252},
    {"cp 850", 850},
    {"cp-850", 850},
    {"iso8859+3", 28593},
    // Only ASCII letters are lowered; other bytes stay and do not match.
    {"UTF\xC3\x9F"
     "8",
     -1},
};

TEST(codepage_by_name, resolves_names) {
    for (const auto& [name, page] : cases) {
        EXPECT_EQ(codepage_by_name(name), page) << '"' << name << '"';
    }
}

// Numbers beyond the 32-bit range saturate and wrap instead of overflowing.
TEST(codepage_by_name, huge_numbers_stay_defined) {
    EXPECT_EQ(codepage_by_name("cp99999999999"), 2147483647);
    EXPECT_EQ(codepage_by_name("iso8859-99999999999"),
              static_cast<std::int32_t>(28590u + 2147483647u));
}

}  // namespace
