#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"

#include "vantor/internet/message2/encoded_words.hpp"
#include "vantor/unicode/conversion.hpp"

namespace vantor::internet::message2::header_type {

std::string unstructured_value_type::render() const {
    return encode_text(*this, text_);
}

void unstructured_value_type::parse(const std::string& text) {
    text_ = decode_text(*this, text);
}

std::u16string& unstructured_value_type::value() {
    return text_;
}

std::string unstructured_value_type::value_bytes(std::int32_t codepage) const {
    return unicode::narrow(text_, codepage);
}

void unstructured_value_type::set_value(const std::u16string& text) {
    text_ = text;
}

void unstructured_value_type::set_value_bytes(const std::string& bytes, std::int32_t codepage) {
    text_ = unicode::widen(bytes, codepage);
}

}  // namespace vantor::internet::message2::header_type
