#include "vantor/variant/variant.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantor {

namespace {

using limits = std::numeric_limits<std::int32_t>;

template <class Char>
bool is_space(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading decimal number of a text, saturated at the 32-bit limits.
template <class Char>
std::int32_t leading_integer(std::basic_string_view<Char> text) {
    std::size_t i = 0;
    while (i < text.size() && is_space(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the limit.
    constexpr std::int64_t bound = std::int64_t{limits::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(bound, magnitude * 10 + (text[i] - '0'));
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(magnitude, limits::max()));
}

std::int32_t truncated(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<float>(limits::max())) {
        return limits::max();
    }
    if (value <= static_cast<float>(limits::min())) {
        return limits::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

variant::variant(std::int32_t value) : kind_(integer), payload_(value) {}

variant::variant(float value) : kind_(floating), payload_(value) {}

variant::variant(std::string_view text) : kind_(narrow_text), payload_(std::string(text)) {}

variant::variant(std::u16string_view text) : kind_(wide_text), payload_(std::u16string(text)) {}

variant variant::of_kind(std::int32_t kind) {
    variant value;
    value.kind_ = kind;
    switch (kind) {
        case integer: value.payload_ = std::int32_t{0}; break;
        case floating: value.payload_ = 0.0f; break;
        case narrow_text: value.payload_ = std::string(); break;
        case wide_text: value.payload_ = std::u16string(); break;
        default: break;
    }
    return value;
}

std::int32_t variant::as_integer() const {
    switch (kind_) {
        case empty: return 0;
        case integer: return std::get<std::int32_t>(payload_);
        case floating: return truncated(std::get<float>(payload_));
        case narrow_text: return leading_integer(std::string_view(std::get<std::string>(payload_)));
        case wide_text:
            return leading_integer(std::u16string_view(std::get<std::u16string>(payload_)));
        default: throw generic("as_integer() failed");
    }
}

}  // namespace vantor
