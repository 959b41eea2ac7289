#include "platform/posix/iconv_errors.hpp"

#include <array>
#include <cerrno>

namespace platform::codepage::posix {

namespace {

struct translation {
    int native;
    status::code code;
};

// iconv's errno values in the Windows code space. EINVAL from iconv is an
// incomplete sequence at the end of the input, which Windows reports like
// any invalid input.
constexpr std::array<translation, 3> iconv_codes{{
    {E2BIG, status::insufficient_buffer},
    {EILSEQ, status::no_unicode_translation},
    {EINVAL, status::no_unicode_translation},
}};

}  // namespace

status::code status_of_iconv_errno(int error) {
    for (const auto& row : iconv_codes) {
        if (row.native == error) {
            return row.code;
        }
    }
    return static_cast<status::code>(error);
}

}  // namespace platform::codepage::posix
