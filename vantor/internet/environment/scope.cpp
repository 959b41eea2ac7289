#include "vantor/internet/environment/scope.hpp"

#include "vantor/internet/environment/call_errors.hpp"

namespace vantor::internet::environment {

namespace {
constexpr std::uint16_t requested_version = 0x0101;
}  // namespace

scope::scope() {
    check(start_errors, platform::sockets::start(requested_version, record_));
}

scope::~scope() {
    try {
        stop();
    } catch (...) {
        // The subsystem's clean-up has nothing left to undo.
    }
}

void scope::stop() {
    check(stop_errors, platform::sockets::stop());
}

}  // namespace vantor::internet::environment
