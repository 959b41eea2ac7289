#include "vantor/internet/mail_lines.hpp"

namespace vantor::internet {

mail_lines::mail_lines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) {
        push_back(line);
    }
}

void mail_lines::reserve(std::size_t lines, std::size_t bytes) {
    ends_.reserve(ends_.size() + lines);
    text_.reserve(text_.size() + bytes);
}

void mail_lines::push_back(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
}

std::string_view mail_lines::operator[](std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(start, ends_[index] - start);
}

}  // namespace vantor::internet
