#pragma once

#include <string>
#include <string_view>

#include "vantor/unicode/errors.hpp"
#include "vantor/unicode/registry.hpp"

namespace vantor::unicode {

// Wide (UTF-16) text to narrow text in the code page. Raises
// invalid_codepage for a code page that the system cannot convert,
// unmappable_character for a character that a strict code page cannot hold
// (and for a unit above 0xFF with identity_codepage), out_of_memory and
// generic for other failures, all with an empty message. An empty text
// gives an empty result without any check.
std::string narrow(std::u16string_view text, codepage page);

// Narrow text in the code page to wide text. Raises invalid_codepage for a
// code page that the system does not know, unmappable_character for bytes
// that are invalid in a strict code page, out_of_memory and generic for
// other failures, all with an empty message. Exempt code pages replace
// invalid bytes with U+FFFD instead.
std::u16string widen(std::string_view text, codepage page);

// The code page that code page 0 (the system ANSI code page) stands for
// where the library resolves it: the page of the locale's character set
// when the registry names one that the system converts, else 1252. Gives 0
// where the system resolves code page 0 itself.
codepage system_ansi_codepage();

// False for the code pages whose conversions must not be asked to report
// bad input (42, 50221, 50222, 50225, 50227, 50229, 52936, 54936, 57002 to
// 57011, 65000, 65001); true for every other number.
bool strict_flags_allowed(codepage page);

}  // namespace vantor::unicode
