#include "platform/message_box.hpp"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

// Where a box goes: the console when standard input is a terminal or a
// pipe; otherwise zenity in a graphical session; otherwise nowhere.
enum class dialog { console, graphical, none };

bool set_in_environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

dialog available_dialog() {
    struct stat input {};
    if (::isatty(STDIN_FILENO) == 1 ||
        (::fstat(STDIN_FILENO, &input) == 0 && S_ISFIFO(input.st_mode))) {
        return dialog::console;
    }
    if (set_in_environment("DISPLAY") || set_in_environment("WAYLAND_DISPLAY")) {
        return dialog::graphical;
    }
    return dialog::none;
}

// Console: "caption: text", one line on standard output.
void print_box(const std::string& caption, const std::string& text, const char* end) {
    std::fputs(caption.c_str(), stdout);
    std::fputs(": ", stdout);
    std::fputs(text.c_str(), stdout);
    std::fputs(end, stdout);
    std::fflush(stdout);
}

// One line of standard input without its line end (LF, or CR LF), read
// byte by byte so that nothing after it is taken; empty at the end of input.
std::string read_answer() {
    std::string line;
    char c = 0;
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, &c, 1);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0 || c == '\n') {
            break;
        }
        line += c;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool is_yes(std::string answer) {  // y or yes, any letter case
    for (char& c : answer) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return answer == "y" || answer == "yes";
}

bool console_question(const std::string& caption, const std::string& text) {
    print_box(caption, text, " [y/N] ");
    const std::string answer = read_answer();
    // A terminal echoes the user's line end; from a pipe the line is ended here.
    if (::isatty(STDIN_FILENO) != 1) {
        std::fputs("\n", stdout);
        std::fflush(stdout);
    }
    return is_yes(answer);
}

// Runs zenity with the arguments given (no shell in between) and gives its
// exit status, or -1 when it cannot be started or does not exit normally.
int run_zenity(const char* kind, const std::string& caption, const std::string& text) {
    std::string title = "--title=" + caption;
    std::string body = "--text=" + text;
    std::vector<char*> argv{const_cast<char*>("zenity"),
                            const_cast<char*>(kind),
                            const_cast<char*>("--no-markup"),
                            title.data(),
                            body.data(),
                            nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, "zenity", nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool ask_yes_no(const std::string& caption, const std::string& text) {
    switch (available_dialog()) {
        case dialog::console: return console_question(caption, text);
        case dialog::graphical: return run_zenity("--question", caption, text) == 0;
        case dialog::none: break;
    }
    return false;
}

void show_notice(const std::string& caption, const std::string& text) {
    switch (available_dialog()) {
        case dialog::console: print_box(caption, text, "\n"); break;
        case dialog::graphical: run_zenity("--info", caption, text); break;
        case dialog::none: break;
    }
}

}  // namespace platform
