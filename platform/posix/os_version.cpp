#include "platform/os_version.hpp"

#include <sys/utsname.h>

#include <cstdlib>

namespace platform {

// The kernel release ("6.1.0-18-amd64") gives major and minor.
os_version query_os_version() {
    os_version version;
    utsname name{};
    if (uname(&name) != 0) {
        return version;
    }
    char* end = nullptr;
    version.major = static_cast<std::uint32_t>(std::strtoul(name.release, &end, 10));
    if (end != nullptr && *end == '.') {
        version.minor = static_cast<std::uint32_t>(std::strtoul(end + 1, nullptr, 10));
    }
    return version;
}

}  // namespace platform
