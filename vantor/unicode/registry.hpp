#pragma once

#include <cstdint>
#include <string_view>

namespace vantor::unicode {

// Code page numbers are Windows code page identifiers (0 the system ANSI
// code page, 1252, 28591, 65001, ...). identity_codepage maps bytes 0 to 255
// one to one onto UTF-16 units 0 to 255.
using codepage = std::int32_t;

inline constexpr codepage identity_codepage = -1;

// The code page of a MIME charset name ("utf-8", "ISO-8859-1",
// "windows-1252", "Shift_JIS"). The name is lowered (ASCII letters only)
// and stripped of every "-" and "_", then looked up in the alias table;
// names that the table does not hold are read by the prefix rules
// (iso8859, latin, csisolatin give 28590 + n; windows, dos, ibm, cp give n).
// Any other name gives identity_codepage. Raises nothing of its own.
codepage codepage_by_name(std::string_view name);

}  // namespace vantor::unicode
