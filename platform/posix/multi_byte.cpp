#include "platform/posix/multi_byte.hpp"

#include <cerrno>
#include <cstring>

#include "platform/posix/iconv_errors.hpp"
#include "platform/posix/iconv_handle.hpp"

namespace platform::codepage::posix {

namespace {

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

outcome failure(status::code code) {
    return {0, code, false};
}

}  // namespace

outcome wide_to_multi_byte(std::string_view charset, std::u16string_view text, std::span<char> out,
                           bool report_default) {
    iconv_handle encoder(charset, native_utf16());
    if (!encoder.is_open()) {
        return failure(status::invalid_parameter);
    }
    const char* in = reinterpret_cast<const char*>(text.data());
    std::size_t in_left = text.size() * sizeof(char16_t);
    char* o = out.data();
    std::size_t out_left = out.size();
    bool used_default = false;

    while (in_left > 0) {
        if (encoder.convert(&in, &in_left, &o, &out_left)) {
            continue;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            return failure(status_of_iconv_errno(errno));
        }
        // A character without mapping, a lone surrogate or a high surrogate
        // at the very end: back to the initial shift state, then the
        // default character in place of the whole character.
        if (!encoder.flush(&o, &out_left)) {
            return failure(status_of_iconv_errno(errno));
        }
        if (out_left == 0) {
            return failure(status::insufficient_buffer);
        }
        *o++ = '?';
        --out_left;
        used_default = used_default || report_default;
        char16_t units[2] = {};
        std::memcpy(units, in, in_left >= sizeof units ? sizeof units : sizeof(char16_t));
        const bool pair =
            in_left >= sizeof units && is_high_surrogate(units[0]) && is_low_surrogate(units[1]);
        const std::size_t skip = (pair ? 2 : 1) * sizeof(char16_t);
        in += skip;
        in_left -= skip;
    }
    if (!encoder.flush(&o, &out_left)) {
        return failure(status_of_iconv_errno(errno));
    }
    return {out.size() - out_left, status::success, used_default};
}

outcome multi_byte_to_wide(std::string_view charset, std::string_view text, std::span<char16_t> out,
                           bool strict) {
    iconv_handle decoder(native_utf16(), charset);
    if (!decoder.is_open()) {
        return failure(status::invalid_parameter);
    }
    const char* in = text.data();
    std::size_t in_left = text.size();
    char* o = reinterpret_cast<char*>(out.data());
    std::size_t out_left = out.size() * sizeof(char16_t);

    while (in_left > 0) {
        if (decoder.convert(&in, &in_left, &o, &out_left)) {
            continue;
        }
        if ((errno != EILSEQ && errno != EINVAL) || strict) {
            return failure(status_of_iconv_errno(errno));
        }
        if (out_left < sizeof(char16_t)) {
            return failure(status::insufficient_buffer);
        }
        const char16_t replacement = 0xFFFD;
        std::memcpy(o, &replacement, sizeof replacement);
        o += sizeof replacement;
        out_left -= sizeof replacement;
        ++in;
        --in_left;
    }
    if (!decoder.flush(&o, &out_left)) {
        return failure(status_of_iconv_errno(errno));
    }
    return {(out.size() * sizeof(char16_t) - out_left) / sizeof(char16_t), status::success, false};
}

}  // namespace platform::codepage::posix
