#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor::internet::message2 {

// Splits header text at any of the delimiter bytes. A delimiter inside
// double quotes, after a backslash or inside an encoded word ("=?" up to the
// next "?=") does not split; backslashes are dropped, quote characters are
// kept only with retain_quotes, and leading spaces of every piece vanish.
// Empty pieces between delimiters are kept, but none after a trailing
// delimiter.
std::vector<std::string> split_header_text(std::string_view text, std::string_view delimiters,
                                           bool retain_quotes);

}  // namespace vantor::internet::message2
