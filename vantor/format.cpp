#include "vantor/format.hpp"

#include <cerrno>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <vector>

#include "vantor/exception.hpp"

namespace vantor {

namespace {

constexpr std::size_t first_buffer_size = 1024;

}  // namespace

std::string format(const char* format_string, ...) {
    std::vector<char> buffer(first_buffer_size);
    for (;;) {
        std::va_list arguments;
        va_start(arguments, format_string);
        errno = 0;
        const int written = std::vsnprintf(buffer.data(), buffer.size(), format_string, arguments);
        const int error = errno;
        va_end(arguments);

        // glibc returns a negative count for a character that the locale
        // cannot write; MinGW-w64's formatter instead drops the rest of that
        // argument and reports it only through errno.
        if (written < 0 || error == EILSEQ) {
            throw exception("vsnprintf() failed");
        }
        const auto length = static_cast<std::size_t>(written);
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        if (buffer.size() > std::numeric_limits<std::size_t>::max() / 2) {
            throw exception("vsnprintf() failed");
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace vantor
