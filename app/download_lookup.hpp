#pragma once

#include <string>

namespace app {

// The download server's IPv4 address as dotted text, or an empty text when
// it cannot be resolved. Runs its own short start and stop of the socket
// subsystem, apart from the one that sends the report; never raises (apart
// from running out of memory).
std::string lookup_download_ip();

}  // namespace app
