#pragma once

#include <string>

namespace vantor {

// printf-style formatting into a narrow string. The text is formatted into
// a buffer of 1024 bytes; while it does not fit, the buffer doubles and the
// text is formatted again from the start. The result is exactly the
// formatted text. A formatter that reports an encoding error raises
// vantor::exception with the message "vsnprintf() failed".
// The arguments are checked against the C99 directives (gnu_printf) that
// glibc and MinGW-w64's own formatter both implement, not the Microsoft
// runtime's.
[[gnu::format(gnu_printf, 1, 2)]] std::string format(const char* format_string, ...);

}  // namespace vantor
