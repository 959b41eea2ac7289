#pragma once

#include "platform/sockets.hpp"

namespace vantor::internet::environment {

// Keeps the socket subsystem started for its lifetime: the constructor
// starts Windows Sockets 1.1, the destructor stops it and never raises.
class scope {
public:
    scope();
    scope(const scope&) = delete;
    scope& operator=(const scope&) = delete;
    ~scope();

    // The clean-up step with its error mapping; raises. A stop without an
    // active start is tolerated.
    void stop();

private:
    platform::sockets::start_record record_;
};

}  // namespace vantor::internet::environment
