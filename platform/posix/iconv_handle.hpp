#pragma once

#include <iconv.h>

#include <cstddef>
#include <string_view>

namespace platform::codepage::posix {

// One iconv conversion descriptor, closed with the object.
class iconv_handle {
public:
    iconv_handle(std::string_view to, std::string_view from);
    ~iconv_handle();
    iconv_handle(const iconv_handle&) = delete;
    iconv_handle& operator=(const iconv_handle&) = delete;

    bool is_open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // iconv(3) on the remaining input; a null input flushes the shift
    // state. Returns false with errno set on failure.
    bool convert(const char** in, std::size_t* in_left, char** out, std::size_t* out_left);
    bool flush(char** out, std::size_t* out_left);
    void reset();

private:
    iconv_t cd_;
};

// The iconv name of UTF-16 in the byte order of char16_t.
std::string_view native_utf16();

}  // namespace platform::codepage::posix
