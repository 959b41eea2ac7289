#include "tests/vantor/internet/loopback_peer.hpp"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace test_support {
namespace {

// Bounds every wait of the peer, so that a failing test ends instead of
// hanging; it is longer than the 30-second receive time-out of a delivery.
constexpr int wait_limit_ms = 60000;

std::uint16_t bind_loopback(int socket) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("cannot bind a loopback socket");
    }
    return ntohs(address.sin_port);
}

}  // namespace

peer_step send(std::string text) {
    return {peer_step::action::send, std::move(text), {}, 0};
}
peer_step pause(std::chrono::milliseconds time) {
    return {peer_step::action::pause, {}, time, 0};
}
peer_step await_text(std::string text) {
    return {peer_step::action::await_text, std::move(text), {}, 0};
}
peer_step await_line() {
    return await_text("\r\n");
}
peer_step await_data_end() {
    peer_step step = await_text("\r\n.\r\n");
    step.overlap = 2;
    return step;
}
peer_step close_connection() {
    return {peer_step::action::close, {}, {}, 0};
}
peer_step reset_connection() {
    return {peer_step::action::reset, {}, {}, 0};
}

loopback_peer::loopback_peer(std::vector<peer_step> script) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        throw std::runtime_error("cannot create the peer's socket");
    }
    port_ = bind_loopback(listener_);
    if (::listen(listener_, 1) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        ::close(listener_);
        throw std::runtime_error("cannot listen on the peer's socket");
    }
    thread_ = std::thread([this, script = std::move(script)]() mutable { run(std::move(script)); });
}

loopback_peer::~loopback_peer() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const ssize_t written = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    ::close(wake_[0]);
    ::close(wake_[1]);
    ::close(listener_);
}

const std::string& loopback_peer::received() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return received_;
}

bool loopback_peer::read_some(int connection) {
    if (!wait_readable(connection)) {
        return false;
    }
    char buffer[65536];
    const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
    if (count <= 0) {
        return false;
    }
    received_.append(buffer, static_cast<std::size_t>(count));
    return true;
}

// False when the wait limit passed or the peer is being destroyed.
bool loopback_peer::wait_readable(int socket) {
    pollfd entries[2] = {{socket, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    return ::poll(entries, 2, wait_limit_ms) > 0 && entries[1].revents == 0;
}

void loopback_peer::run(std::vector<peer_step> script) {
    if (!wait_readable(listener_)) {
        return;
    }
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) {
        return;
    }
    const int on = 1;
    ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    bool open = true;
    for (const peer_step& step : script) {
        if (!open) {
            break;
        }
        switch (step.what) {
            case peer_step::action::send:
                ::send(connection, step.text.data(), step.text.size(), MSG_NOSIGNAL);
                break;
            case peer_step::action::pause:
                std::this_thread::sleep_for(step.time);
                break;
            case peer_step::action::await_text: {
                std::size_t from = awaited_end_ - std::min(awaited_end_, step.overlap);
                std::size_t found = received_.find(step.text, from);
                while (found == std::string::npos) {
                    from = std::max(
                        from, received_.size() - std::min(received_.size(), step.text.size()));
                    if (!read_some(connection)) {
                        open = false;
                        break;
                    }
                    found = received_.find(step.text, from);
                }
                if (open) {
                    awaited_end_ = found + step.text.size();
                }
                break;
            }
            case peer_step::action::close:
                ::close(connection);
                return;
            case peer_step::action::reset: {
                const linger abort{1, 0};
                ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
                ::close(connection);
                return;
            }
        }
    }
    while (open && read_some(connection)) {
    }
    ::close(connection);
}

refusing_port::refusing_port() {
    socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_ < 0) {
        throw std::runtime_error("cannot create a socket");
    }
    port_ = bind_loopback(socket_);
}

refusing_port::~refusing_port() {
    ::close(socket_);
}

}  // namespace test_support
