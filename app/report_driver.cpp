#include "app/report_driver.hpp"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "app/deployment.hpp"
#include "app/log_analysis.hpp"
#include "platform/input_file.hpp"
#include "platform/message_box.hpp"
#include "platform/os_version.hpp"
#include "vantor/format.hpp"
#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/message2/message.hpp"
#include "vantor/internet/smtp/deliver.hpp"
#include "vantor/variant/variant.hpp"

namespace app {

namespace {

namespace message2 = vantor::internet::message2;

// Windows Installer exit codes that need no report: success, cancelled by
// the user, success with a restart required.
constexpr std::int32_t nothing_to_report[] = {0, 1602, 3010};

constexpr char question_caption[] = "Installation failed";
constexpr char question_text[] =
    "We're very sorry, but the installation failed. Would you like to send an error report to "
    "help resolve this problem?";
constexpr char submitted_caption[] = "Report submitted";
constexpr char submitted_text[] = "Thank you. The error report has been submitted.";
constexpr char failed_caption[] = "Report not submitted";

constexpr char log_name[] = "install.txt";
constexpr char client_domain[] = "installer";

bool needs_report(std::int32_t exit_code) {
    for (const std::int32_t code : nothing_to_report) {
        if (exit_code == code) {
            return false;
        }
    }
    return true;
}

// Everything made for sending lives inside this call: the relay address,
// the mail lines and the envelope end before the "Report submitted" box,
// the socket environment after it. An error unwinds all of it, the scope
// included.
void send_report(const message2::message& report) {
    const vantor::internet::environment::scope sockets;
    {
        const std::string domain = client_domain;
        const std::string sender;
        const std::string recipient = deployment::support_mailbox;
        const std::string relay_host = deployment::relay_host;
        const vantor::internet::mail_lines lines = report.render();
        const vantor::internet::address::ip4 relay(relay_host, deployment::relay_port);
        vantor::internet::smtp::deliver(domain, relay, recipient, sender, lines);
    }
    platform::show_notice(submitted_caption, submitted_text);
}

// Asks the user and sends on Yes. A failure is shown only after everything
// made for sending has been released.
void offer_report(const message2::message& report) {
    std::optional<std::string> failure;
    try {
        if (!platform::ask_yes_no(question_caption, question_text)) {
            return;
        }
        send_report(report);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure) {
        platform::show_notice(failed_caption, *failure);
    }
}

}  // namespace

int run_report(std::string_view command_tail) {
    const std::int32_t exit_code = vantor::variant(command_tail).as_integer();
    if (!needs_report(exit_code)) {
        return 0;
    }

    message2::message report;
    report.remove_header("Content-Transfer-Encoding");
    report.add_header("Content-Transfer-Encoding", "base64");
    report.add_header("To",
                      vantor::format("\"Installation Support\" <%s>", deployment::support_mailbox));
    // Before the body is set: the content converts into its charset then.
    report.content.charset = "utf-8";

    const platform::os_version os = platform::query_os_version();

    platform::input_file log(log_name);
    if (!log.is_open()) {
        return 1;
    }
    std::optional<std::string> log_bytes = log.read_whole();
    if (!log_bytes || log_bytes->size() <= 2) {
        return 0;
    }
    report.add_header("Subject",
                      analyse_log(*log_bytes, report.content, exit_code, os.major, os.minor));
    // The body's bytes in its charset are what is sent: neither the raw log
    // bytes nor the body's wide text are needed again, and a large log
    // would otherwise be held three times over while the mail is rendered.
    log_bytes.reset();
    std::u16string().swap(report.content.text);

    offer_report(report);
    return 0;
}

}  // namespace app
