#pragma once

#include <cstdint>

namespace platform {

// Major and minor version of the running operating system.
struct os_version {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// Reads the running system's version; both numbers stay 0 when the query
// fails.
os_version query_os_version();

}  // namespace platform
