// Delivery of a rendered mail of 64 MiB over loopback, beside one plain
// blocking send loop of the same bytes to the same kind of reader.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/message2/message.hpp"
#include "vantor/internet/smtp/deliver.hpp"

namespace {

namespace message2 = vantor::internet::message2;

// 48 MiB of log bytes render as 64 MiB of base64 lines.
constexpr std::size_t log_size = 48u << 20;

// The report as the driver composes it, rendered into lines.
vantor::internet::mail_lines rendered_mail() {
    message2::message mail;
    mail.remove_header("Content-Transfer-Encoding");
    mail.add_header("Content-Transfer-Encoding", "base64");
    mail.add_header("To", "\"Installation Support\" <support@example.com>");
    mail.content.charset = "utf-8";
    mail.content.set_text(u"log");
    mail.content.data.resize(log_size);
    for (std::size_t i = 0; i < log_size; ++i) {
        mail.content.data[i] = static_cast<char>(' ' + (i * 7 + i / 81) % 95);
    }
    mail.add_header("Subject", "KV:628  OS:5.1  ExitCode:1603 (Error:27)");
    return mail.render();
}

// The bytes that the delivery puts on the wire after DATA.
std::string wire_bytes(const vantor::internet::mail_lines& lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes + ".\r\n";
}

// A loopback listener that serves one connection after another on a thread
// of its own: as an SMTP server that only reads and answers, or as a reader
// that reads until the sender closes and then closes.
class sink {
public:
    explicit sink(bool smtp) : smtp_(smtp) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            ::listen(listener_, 4) != 0) {
            throw std::runtime_error("cannot listen on loopback");
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    sink(const sink&) = delete;
    sink& operator=(const sink&) = delete;
    ~sink() {
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }

    std::uint16_t port() const { return port_; }

private:
    void serve() {
        for (;;) {
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0) {
                return;
            }
            if (smtp_) {
                answer(connection);
            } else {
                std::vector<char> buffer(1 << 18);
                while (::recv(connection, buffer.data(), buffer.size(), 0) > 0) {
                }
            }
            ::close(connection);
        }
    }

    static void reply(int connection, std::string_view text) {
        ::send(connection, text.data(), text.size(), MSG_NOSIGNAL);
    }

    // Answers every command line with 250 (354 to DATA, 221 to QUIT). A
    // client that waits for the reply to the end of the data sends nothing
    // after it, and dot-stuffing keeps it out of the data, so the end of the
    // data is the end of the bytes received so far: only the last bytes of
    // each receive are looked at.
    static void answer(int connection) {
        constexpr std::string_view data_end = "\r\n.\r\n";
        reply(connection, "220 ready\r\n");
        std::vector<char> buffer(1 << 18);
        std::string pending;
        bool data = false;
        for (;;) {
            const ssize_t count = ::recv(connection, buffer.data(), buffer.size(), 0);
            if (count <= 0) {
                return;
            }
            const std::string_view received(buffer.data(), static_cast<std::size_t>(count));
            if (data) {
                // The last bytes so far, the CR LF of DATA included.
                pending.append(
                    received.substr(received.size() - std::min(received.size(), data_end.size())));
                pending.erase(0, pending.size() - std::min(pending.size(), data_end.size()));
                if (pending == data_end) {
                    data = false;
                    pending.clear();
                    reply(connection, "250 queued\r\n");
                }
                continue;
            }
            pending.append(received);
            for (std::size_t end = pending.find("\r\n"); !data && end != std::string::npos;
                 end = pending.find("\r\n")) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 2);
                if (line == "DATA") {
                    reply(connection, "354 go ahead\r\n");
                    data = true;
                    pending = "\r\n";
                } else if (line == "QUIT") {
                    reply(connection, "221 bye\r\n");
                    return;
                } else {
                    reply(connection, "250 ok\r\n");
                }
            }
        }
    }

    bool smtp_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::thread thread_;
};

const vantor::internet::mail_lines& mail() {
    static const vantor::internet::mail_lines lines = rendered_mail();
    return lines;
}

void deliver_64_mib(benchmark::State& state) {
    const vantor::internet::mail_lines& lines = mail();
    const std::size_t bytes = wire_bytes(lines).size();
    vantor::internet::environment::scope scope;
    sink server(true);
    const vantor::internet::address::ip4 address("127.0.0.1", server.port());
    for (auto _ : state) {
        vantor::internet::smtp::deliver("installer", address, "support@example.com", "", lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(deliver_64_mib)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The same bytes with one blocking send loop, until the reader has them all.
void plain_send_64_mib(benchmark::State& state) {
    const std::string bytes = wire_bytes(mail());
    sink server(false);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(server.port());
    for (auto _ : state) {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        std::size_t offset = 0;
        while (offset < bytes.size()) {
            const ssize_t sent =
                ::send(socket, bytes.data() + offset, bytes.size() - offset, MSG_NOSIGNAL);
            if (sent <= 0) {
                state.SkipWithError("send failed");
                break;
            }
            offset += static_cast<std::size_t>(sent);
        }
        ::shutdown(socket, SHUT_WR);
        char byte = 0;
        ::recv(socket, &byte, 1, 0);
        ::close(socket);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(plain_send_64_mib)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
