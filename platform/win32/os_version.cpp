#include "platform/os_version.hpp"

#include <windows.h>

namespace platform {

// GetVersionExA with a zero-filled OSVERSIONINFOA of 148 bytes; its result
// is ignored, so a failure leaves both numbers 0.
os_version query_os_version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    GetVersionExA(&info);
    return {info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace platform
