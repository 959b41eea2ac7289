#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "vantor/exception.hpp"

namespace vantor {

// A small tagged value that converts on request. The library uses it to
// read decimal numbers from text.
class variant {
public:
    // The family of variant errors: a conversion that is not possible.
    using generic = error<vantor::exception, "variant">;

    // Kind tags.
    static constexpr std::int32_t empty = 0;
    static constexpr std::int32_t integer = 1;
    static constexpr std::int32_t floating = 2;
    static constexpr std::int32_t narrow_text = 3;
    static constexpr std::int32_t wide_text = 4;

    variant() = default;
    explicit variant(std::int32_t value);
    explicit variant(float value);
    explicit variant(std::string_view text);
    explicit variant(std::u16string_view text);

    // A variant that carries the given kind tag with that kind's zero
    // payload, for tags that arrive as numbers. A tag outside 0 to 4 carries
    // no payload and cannot be converted.
    static variant of_kind(std::int32_t kind);

    std::int32_t kind() const { return kind_; }

    // Empty gives 0; an integer itself; a floating value cut toward zero
    // (NaN gives 0, values beyond the 32-bit range the nearest limit); text
    // its leading decimal number (white space skipped, one optional sign,
    // digits up to the first other character, 0 without digits, saturated
    // at the 32-bit limits). Raises generic ("as_integer() failed") for a
    // kind outside 0 to 4.
    std::int32_t as_integer() const;

private:
    using payload = std::variant<std::monostate, std::int32_t, float, std::string, std::u16string>;

    std::int32_t kind_ = empty;
    payload payload_;
};

}  // namespace vantor
