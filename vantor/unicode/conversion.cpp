#include "vantor/unicode/conversion.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>

#include "platform/codepage.hpp"
#include "platform/status_codes.hpp"

namespace vantor::unicode {

namespace {

namespace status = platform::status;

// Code pages whose services reject the flags for reporting bad input.
constexpr std::array<codepage, 20> exempt_pages{
    42,    50221, 50222, 50225, 50227, 50229, 52936, 54936, 57002, 57003,
    57004, 57005, 57006, 57007, 57008, 57009, 57010, 57011, 65000, 65001,
};

constexpr codepage fallback_ansi_page = 1252;

// Code page 0 as the system ANSI code page that the library resolves.
codepage resolve(codepage page) {
    return page == 0 ? system_ansi_codepage() : page;
}

struct error_row {
    status::code code;
    void (*raise)();
};

template <class Error>
[[noreturn]] void raise() {
    throw Error("");
}

// Last-error values of a failed conversion and the errors they raise; any
// other value raises generic.
constexpr std::array<error_row, 3> narrow_errors{{
    {status::insufficient_buffer, raise<out_of_memory>},
    {status::invalid_parameter, raise<unmappable_character>},
    {status::no_unicode_translation, raise<generic>},
}};

constexpr std::array<error_row, 3> widen_errors{{
    {status::insufficient_buffer, raise<out_of_memory>},
    {status::invalid_parameter, raise<invalid_codepage>},
    {status::no_unicode_translation, raise<unmappable_character>},
}};

[[noreturn]] void raise_for(std::span<const error_row> table, status::code code) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [code](const error_row& r) { return r.code == code; });
    if (row != table.end()) {
        row->raise();
    }
    raise<generic>();
}

// Allocation failure of a conversion buffer is out_of_memory.
template <class Allocate>
auto allocate(Allocate make) {
    try {
        return make();
    } catch (const std::bad_alloc&) {
        raise<out_of_memory>();
    } catch (const std::length_error&) {
        raise<out_of_memory>();
    }
}

std::u16string zero_filled(std::size_t size) {
    return allocate([size] { return std::u16string(size, u'\0'); });
}

template <class T>
std::unique_ptr<T[]> uninitialised(std::size_t size) {
    return allocate([size] { return std::make_unique_for_overwrite<T[]>(size); });
}

}  // namespace

codepage system_ansi_codepage() {
    const std::string charset = platform::codepage::locale_charset();
    if (charset.empty()) {
        return 0;
    }
    const codepage named = codepage_by_name(charset);
    if (named <= 0 || !platform::codepage::max_char_size(named)) {
        return fallback_ansi_page;
    }
    return named;
}

bool strict_flags_allowed(codepage page) {
    return std::find(exempt_pages.begin(), exempt_pages.end(), page) == exempt_pages.end();
}

std::string narrow(std::u16string_view text, codepage page) {
    if (text.empty()) {
        return {};
    }
    if (page == identity_codepage) {
        std::string result(text.size(), '\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] > 0xFF) {
                raise<unmappable_character>();
            }
            result[i] = static_cast<char>(text[i]);
        }
        return result;
    }
    page = resolve(page);
    const std::optional<std::uint32_t> max_size = platform::codepage::max_char_size(page);
    if (!max_size) {
        raise<invalid_codepage>();
    }
    const bool report_default = strict_flags_allowed(page);
    const auto check = [](const platform::codepage::outcome& result) {
        if (result.used_default) {
            raise<unmappable_character>();
        }
        if (result.count == 0 && result.error != status::success) {
            raise_for(narrow_errors, result.error);
        }
    };
    // Most text takes about a byte a unit (a byte-order mark or a few
    // accented letters take a little more): first straight into a result of
    // that size with an eighth more, so that a large text is neither held
    // twice nor copied.
    if (text.size() < std::numeric_limits<std::size_t>::max() / 2) {
        const std::size_t room = *max_size == 1 ? text.size() : text.size() + text.size() / 8 + 16;
        std::string result = allocate([room] { return std::string(room, '\0'); });
        const auto first =
            platform::codepage::wide_to_multibyte(page, text, result, report_default);
        if (first.error != status::insufficient_buffer) {
            check(first);
            result.resize(first.count);
            return result;
        }
    }
    // Otherwise one call into a buffer for the worst case.
    if (*max_size != 0 && text.size() > std::numeric_limits<std::size_t>::max() / *max_size) {
        raise<out_of_memory>();
    }
    // The worst case can be several times the result, so it is left
    // unfilled and only the result is copied out.
    const std::size_t size = text.size() * *max_size;
    const auto buffer = uninitialised<char>(size);
    const auto result = platform::codepage::wide_to_multibyte(
        page, text, std::span<char>(buffer.get(), size), report_default);
    check(result);
    return std::string(buffer.get(), result.count);
}

std::u16string widen(std::string_view text, codepage page) {
    if (text.empty()) {
        return {};
    }
    if (page == identity_codepage) {
        std::u16string result(text.size(), u'\0');
        std::transform(text.begin(), text.end(), result.begin(), [](char byte) {
            return static_cast<char16_t>(static_cast<unsigned char>(byte));
        });
        return result;
    }
    page = resolve(page);
    std::u16string buffer = zero_filled(text.size());
    const auto result =
        platform::codepage::multibyte_to_wide(page, text, buffer, strict_flags_allowed(page));
    // Text of shift sequences alone holds no character: an empty result.
    if (result.count == 0 && result.error != status::success) {
        raise_for(widen_errors, result.error);
    }
    buffer.resize(result.count);
    return buffer;
}

}  // namespace vantor::unicode
