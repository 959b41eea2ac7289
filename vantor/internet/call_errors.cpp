#include "vantor/internet/call_errors.hpp"

#include "vantor/format.hpp"

namespace vantor::internet {

void check(const call_errors& table, platform::status::code code) {
    if (code == platform::status::success) {
        return;
    }
    const std::string call(table.call);
    for (const error_row& row : table.rows) {
        if (row.code == code) {
            if (row.raise != nullptr) {
                row.raise(call + "() failed");
            }
            return;
        }
    }
    table.fallback(
        format("%s() returned status 0x%.8x", call.c_str(), static_cast<unsigned>(code)));
}

}  // namespace vantor::internet
