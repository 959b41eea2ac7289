#include "vantor/internet/transport/base.hpp"

#include "vantor/internet/transport/call_errors.hpp"

namespace vantor::internet::transport {

base::~base() {
    try {
        close();
    } catch (...) {
        // The handle is already released; nothing is left to report to.
    }
}

void base::set_option(std::int32_t level, std::int32_t name, std::int32_t value) {
    check(setsockopt_errors, platform::sockets::set_option(handle_, level, name, value));
}

void base::close() {
    if (handle_ == platform::sockets::invalid_handle) {
        return;
    }
    const platform::status::code result = platform::sockets::close(handle_);
    handle_ = platform::sockets::invalid_handle;
    check(closesocket_errors, result);
}

}  // namespace vantor::internet::transport
