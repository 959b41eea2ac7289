#include "platform/codepage.hpp"

#include <windows.h>

#include <climits>

namespace platform::codepage {

namespace {

// The services take int lengths; larger buffers are offered only in part,
// so that the service reports a short buffer rather than a wrong length.
int clamp(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

}  // namespace

std::optional<std::uint32_t> max_char_size(number page) {
    CPINFO info{};
    if (!GetCPInfo(static_cast<UINT>(page), &info)) {
        return std::nullopt;
    }
    return info.MaxCharSize;
}

outcome wide_to_multibyte(number page, std::u16string_view text, std::span<char> out,
                          bool report_default) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    if (text.size() > INT_MAX) {
        return {0, status::invalid_parameter, false};
    }
    BOOL used_default = FALSE;
    SetLastError(ERROR_SUCCESS);
    const int written = WideCharToMultiByte(
        static_cast<UINT>(page), 0, reinterpret_cast<const wchar_t*>(text.data()),
        static_cast<int>(text.size()), out.data(), clamp(out.size()), nullptr,
        report_default ? &used_default : nullptr);
    if (written <= 0) {
        return {0, static_cast<status::code>(GetLastError()), used_default != FALSE};
    }
    return {static_cast<std::size_t>(written), status::success, used_default != FALSE};
}

outcome multibyte_to_wide(number page, std::string_view text, std::span<char16_t> out,
                          bool strict) {
    if (text.size() > INT_MAX) {
        return {0, status::invalid_parameter, false};
    }
    // Text of shift sequences alone converts to nothing without an error:
    // 0 with the last error left at success.
    SetLastError(ERROR_SUCCESS);
    const int written = MultiByteToWideChar(
        static_cast<UINT>(page), strict ? MB_ERR_INVALID_CHARS : 0, text.data(),
        static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(out.data()), clamp(out.size()));
    if (written <= 0) {
        return {0, static_cast<status::code>(GetLastError()), false};
    }
    return {static_cast<std::size_t>(written), status::success, false};
}

// Windows resolves code page 0 (CP_ACP) itself.
std::string locale_charset() {
    return {};
}

}  // namespace platform::codepage
