// The install-reporter program on Linux: the command-line tail is the
// arguments joined by single blanks.
#include <cstdio>
#include <exception>
#include <string>

#include "app/report_driver.hpp"

namespace {

// Status of a run that an error ended while the report was being prepared.
constexpr int status_unexpected_error = 2;

std::string command_tail(int argc, char** argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            tail += ' ';
        }
        tail += argv[i];
    }
    return tail;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return app::run_report(command_tail(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "install-reporter: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "install-reporter: unknown error\n");
    }
    return status_unexpected_error;
}
