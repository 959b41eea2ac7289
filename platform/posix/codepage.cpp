#include "platform/codepage.hpp"

#include <langinfo.h>
#include <locale.h>

#include "platform/posix/multi_byte.hpp"
#include "platform/posix/served_pages.hpp"
#include "platform/posix/single_byte.hpp"
#include "platform/posix/utf8.hpp"

namespace platform::codepage {

using posix::engine;
using posix::find_served_page;

std::optional<std::uint32_t> max_char_size(number page) {
    const auto* served = find_served_page(page);
    if (served == nullptr) {
        return std::nullopt;
    }
    return served->max_char_size;
}

outcome wide_to_multibyte(number page, std::u16string_view text, std::span<char> out,
                          bool report_default) {
    const auto* served = find_served_page(page);
    if (served == nullptr) {
        return {0, status::invalid_parameter, false};
    }
    switch (served->kind) {
        case engine::utf8: return posix::utf16_to_utf8(text, out, report_default);
        case engine::single_byte:
            return posix::wide_to_single_byte(posix::table_of(page), text, out, report_default);
        case engine::multi_byte: break;
    }
    return posix::wide_to_multi_byte(served->charset, text, out, report_default);
}

outcome multibyte_to_wide(number page, std::string_view text, std::span<char16_t> out,
                          bool strict) {
    const auto* served = find_served_page(page);
    if (served == nullptr) {
        return {0, status::invalid_parameter, false};
    }
    switch (served->kind) {
        case engine::utf8: return posix::utf8_to_utf16(text, out, strict);
        case engine::single_byte:
            return posix::single_byte_to_wide(posix::table_of(page), text, out);
        case engine::multi_byte: break;
    }
    return posix::multi_byte_to_wide(served->charset, text, out, strict);
}

// The character set that the C library reads for LC_CTYPE from the
// environment (LC_ALL, LC_CTYPE, LANG), without touching the process's
// own locale.
std::string locale_charset() {
    const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) {
        return "ANSI_X3.4-1968";  // the C locale's character set
    }
    std::string name = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
    return name;
}

}  // namespace platform::codepage
