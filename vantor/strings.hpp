#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Byte-wise helpers on narrow strings; case-sensitive unless said otherwise.

// A copy with the ASCII letters A to Z lowered; every other byte unchanged.
std::string to_lower(std::string_view text);

// False when the text is shorter than the prefix; otherwise a byte-wise
// comparison of that part. Note the order: prefix first.
bool starts_with(std::string_view prefix, std::string_view text);
bool ends_with(std::string_view suffix, std::string_view text);

// Replaces every match of pattern, searching on after each inserted
// replacement, so a replacement that contains the pattern is not replaced
// again. An empty pattern matches nothing and leaves the text unchanged.
void replace_all(std::string& text, std::string_view pattern, std::string_view replacement);

// True when both texts are equal after to_lower.
bool iequals(std::string_view a, std::string_view b);

// The fields between delimiters, each delimiter being any one of the given
// characters. Empty fields are kept; a text without delimiters (the empty
// text included) gives one field.
std::vector<std::string> split(std::string_view text, std::string_view delimiters);

}  // namespace vantor
