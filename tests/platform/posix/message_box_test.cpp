#include "platform/message_box.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "scratch_folder.hpp"

namespace {

struct outcome {
    int status = -1;
    std::string output;
};

// Where the probe's standard input comes from.
struct from_pipe {
    std::string bytes;
};
struct from_null {};

// Starts the dialog probe with the arguments, exactly the environment given
// and the file actions that set up its standard input and output.
pid_t spawn_probe(const std::vector<std::string>& args, std::vector<std::string> environment,
                  const posix_spawn_file_actions_t& actions) {
    std::vector<std::string> words{DIALOG_PROBE};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& word : environment) {
        envp.push_back(word.data());
    }
    envp.push_back(nullptr);
    pid_t child = 0;
    EXPECT_EQ(::posix_spawn(&child, DIALOG_PROBE, &actions, nullptr, argv.data(), envp.data()), 0);
    return child;
}

int exit_status(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the dialog probe with exactly the environment given; standard input
// is a pipe holding the bytes, or /dev/null.
outcome run_probe(const std::vector<std::string>& args, const std::vector<std::string>& environment,
                  const std::variant<from_pipe, from_null>& input) {
    int output_pipe[2];
    int input_pipe[2] = {-1, -1};
    EXPECT_EQ(::pipe(output_pipe), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (const auto* piped = std::get_if<from_pipe>(&input)) {
        EXPECT_EQ(::pipe(input_pipe), 0);
        EXPECT_EQ(::write(input_pipe[1], piped->bytes.data(), piped->bytes.size()),
                  static_cast<ssize_t>(piped->bytes.size()));
        ::close(input_pipe[1]);
        posix_spawn_file_actions_adddup2(&actions, input_pipe[0], 0);
    } else {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&actions, output_pipe[1], 1);

    const pid_t child = spawn_probe(args, environment, actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output_pipe[1]);
    if (input_pipe[0] >= 0) {
        ::close(input_pipe[0]);
    }
    outcome result;
    char buffer[4096];
    for (ssize_t count; (count = ::read(output_pipe[0], buffer, sizeof buffer)) > 0;) {
        result.output.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(output_pipe[0]);
    result.status = exit_status(child);
    return result;
}

// Reads what the terminal shows until the text seen ends with the pattern
// (or, with an empty pattern, until the terminal closes). Gives up after 10
// seconds without output, so that a fault cannot hang the test.
std::string read_terminal(int master, const std::string& until) {
    std::string seen;
    char buffer[512];
    while (until.empty() || seen.size() < until.size() ||
           seen.compare(seen.size() - until.size(), until.size(), until) != 0) {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 10000) <= 0) {
            break;
        }
        const ssize_t count = ::read(master, buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        seen.append(buffer, static_cast<std::size_t>(count));
    }
    return seen;
}

// The probe on a pseudo-terminal as standard input and output: the user
// types the answer after the prompt has appeared, and the terminal echoes it.
outcome run_probe_on_terminal(const std::vector<std::string>& args, const std::string& typed) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_GE(master, 0);
    EXPECT_EQ(::grantpt(master), 0);
    EXPECT_EQ(::unlockpt(master), 0);
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    EXPECT_GE(slave, 0);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slave, 0);
    posix_spawn_file_actions_adddup2(&actions, slave, 1);
    const pid_t child = spawn_probe(args, {"PATH=/usr/bin:/bin"}, actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(slave);

    outcome result;
    if (!typed.empty()) {
        result.output = read_terminal(master, "[y/N] ");
        EXPECT_EQ(::write(master, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
    }
    result.output += read_terminal(master, "");
    ::close(master);
    result.status = exit_status(child);
    return result;
}

const std::vector<std::string> no_session{"PATH=/usr/bin:/bin"};

TEST(message_box, console_question_answers) {
    const struct {
        std::string input;
        bool yes;
    } cases[] = {
        {"y\n", true},     {"Y\n", true},   {"yes\n", true},   {"YeS\n", true},
        {"yes\r\n", true}, {"yes", true},   {"y\nno\n", true}, {"n\n", false},
        {"\n", false},     {"", false},     {"no\n", false},   {"yess\n", false},
        {" y\n", false},   {"y \n", false}, {"ja\n", false},   {"\ny\n", false},
    };
    for (const auto& [input, yes] : cases) {
        const outcome result = run_probe({"ask", "Installation failed", "Send a report?"},
                                         no_session, from_pipe{input});
        EXPECT_EQ(result.status, yes ? 0 : 1) << testing::PrintToString(input);
        EXPECT_EQ(result.output, "Installation failed: Send a report? [y/N] \n");
    }
}

TEST(message_box, console_notice_is_one_line) {
    const outcome result = run_probe({"tell", "Report not submitted", "address.host_not_found[x]"},
                                     no_session, from_pipe{"y\n"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "Report not submitted: address.host_not_found[x]\n");
}

// On a terminal the echo of the user's line ends the question's line.
TEST(message_box, console_on_a_terminal) {
    const outcome yes = run_probe_on_terminal({"ask", "Installation failed", "Send?"}, "YES\n");
    EXPECT_EQ(yes.status, 0);
    EXPECT_EQ(yes.output, "Installation failed: Send? [y/N] YES\r\n");
    const outcome no = run_probe_on_terminal({"ask", "Installation failed", "Send?"}, "nope\n");
    EXPECT_EQ(no.status, 1);
    const outcome notice = run_probe_on_terminal({"tell", "Report submitted", "Thank you."}, "");
    EXPECT_EQ(notice.status, 2);
    EXPECT_EQ(notice.output, "Report submitted: Thank you.\r\n");
}

TEST(message_box, no_terminal_and_no_session_shows_nothing) {
    EXPECT_EQ(run_probe({"ask", "Installation failed", "Send?"}, no_session, from_null{}).status,
              1);
    const outcome notice =
        run_probe({"tell", "Report submitted", "Thanks"}, no_session, from_null{});
    EXPECT_EQ(notice.status, 2);
    EXPECT_EQ(notice.output, "");
}

// A graphical session without zenity counts as no dialog; with zenity the
// captions and texts reach it as single arguments, markup switched off.
// A stand-in zenity on PATH records its arguments and answers.
TEST(message_box, graphical_session_uses_zenity) {
    const scratch_folder folder;
    const std::string empty_path = "PATH=" + folder.path().string();
    EXPECT_EQ(run_probe({"ask", "C", "T"}, {"DISPLAY=:9", empty_path}, from_null{}).status, 1);

    const std::filesystem::path bin = folder.path() / "bin";
    std::filesystem::create_directory(bin);
    const std::string record = (folder.path() / "arguments").string();
    folder.write("bin/zenity",
                 "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + record + "'\nexit \"$ZENITY_ANSWER\"\n");
    std::filesystem::permissions(bin / "zenity", std::filesystem::perms::owner_all);
    const std::string path = "PATH=" + bin.string() + ":/usr/bin:/bin";

    const std::string text = "We're <b>sorry</b> & \"more\"";
    EXPECT_EQ(run_probe({"ask", "Installation failed", text},
                        {"WAYLAND_DISPLAY=wayland-0", path, "ZENITY_ANSWER=0"}, from_null{})
                  .status,
              0);
    EXPECT_EQ(run_probe({"ask", "Installation failed", text},
                        {"DISPLAY=:9", path, "ZENITY_ANSWER=1"}, from_null{})
                  .status,
              1);
    EXPECT_EQ(run_probe({"ask", "Installation failed", text},
                        {"DISPLAY=:9", path, "ZENITY_ANSWER=5"}, from_null{})
                  .status,
              1);
    EXPECT_EQ(run_probe({"tell", "Report submitted", "Thank you."},
                        {"DISPLAY=:9", path, "ZENITY_ANSWER=0"}, from_null{})
                  .output,
              "");

    std::ifstream recorded(record);
    const std::string question =
        "--question\n--no-markup\n--title=Installation failed\n--text=" + text + "\n";
    const std::string expected = question + question + question +
                                 "--info\n--no-markup\n--title=Report submitted\n"
                                 "--text=Thank you.\n";
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(recorded), {}), expected);
}

}  // namespace
