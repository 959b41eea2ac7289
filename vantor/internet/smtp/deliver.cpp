#include "vantor/internet/smtp/deliver.hpp"

#include <utility>

#include "platform/sockets.hpp"
#include "vantor/format.hpp"
#include "vantor/internet/smtp/errors.hpp"
#include "vantor/internet/smtp/reply.hpp"
#include "vantor/internet/transport/errors.hpp"
#include "vantor/internet/transport/tcp/raw.hpp"
#include "vantor/strings.hpp"

namespace vantor::internet::smtp {
namespace {

constexpr std::int32_t go_ahead = 354;

// The message lines leave in writes of about this size; the bytes on the
// wire are those of one write_line a line.
constexpr std::size_t data_chunk = 1 << 18;

// Writes every line with CR LF, a leading dot doubled.
void send_lines(transport::tcp::base& transport, const mail_lines& lines) {
    std::string chunk;
    chunk.reserve(data_chunk);
    for (const std::string_view line : lines) {
        if (starts_with(".", line)) {
            chunk += '.';
        }
        chunk += line;
        chunk += "\r\n";
        if (chunk.size() >= data_chunk) {
            transport.write(std::move(chunk));
            chunk.clear();
            chunk.reserve(data_chunk);
        }
    }
    transport.write(std::move(chunk));
}

}  // namespace

std::int32_t send_command(transport::tcp::base& transport, const std::string& command,
                          std::vector<std::string>& texts) {
    transport.write_line(command);
    return read_reply(transport, texts);
}

void deliver(const std::string& client_domain, const address::base& server,
             const std::string& recipient, const std::string& sender, const mail_lines& lines) {
    transport::tcp::raw transport;
    transport.open(server);
    transport.connect_to(server);
    transport.set_option(platform::sockets::level_socket, platform::sockets::option_receive_timeout,
                         receive_timeout_ms);

    std::vector<std::string> texts;
    read_reply(transport, texts);
    try {
        send_command(transport, format("EHLO %s", client_domain.c_str()), texts);
    } catch (const permanent_failure&) {
        send_command(transport, format("HELO %s", client_domain.c_str()), texts);
    }

    try {
        send_command(transport, "RSET", texts);
        send_command(transport, format("MAIL FROM: <%s>", sender.c_str()), texts);
        send_command(transport, format("RCPT TO: <%s>", recipient.c_str()), texts);
        transport.write_line("DATA");
        while (read_reply(transport, texts) != go_ahead) {
        }
        send_lines(transport, lines);
        send_command(transport, ".", texts);
    } catch (const transport::generic& error) {
        throw temporary_failure(error.message());
    }

    try {
        send_command(transport, "QUIT", texts);
    } catch (const transport::generic& error) {
        throw unreliable_delivery(error.message());
    }
}

}  // namespace vantor::internet::smtp
