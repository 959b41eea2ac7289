#pragma once

#include <cstdint>
#include <string_view>

namespace app {

// Readers of the installer's own figures in the analysis text of a log. All
// searches are byte-exact and case-sensitive; every number is read as a
// decimal value (white space skipped, one optional sign, digits up to the
// first other byte, 0 without digits). Absent markers give 0.

// The product version: the number between "web/" and the next "/" of a
// download path (to the end of the text without one); failing that the
// "ProductVersion = " line with its first two dots removed, so 6.2.8 reads
// as 628. A download path wins even when its number is 0.
std::int32_t parse_product_version(std::string_view analysis_text);

// The installer's error number: the 4 bytes before the first "." that
// follows "dialog SetupError" and the byte after it.
std::int32_t parse_error_number(std::string_view analysis_text);

}  // namespace app
