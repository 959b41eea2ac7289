#pragma once

#include <string>

namespace platform {

// Resolves a host name (or a dotted numeric address) and gives its first
// IPv4 address as dotted-decimal text, or an empty text when the socket
// subsystem does not start or the name does not resolve. The call starts
// and stops the socket subsystem on its own, apart from any other user of
// it. Raises nothing but std::bad_alloc.
std::string first_ipv4_address(const std::string& host);

}  // namespace platform
