#pragma once

#include <string>
#include <string_view>

#include "vantor/coding/translate/errors.hpp"

// Transfer codings on byte strings: base64, hexadecimal and the escapes of
// quoted-printable. None of the encoders breaks lines.
namespace vantor::coding::translate {

// Padded base64 on one line.
std::string encode_base64(std::string_view bytes);
// Skips every byte outside the alphabet (line breaks, blanks, "=", ...);
// a trailing partial group is dropped. Never fails.
std::string decode_base64(std::string_view text);

// Two lower-case hex digits per byte.
std::string encode_hex(std::string_view bytes);
// Digits of either case; an odd final digit is dropped. Raises
// invalid_codeword ("Invalid Codeword 0x67") at the first other byte.
std::string decode_hex(std::string_view text);

// Writes 0x00 to 0x1F, '"', '=', '?', '_' and 0x7F to 0xFF as "=" and two
// upper-case hex digits; every other byte, the blank included, as it is.
std::string encode_quoted_printable(std::string_view bytes);
// Turns "=" and the two bytes after it into one byte; an "=" with fewer than
// two bytes after it stays as it is. Raises invalid_codeword when those two
// bytes are not hex digits.
std::string decode_quoted_printable(std::string_view text);

}  // namespace vantor::coding::translate
