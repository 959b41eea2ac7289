#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/smtp/deliver.hpp"

extern char** environ;

namespace {

// Debian's aiosmtpd as the server, started on a free loopback port.
class aiosmtpd_server {
public:
    explicit aiosmtpd_server(const std::filesystem::path& output) {
        int pipe_ends[2];
        if (::pipe(pipe_ends) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
        const std::string script = AIOSMTPD_SINK;
        const std::string target = output.string();
        std::vector<char*> arguments = {const_cast<char*>("/usr/bin/python3"),
                                        const_cast<char*>(script.c_str()),
                                        const_cast<char*>(target.c_str()), nullptr};
        if (posix_spawn(&process_, "/usr/bin/python3", &actions, nullptr, arguments.data(),
                        environ) != 0) {
            process_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe_ends[1]);
        std::string line;
        char byte = 0;
        while (::read(pipe_ends[0], &byte, 1) == 1 && byte != '\n') {
            line += byte;
        }
        ::close(pipe_ends[0]);
        port_ = static_cast<std::uint16_t>(std::atoi(line.c_str()));
    }

    aiosmtpd_server(const aiosmtpd_server&) = delete;
    aiosmtpd_server& operator=(const aiosmtpd_server&) = delete;

    ~aiosmtpd_server() {
        if (process_ > 0) {
            ::kill(process_, SIGTERM);
            int status = 0;
            ::waitpid(process_, &status, 0);
        }
    }

    std::uint16_t port() const { return port_; }

private:
    pid_t process_ = -1;
    std::uint16_t port_ = 0;
};

TEST(aiosmtpd, delivery_of_thousands_of_lines_arrives_exactly) {
    const std::filesystem::path output = std::filesystem::temp_directory_path() /
                                         ("vantor_aiosmtpd_" + std::to_string(::getpid()) + ".eml");
    std::filesystem::remove(output);

    vantor::internet::mail_lines lines = {"Subject: interop", "To: <support@example.com>", ""};
    for (int i = 0; i < 5000; ++i) {
        switch (i % 5) {
            case 0:
                lines.push_back("." + std::to_string(i));
                break;
            case 1:
                lines.push_back("");
                break;
            case 2:
                lines.push_back(".");
                break;
            case 3:
                lines.push_back(std::string(76, static_cast<char>('A' + i % 26)));
                break;
            default:
                lines.push_back(" ." + std::to_string(i));
                break;
        }
    }
    std::string expected = "MAIL FROM:<>\nRCPT TO:support@example.com\n";
    for (const std::string_view line : lines) {
        expected.append(line).append("\r\n");
    }

    {
        aiosmtpd_server server(output);
        ASSERT_NE(server.port(), 0) << "aiosmtpd did not start";
        vantor::internet::environment::scope scope;
        const vantor::internet::address::ip4 address("127.0.0.1", server.port());
        vantor::internet::smtp::deliver("installer", address, "support@example.com", "", lines);
    }
    std::ifstream file(output, std::ios::binary);
    const std::string received((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(received, expected);
    std::filesystem::remove(output);
}

}  // namespace
