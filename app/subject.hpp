#pragma once

#include <cstdint>
#include <string>

namespace app {

// The report's one-line subject, for example
// "KV:628  OS:5.1  ExitCode:1603 (Error:27) (download IP: 192.0.2.7)".
// A product version of 0 is written "KV:NUL"; an error number of 0 and an
// empty download address leave their pieces out.
std::string build_subject(std::int32_t product_version, std::uint32_t os_major,
                          std::uint32_t os_minor, std::int32_t exit_code, std::int32_t error_number,
                          const std::string& download_address);

}  // namespace app
