#pragma once

#include <cstdint>

#include "platform/status_codes.hpp"

// The translations of the BSD socket backend, kept apart so that they can be
// read and tested as the tables they are.
namespace platform::posix {

// errno of a socket call to its Windows Sockets code. A blocking socket
// reports EAGAIN only when its receive or send time-out expired, which
// Windows Sockets reports as WSAETIMEDOUT. A code without a row keeps its
// own value.
status::code translate_errno(int error);

// A getaddrinfo/getnameinfo result to its Windows Sockets code; EAI_SYSTEM
// takes the code from errno. A code without a row keeps its own value.
status::code translate_lookup_error(int error, int system_error);

// getnameinfo flags: the Windows Sockets bits to the native bits; unknown
// bits are dropped.
int translate_lookup_flags(std::int32_t flags);

// A socket option level and name to the native ones. The result's found is
// false for an option the backend does not know; timeout says that the
// 32-bit value is a time in milliseconds, which the system takes as a
// struct timeval.
struct native_option {
    bool found = false;
    int level = 0;
    int name = 0;
    bool timeout = false;
};
native_option translate_option(std::int32_t level, std::int32_t name);

}  // namespace platform::posix
