#include "tests/support/wine.hpp"

#include <windows.h>

namespace test_support {

// Wine's ntdll exports wine_get_version; the one of Windows does not.
std::optional<std::string> wine_version() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr) {
        return std::nullopt;
    }
    const FARPROC address = GetProcAddress(ntdll, "wine_get_version");
    if (address == nullptr) {
        return std::nullopt;
    }
    using version_function = const char* (*)();
    const auto get_version =
        reinterpret_cast<version_function>(reinterpret_cast<void (*)()>(address));
    const char* version = get_version();
    return std::string(version != nullptr ? version : "");
}

}  // namespace test_support
