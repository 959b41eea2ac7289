#include "platform/posix/served_pages.hpp"

#include <algorithm>
#include <array>

namespace platform::codepage::posix {

namespace {

constexpr auto single = engine::single_byte;
constexpr auto multi = engine::multi_byte;

// Code pages with their glibc charset and the MaxCharSize that Windows
// reports. For the ISO-2022-JP pages one UTF-16 unit can take an escape
// into a double-byte set, two bytes and the escape back to ASCII at the end
// (3 + 2 + 3); EUC-JP needs three bytes for JIS X 0212, GB18030 four.
// Code page 0 reaches this table only when a caller has not resolved it
// from the locale; it then converts as 1252. Sorted by page.
constexpr std::array<served_page, 51> served_pages{{
    // clang-format off
    {    0, "CP1252",          1, single},
    {  437, "IBM437",          1, single},
    {  850, "IBM850",          1, single},
    {  852, "IBM852",          1, single},
    {  855, "IBM855",          1, single},
    {  857, "IBM857",          1, single},
    {  860, "IBM860",          1, single},
    {  861, "IBM861",          1, single},
    {  862, "IBM862",          1, single},
    {  863, "IBM863",          1, single},
    {  864, "IBM864",          1, single},
    {  865, "IBM865",          1, single},
    {  866, "IBM866",          1, single},
    {  869, "IBM869",          1, single},
    {  874, "CP874",           1, single},
    {  932, "CP932",           2, multi},
    {  936, "CP936",           2, multi},
    {  949, "CP949",           2, multi},
    {  950, "CP950",           2, multi},
    { 1250, "CP1250",          1, single},
    { 1251, "CP1251",          1, single},
    { 1252, "CP1252",          1, single},
    { 1253, "CP1253",          1, single},
    { 1254, "CP1254",          1, single},
    { 1255, "CP1255",          1, single},
    { 1256, "CP1256",          1, single},
    { 1257, "CP1257",          1, single},
    { 1258, "CP1258",          1, single},
    {10000, "MACINTOSH",       1, single},
    {20127, "ANSI_X3.4-1968",  1, single},
    {20866, "KOI8-R",          1, single},
    {21866, "KOI8-U",          1, single},
    {28591, "ISO-8859-1",      1, single},
    {28592, "ISO-8859-2",      1, single},
    {28593, "ISO-8859-3",      1, single},
    {28594, "ISO-8859-4",      1, single},
    {28595, "ISO-8859-5",      1, single},
    {28596, "ISO-8859-6",      1, single},
    {28597, "ISO-8859-7",      1, single},
    {28598, "ISO-8859-8",      1, single},
    {28599, "ISO-8859-9",      1, single},
    {28603, "ISO-8859-13",     1, single},
    {28605, "ISO-8859-15",     1, single},
    {50220, "ISO-2022-JP",     8, multi},
    {50221, "ISO-2022-JP",     8, multi},
    {50222, "ISO-2022-JP",     8, multi},
    {51932, "EUC-JP",          3, multi},
    {51949, "EUC-KR",          2, multi},
    {54936, "GB18030",         4, multi},
    {65000, "UTF-7",           5, multi},
    {65001, "",                4, engine::utf8},
    // clang-format on
}};

static_assert(std::is_sorted(served_pages.begin(), served_pages.end(),
                             [](const served_page& a, const served_page& b) {
                                 return a.page < b.page;
                             }));

}  // namespace

const served_page* find_served_page(number page) {
    const auto found =
        std::lower_bound(served_pages.begin(), served_pages.end(), page,
                         [](const served_page& entry, number p) { return entry.page < p; });
    return found != served_pages.end() && found->page == page ? &*found : nullptr;
}

std::span<const served_page> all_served_pages() {
    return served_pages;
}

}  // namespace platform::codepage::posix
