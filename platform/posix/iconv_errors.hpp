#pragma once

#include "platform/status_codes.hpp"

namespace platform::codepage::posix {

// The status of a failed iconv call, from its errno value.
status::code status_of_iconv_errno(int error);

}  // namespace platform::codepage::posix
