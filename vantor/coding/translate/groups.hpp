#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::coding::translate::detail {

// A decoder table entry: the group value of a character, or one of these.
inline constexpr std::int16_t foreign = -1;  // outside the alphabet
inline constexpr std::int16_t skipped = -2;  // to be ignored

using decoder_table = std::array<std::int16_t, 256>;

// Writes the bytes as groups of width bits, most significant first, one
// alphabet character per group; the last partial group is filled with zero
// bits on the right.
void encode_groups(std::string_view bytes, std::string& out, std::string_view alphabet,
                   unsigned width, std::uint32_t mask);

// Reads groups of width bits through the table and appends every complete
// byte; leftover bits are dropped. A foreign character raises
// invalid_codeword when strict and is skipped otherwise.
void decode_groups(std::string_view text, std::string& out, const decoder_table& table,
                   unsigned width, bool strict);

}  // namespace vantor::coding::translate::detail
