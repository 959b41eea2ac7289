#pragma once

#include <string_view>

namespace platform {

// The program's own main, defined by the program and called by the
// system's entry point with the command-line tail: the command line
// without the program's name. Gives the process exit status.
// Windows: WinMain of a GUI program (no console), whose tail the system
// passes as it was given. Linux: main, the arguments joined by single
// blanks.
int program_main(std::string_view command_tail);

}  // namespace platform
