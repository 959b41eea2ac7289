#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "vantor/unicode/registry.hpp"

namespace vantor::unicode::detail {

struct alias {
    std::string_view name;  // normalised: lower case, no "-" or "_"
    codepage page;
};

// Charset names that the prefix rules do not read, grouped by code page.
inline constexpr std::array<alias, 104> aliases{{
    // clang-format off
    {"ascii", -1}, {"usascii", -1},
    {"asmo708", 708},
    {"tis620", 874},
    {"csshiftjis", 932}, {"cswindows31j", 932}, {"mskanji", 932}, {"shiftjis", 932}, {"xsjis", 932},
    {"csgb2312", 936}, {"csgb231280", 936}, {"csiso58gb231280", 936}, {"cngb", 936}, {"gbk", 936},
    {"gb2312", 936}, {"gb231280", 936}, {"isoir58", 936},
    {"ksc5601", 949}, {"ksc56011987", 949}, {"csksc5601", 949}, {"csksc56011987", 949},
    {"isoir149", 949}, {"korean", 949},
    {"big5", 950}, {"cnbig5", 950}, {"csbig5", 950}, {"xxbig5", 950},
    {"isoir6", 1252}, {"isoir100", 1252}, {"iso646us", 1252},
    {"isoir148", 1254},
    {"johab", 1361},
    {"macintosh", 10000},
    {"xmacjapanese", 10001},
    {"xmacchinesetrad", 10002},
    {"xmackorean", 10003},
    {"xmacarabic", 10004},
    {"xmachebrew", 10005},
    {"xmacgreek", 10006},
    {"xmaccyrillic", 10007},
    {"xmacchinesesimp", 10008},
    {"xmacce", 10029},
    {"xmacicelandic", 10079},
    {"xchinesecns", 20000},
    {"xchineseeten", 20002},
    {"xia5german", 20106},
    {"xia5swedish", 20107},
    {"xia5norwegian", 20108},
    {"koi", 20866}, {"koi8", 20866}, {"koi8r", 20866},
    {"koi8u", 21866}, {"koi8ru", 21866},
    {"isoir101", 28592},
    {"isoir110", 28594},
    {"csisolatincyrillic", 28595}, {"cyrillic", 28595}, {"isoir144", 28595},
    {"arabic", 28596}, {"csisolatinarabic", 28596}, {"ecma114", 28596}, {"isoir127", 28596},
    {"csisolatingreek", 28597}, {"ecma118", 28597}, {"elot928", 28597}, {"greek", 28597},
    {"greek8", 28597}, {"isoir126", 28597},
    {"csisolatinhebrew", 28598}, {"hebrew", 28598}, {"isoir138", 28598}, {"visual", 28598},
    {"xeuropa", 29001},
    {"iso88598i", 38598}, {"logical", 38598},
    {"csiso2022jp", 50221}, {"iso2022jp", 50221},
    {"eucjp", 51932}, {"cseucjp", 51932}, {"xeucjp", 51932},
    {"euccn", 51936}, {"cseuccn", 51936}, {"xeuccn", 51936},
    {"euckr", 51949}, {"cseuckr", 51949}, {"xcseuckr", 51949},
    {"hzgb2312", 52936},
    {"gb18030", 54936},
    {"xisciide", 57002},
    {"xisciibe", 57003},
    {"xisciita", 57004},
    {"xisciite", 57005},
    {"xisciias", 57006},
    {"xisciior", 57007},
    {"xisciika", 57008},
    {"xisciima", 57009},
    {"xisciigu", 57010},
    {"xisciipa", 57011},
    {"utf7", 65000}, {"unicode11utf7", 65000}, {"unicode20utf7", 65000},
    {"utf8", 65001}, {"unicode11utf8", 65001}, {"unicode20utf8", 65001},
    // clang-format on
}};

// The aliases ordered byte-wise by name, for binary search. Built by the
// compiler, so the table is complete before any code runs and never changes.
inline constexpr auto sorted_aliases = [] {
    auto sorted = aliases;
    std::sort(sorted.begin(), sorted.end(),
              [](const alias& a, const alias& b) { return a.name < b.name; });
    return sorted;
}();

static_assert(std::adjacent_find(sorted_aliases.begin(), sorted_aliases.end(),
                                 [](const alias& a, const alias& b) { return a.name == b.name; }) ==
                  sorted_aliases.end(),
              "alias names are unique");

}  // namespace vantor::unicode::detail
