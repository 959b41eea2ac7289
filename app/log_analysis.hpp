#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vantor/internet/message2/content.hpp"

namespace app {

// Analyses the installer log (at least 3 bytes) for the report: sets the
// report's body from it (8-bit ANSI text or UTF-16, as the width test
// decides; the content converts it into its charset at once) and gives the
// subject line: product version, OS version, exit code, the installer's
// error number and the download server's address. Missing markers and a
// failed lookup leave their pieces out; conversion errors of the content
// record pass through.
std::string analyse_log(const std::string& log_bytes, vantor::internet::message2::content& body,
                        std::int32_t exit_code, std::uint32_t os_major, std::uint32_t os_minor);

}  // namespace app
