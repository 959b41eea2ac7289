#include "app/subject.hpp"

#include "vantor/format.hpp"

namespace app {

std::string build_subject(std::int32_t product_version, std::uint32_t os_major,
                          std::uint32_t os_minor, std::int32_t exit_code, std::int32_t error_number,
                          const std::string& download_address) {
    std::string subject;
    if (product_version != 0) {
        subject += vantor::format("KV:%i", product_version);
    } else {
        subject += "KV:NUL";
    }
    subject += vantor::format("  OS:%i.%i  ExitCode:%i", static_cast<int>(os_major),
                              static_cast<int>(os_minor), exit_code);
    if (error_number != 0) {
        subject += vantor::format(" (Error:%i)", error_number);
    }
    if (!download_address.empty()) {
        subject += vantor::format(" (download IP: %s)", download_address.c_str());
    }
    return subject;
}

}  // namespace app
