// Shows one box through the platform's message box service, for the tests:
//   dialog_probe ask <caption> <text>    exit status 0 for Yes, 1 for No
//   dialog_probe tell <caption> <text>   exit status 2
#include <string_view>

#include "platform/message_box.hpp"

int main(int argc, char** argv) {
    if (argc != 4) {
        return 64;
    }
    if (std::string_view(argv[1]) == "ask") {
        return platform::ask_yes_no(argv[2], argv[3]) ? 0 : 1;
    }
    platform::show_notice(argv[2], argv[3]);
    return 2;
}
