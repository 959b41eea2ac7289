#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/status_codes.hpp"

namespace vantor::internet {

// Throws an error of class Error with the given message.
using raise_function = void (*)(const std::string& message);

template <class Error>
[[noreturn]] void raise(const std::string& message) {
    throw Error(message);
}

// One row of a call's error table: a failure code and the class it raises;
// a row without a class makes the code a silent success.
struct error_row {
    platform::status::code code;
    raise_function raise;
};

// The error table of one platform call. A code with a row raises its class
// with "<call>() failed"; any other failure raises the fallback class with
// "<call>() returned status 0x%.8x".
struct call_errors {
    std::string_view call;
    std::span<const error_row> rows;
    raise_function fallback;
};

// Returns for success and for an ignored code; raises by the table otherwise.
void check(const call_errors& table, platform::status::code code);

}  // namespace vantor::internet
