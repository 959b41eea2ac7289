// The entry point on Linux: the command-line tail is the arguments joined by
// single blanks.
#include <string>

#include "platform/entry_point.hpp"

int main(int argc, char** argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            tail += ' ';
        }
        tail += argv[i];
    }
    return platform::program_main(tail);
}
