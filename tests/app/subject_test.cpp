#include "app/subject.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct subject_case {
    std::int32_t version;
    std::uint32_t os_major;
    std::uint32_t os_minor;
    std::int32_t exit_code;
    std::int32_t error;
    std::string address;
    std::string expected;
};

TEST(subject, pieces_in_order) {
    const subject_case cases[] = {
        {628, 5, 1, 1603, 27, "192.0.2.7",
         "KV:628  OS:5.1  ExitCode:1603 (Error:27) (download IP: 192.0.2.7)"},
        {0, 5, 1, 1603, 0, "", "KV:NUL  OS:5.1  ExitCode:1603"},
        {0, 0, 0, 1603, 0, "", "KV:NUL  OS:0.0  ExitCode:1603"},
        {-15, 6, 1, -1, -123, "", "KV:-15  OS:6.1  ExitCode:-1 (Error:-123)"},
        {812, 10, 0, 2, 0, "203.0.113.255",
         "KV:812  OS:10.0  ExitCode:2 (download IP: 203.0.113.255)"},
        {1, 6, 2, 1603, 1935, "", "KV:1  OS:6.2  ExitCode:1603 (Error:1935)"},
        {2147483647, 6, 3, -2147483647 - 1, 0, "", "KV:2147483647  OS:6.3  ExitCode:-2147483648"},
        {0, 5, 1, 1603, 0, "%s%n", "KV:NUL  OS:5.1  ExitCode:1603 (download IP: %s%n)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            app::build_subject(c.version, c.os_major, c.os_minor, c.exit_code, c.error, c.address),
            c.expected);
    }
}

}  // namespace
