// A delivery to Debian's aiosmtpd, which with_aiosmtpd.py starts before it
// runs this program; it names the server's port and the file where the
// server writes what it received in the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/smtp/deliver.hpp"

namespace {

std::string from_environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

TEST(aiosmtpd, delivery_of_thousands_of_lines_arrives_exactly) {
    const std::string output = from_environment("VANTOR_SMTP_OUTPUT");
    const int port = std::atoi(from_environment("VANTOR_SMTP_PORT").c_str());
    ASSERT_GT(port, 0) << "no server: run this program through with_aiosmtpd.py";

    vantor::internet::mail_lines lines = {"Subject: interop", "To: <support@example.com>", ""};
    for (int i = 0; i < 5000; ++i) {
        switch (i % 5) {
            case 0: lines.push_back("." + std::to_string(i)); break;
            case 1: lines.push_back(""); break;
            case 2: lines.push_back("."); break;
            case 3: lines.push_back(std::string(76, static_cast<char>('A' + i % 26))); break;
            default: lines.push_back(" ." + std::to_string(i)); break;
        }
    }
    std::string expected = "MAIL FROM:<>\nRCPT TO:support@example.com\n";
    for (const std::string_view line : lines) {
        expected.append(line).append("\r\n");
    }

    {
        vantor::internet::environment::scope scope;
        const vantor::internet::address::ip4 address("127.0.0.1", static_cast<std::uint16_t>(port));
        vantor::internet::smtp::deliver("installer", address, "support@example.com", "", lines);
    }
    std::ifstream file(output, std::ios::binary);
    const std::string received((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(received, expected);
}

}  // namespace
