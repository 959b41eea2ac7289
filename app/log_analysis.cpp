#include "app/log_analysis.hpp"

#include "app/download_lookup.hpp"
#include "app/log_markers.hpp"
#include "app/log_text.hpp"
#include "app/subject.hpp"

namespace app {

std::string analyse_log(const std::string& log_bytes, vantor::internet::message2::content& body,
                        std::int32_t exit_code, std::uint32_t os_major, std::uint32_t os_minor) {
    std::int32_t version = 0;
    std::int32_t error_number = 0;
    if (is_wide_log(log_bytes)) {
        body.set_text(wide_log_text(log_bytes));
        // The body keeps the wide text as it was set.
        const zeroed_text analysis =
            wide_analysis_text(body.text, log_bytes.size(), write_system_ansi);
        version = parse_product_version(analysis);
        error_number = parse_error_number(analysis);
    } else {
        // The log bytes themselves are searched, without a copy.
        body.set_ansi_text(log_bytes);
        version = parse_product_version(log_bytes);
        error_number = parse_error_number(log_bytes);
    }
    const std::string download_address = lookup_download_ip();
    return build_subject(version, os_major, os_minor, exit_code, error_number, download_address);
}

}  // namespace app
