#pragma once

#include "vantor/internet/transport/errors.hpp"

namespace vantor::internet::transport::tcp {

// Base of the TCP transports. Its nested error classes are the TCP
// connection errors (tcp::base::connection_refused and so on).
class base : public connection_errors {};

}  // namespace vantor::internet::transport::tcp
