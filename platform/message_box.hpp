#pragma once

#include <string>

namespace platform {

// Modal message boxes without an owner window. Where no box can be shown a
// question counts as No and a notice is dropped, as when the system's
// message box fails.

// A Yes/No question; true only for the answer Yes.
bool ask_yes_no(const std::string& caption, const std::string& text);

// A notice with a single OK button.
void show_notice(const std::string& caption, const std::string& text);

}  // namespace platform
