#include "platform/posix/iconv_handle.hpp"

#include <bit>
#include <string>

namespace platform::codepage::posix {

iconv_handle::iconv_handle(std::string_view to, std::string_view from)
    : cd_(iconv_open(std::string(to).c_str(), std::string(from).c_str())) {}

iconv_handle::~iconv_handle() {
    if (is_open()) {
        iconv_close(cd_);
    }
}

bool iconv_handle::convert(const char** in, std::size_t* in_left, char** out,
                           std::size_t* out_left) {
    return iconv(cd_, const_cast<char**>(in), in_left, out, out_left) !=
           static_cast<std::size_t>(-1);
}

bool iconv_handle::flush(char** out, std::size_t* out_left) {
    return iconv(cd_, nullptr, nullptr, out, out_left) != static_cast<std::size_t>(-1);
}

void iconv_handle::reset() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
}

std::string_view native_utf16() {
    return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

}  // namespace platform::codepage::posix
