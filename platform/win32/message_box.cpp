#include "platform/message_box.hpp"

#include <windows.h>

namespace platform {

bool ask_yes_no(const std::string& caption, const std::string& text) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}

void show_notice(const std::string& caption, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace platform
