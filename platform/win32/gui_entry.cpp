// The entry point of a Windows GUI program: the command-line tail as the
// system passes it to WinMain.
#include <windows.h>

#include "platform/entry_point.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_tail, int) {
    return platform::program_main(command_tail != nullptr ? command_tail : "");
}
