// The install-reporter program: the report driver behind the system's entry
// point (platform/entry_point.hpp).
#include <cstdio>
#include <exception>

#include "app/report_driver.hpp"
#include "platform/entry_point.hpp"

namespace {

// Status of a run that an error ended while the report was being prepared.
constexpr int status_unexpected_error = 2;

}  // namespace

int platform::program_main(std::string_view command_tail) {
    try {
        return app::run_report(command_tail);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "install-reporter: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "install-reporter: unknown error\n");
    }
    return status_unexpected_error;
}
