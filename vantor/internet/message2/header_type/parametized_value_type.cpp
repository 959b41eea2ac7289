#include "vantor/internet/message2/header_type/parametized_value_type.hpp"

#include <algorithm>

#include "vantor/internet/message2/encoded_words.hpp"
#include "vantor/internet/message2/header_text.hpp"
#include "vantor/strings.hpp"
#include "vantor/unicode/conversion.hpp"

namespace vantor::internet::message2::header_type {

namespace {

constexpr std::int32_t utf8_codepage = 65001;

auto named(const std::string& name) {
    return [&name](const parametized_value_type::parameter& p) { return iequals(p.name, name); };
}

}  // namespace

std::string parametized_value_type::render() const {
    std::string text = encode_text(*this, text_);
    for (const auto& p : parameters) {
        text.append("; ").append(p.name).append("=\"");
        text.append(encode_text(*this, p.value)).append("\"");
    }
    return text;
}

void parametized_value_type::parse(const std::string& text) {
    text_.clear();
    parameters.clear();

    const auto pieces = split_header_text(text, ";,", true);
    if (pieces.empty()) {
        return;
    }
    text_ = decode_text(*this, pieces.front());
    for (auto piece = pieces.begin() + 1; piece != pieces.end(); ++piece) {
        const auto halves = split_header_text(*piece, "=", false);
        if (halves.size() == 1) {
            parameters.push_back({halves[0], {}});
        } else if (halves.size() == 2) {
            parameters.push_back({halves[0], decode_text(*this, halves[1])});
        }
    }
}

void parametized_value_type::set_parameter(const std::string& name, const std::u16string& value) {
    const auto found = std::find_if(parameters.begin(), parameters.end(), named(name));
    if (found != parameters.end()) {
        found->value = value;
    } else {
        parameters.push_back({name, value});
    }
}

void parametized_value_type::set_parameter_utf8(const std::string& name, const std::string& value) {
    set_parameter(name, unicode::widen(value, utf8_codepage));
}

void parametized_value_type::remove_parameter(const std::string& name) {
    const auto found = std::find_if(parameters.begin(), parameters.end(), named(name));
    if (found != parameters.end()) {
        parameters.erase(found);
    }
}

}  // namespace vantor::internet::message2::header_type
