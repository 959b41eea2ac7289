#pragma once

#include "vantor/exception.hpp"

namespace vantor::internet::transport {

// Transport errors common to every kind of transport. The TCP connection
// errors sit one level below generic, in tcp::base.
// clang-format off
using generic               = error<vantor::exception, "internet.transport">;
using operation_interrupted = error<generic, "operation_interrupted">;
using not_a_socket          = error<generic, "not_a_socket">;
using address_in_use        = error<generic, "address_in_use">;
using address_not_valid     = error<generic, "address_not_valid">;
// clang-format on

}  // namespace vantor::internet::transport

namespace vantor::internet::transport::tcp {

// The TCP connection errors. They are reached as tcp::base::connection_failed
// and so on; their code paths carry no "tcp" segment.
struct connection_errors {
    // clang-format off
    using connection_failed    = error<transport::generic, "connection_failed">;
    using connection_aborted   = error<connection_failed, "connection_aborted">;
    using connection_closed    = error<connection_failed, "connection_closed">;
    using connection_refused   = error<connection_failed, "connection_refused">;
    using connection_reset     = error<connection_failed, "connection_reset">;
    using connection_timed_out = error<connection_failed, "connection_timed_out">;
    using network_unreachable  = error<connection_failed, "network_unreachable">;
    using host_unreachable     = error<connection_failed, "host_unreachable">;
    // clang-format on
};

}  // namespace vantor::internet::transport::tcp
