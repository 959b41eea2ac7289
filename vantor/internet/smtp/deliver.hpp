#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vantor/internet/address/base.hpp"
#include "vantor/internet/mail_lines.hpp"
#include "vantor/internet/transport/tcp/base.hpp"

namespace vantor::internet::smtp {

// The receive time-out of a delivery's connection, in milliseconds.
constexpr std::int32_t receive_timeout_ms = 30000;

// write_line of command, then read_reply into texts; returns the code.
std::int32_t send_command(transport::tcp::base& transport, const std::string& command,
                          std::vector<std::string>& texts);

// Hands one message to one SMTP server for one recipient over a connection
// of its own: greeting, EHLO (HELO after a 5xx reply), RSET, MAIL FROM,
// RCPT TO, DATA, the lines with a leading dot doubled, ".", QUIT. An empty
// sender gives the null reverse path. Returns only when every step
// succeeded; the connection is closed on every way out.
//
// Transport errors from RSET to the end of the data become temporary_failure
// and those of QUIT unreliable_delivery, each with the transport error's
// message; SMTP and environment errors, and transport errors before RSET,
// leave unchanged.
void deliver(const std::string& client_domain, const address::base& server,
             const std::string& recipient, const std::string& sender, const mail_lines& lines);

}  // namespace vantor::internet::smtp
