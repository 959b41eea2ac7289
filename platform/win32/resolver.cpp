#include "platform/win32/resolver.hpp"

#include <windows.h>

#include <string>

namespace platform::sockets::win32 {
namespace {

// A module's exported function as its own type (the detour through the
// generic function type keeps the cast well-defined for the compiler).
template <class Function>
Function exported(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

resolver_functions load_resolver(const char* module_name) {
    char directory[MAX_PATH + 1]{};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    const std::string path = std::string(directory, length) + module_name;
    const HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        return {};
    }
    resolver_functions functions;
    functions.get_address_info = exported<getaddrinfo_function>(module, "getaddrinfo");
    functions.free_address_info = exported<freeaddrinfo_function>(module, "freeaddrinfo");
    functions.get_name_info = exported<getnameinfo_function>(module, "getnameinfo");
    if (functions.get_address_info == nullptr || functions.free_address_info == nullptr ||
        functions.get_name_info == nullptr) {
        FreeLibrary(module);
        return {};
    }
    return functions;
}

const resolver_functions& resolver() {
    static const resolver_functions functions = [] {
        resolver_functions found = load_resolver("\\ws2_32");
        if (found.get_address_info == nullptr) {
            found = load_resolver("\\wship6");
        }
        if (found.get_address_info == nullptr) {
            found = stand_in_resolver();
        }
        return found;
    }();
    return functions;
}

}  // namespace platform::sockets::win32
