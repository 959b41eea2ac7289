#pragma once

#include <string>

#include "vantor/internet/message2/header_type/generic_value_type.hpp"

namespace vantor::internet::message2 {

// Header text for a wide text: the text itself when it is all ASCII,
// otherwise the whole text as one encoded word in the value's charset, in
// the B form when that is strictly shorter than the Q form.
std::string encode_text(const header_type::generic_value_type& value, const std::u16string& text);

// Wide text from header text whose space-separated words may be encoded
// words. Spaces between two encoded words are dropped; trailing spaces are
// dropped. Sets the value's charset to that of each encoded word met.
std::u16string decode_text(header_type::generic_value_type& value, const std::string& text);

// Decodes one space-free word into output. True when the word held a
// decodable encoded word; a plain word is widened from the value's charset.
bool decode_word(header_type::generic_value_type& value, const std::string& word,
                 std::u16string& output);

}  // namespace vantor::internet::message2
