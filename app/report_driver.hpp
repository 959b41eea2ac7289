#pragma once

#include <string_view>

namespace app {

// One run of the reporter, given the command-line tail (the installer's
// exit code): for a failure it reads install.txt from the working folder,
// asks the user and mails the log to the support mailbox. Gives the exit
// status: 1 when install.txt cannot be opened, otherwise 0. Errors while
// the report is prepared pass through; everything from the question to the
// end of sending is caught and shown in the "Report not submitted" box.
int run_report(std::string_view command_tail);

}  // namespace app
