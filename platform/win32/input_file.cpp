#include "platform/input_file.hpp"

#include <windows.h>

namespace platform {

namespace {

HANDLE native(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

input_file::input_file(const std::string& path) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

input_file::~input_file() {
    if (is_open()) {
        CloseHandle(native(handle_));
    }
}

// One ReadFile of the size that GetFileSize gives (its low 32 bits).
std::optional<std::string> input_file::read_whole() {
    if (!is_open()) {
        return std::nullopt;
    }
    const DWORD size = GetFileSize(native(handle_), nullptr);
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    DWORD read = 0;
    if (!ReadFile(native(handle_), bytes.data(), size, &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

}  // namespace platform
