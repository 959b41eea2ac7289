#include "vantor/strings.hpp"

#include <algorithm>

namespace vantor {

namespace {

char lower_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string to_lower(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lower_ascii);
    return lowered;
}

bool starts_with(std::string_view prefix, std::string_view text) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool ends_with(std::string_view suffix, std::string_view text) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

void replace_all(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) {
        return;
    }
    for (auto position = text.find(pattern); position != std::string::npos;
         position = text.find(pattern, position)) {
        text.replace(position, pattern.size(), replacement);
        position += replacement.size();
    }
}

bool iequals(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower_ascii(x) == lower_ascii(y); });
}

std::vector<std::string> split(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find_first_of(delimiters, start);
        if (end == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace vantor
