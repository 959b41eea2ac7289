#include "vantor/internet/message2/encoded_words.hpp"

#include <algorithm>
#include <string_view>

#include "vantor/coding/translate/codings.hpp"
#include "vantor/strings.hpp"
#include "vantor/unicode/conversion.hpp"
#include "vantor/unicode/registry.hpp"

namespace vantor::internet::message2 {

namespace {

namespace translate = vantor::coding::translate;

std::string encoded_word(const std::string& charset, char letter, const std::string& bytes) {
    std::string word;
    word.reserve(charset.size() + bytes.size() + 7);
    word.append("=?").append(charset).append(1, '?').append(1, letter).append(1, '?');
    word.append(bytes).append("?=");
    return word;
}

// The bytes of an encoded word's text, or false when its form is not
// "=?charset?letter?text?=" with a letter of B or Q. The charset is taken
// into the value as soon as the form is right, before the letter is read.
bool decode_encoded_stretch(header_type::generic_value_type& value, std::string_view stretch,
                            std::string& bytes) {
    const auto pieces = split(stretch, "?");
    if (pieces.size() != 5) {
        return false;
    }
    value.charset = pieces[1];
    const std::string& letter = pieces[2];
    if (letter == "Q" || letter == "q") {
        std::string text = pieces[3];
        std::replace(text.begin(), text.end(), '_', ' ');
        bytes = translate::decode_quoted_printable(text);
        return true;
    }
    if (letter == "B" || letter == "b") {
        bytes = translate::decode_base64(pieces[3]);
        return true;
    }
    return false;
}

}  // namespace

std::string encode_text(const header_type::generic_value_type& value, const std::u16string& text) {
    if (text.empty()) {
        return {};
    }
    const bool ascii = std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0x7F; });
    if (ascii) {
        return unicode::narrow(text, unicode::identity_codepage);
    }
    const std::string bytes = unicode::narrow(text, unicode::codepage_by_name(value.charset));

    std::string q_text = translate::encode_quoted_printable(bytes);
    std::replace(q_text.begin(), q_text.end(), ' ', '_');
    std::string q_form = encoded_word(value.charset, 'Q', q_text);
    std::string b_form = encoded_word(value.charset, 'B', translate::encode_base64(bytes));
    return b_form.size() < q_form.size() ? b_form : q_form;
}

bool decode_word(header_type::generic_value_type& value, const std::string& word,
                 std::u16string& output) {
    const auto start = word.find("=?");
    const auto end = word.rfind("?=");
    if (start != std::string::npos && end != std::string::npos && end >= start) {
        const auto after = end + 2;
        std::string bytes;
        if (decode_encoded_stretch(value, std::string_view(word).substr(start, after - start),
                                   bytes)) {
            output = unicode::widen(word.substr(0, start), unicode::identity_codepage);
            output += unicode::widen(bytes, unicode::codepage_by_name(value.charset));
            output += unicode::widen(word.substr(after), unicode::identity_codepage);
            return true;
        }
    }
    output = unicode::widen(word, unicode::codepage_by_name(value.charset));
    return false;
}

std::u16string decode_text(header_type::generic_value_type& value, const std::string& text) {
    std::u16string result;
    bool previous_encoded = false;
    std::size_t position = 0;
    while (position < text.size()) {
        const auto word_start = text.find_first_not_of(' ', position);
        if (word_start == std::string::npos) {
            break;  // trailing spaces are dropped
        }
        const auto spaces = word_start - position;
        auto word_end = text.find(' ', word_start);
        if (word_end == std::string::npos) {
            word_end = text.size();
        }
        std::u16string decoded;
        const bool encoded =
            decode_word(value, text.substr(word_start, word_end - word_start), decoded);
        if (!(encoded && previous_encoded)) {
            result.append(spaces, u' ');
        }
        result += decoded;
        previous_encoded = encoded;
        position = word_end;
    }
    return result;
}

}  // namespace vantor::internet::message2
