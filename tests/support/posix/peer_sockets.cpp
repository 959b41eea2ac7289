#include "tests/support/peer_sockets.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace test_support::peer_sockets {
namespace {

int native(handle socket) {
    return static_cast<int>(socket);
}

}  // namespace

library::library() = default;
library::~library() = default;

handle bound_loopback(std::uint16_t& port) {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        throw std::runtime_error("cannot create a socket");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(socket);
        throw std::runtime_error("cannot bind a loopback socket");
    }
    port = ntohs(address.sin_port);
    return static_cast<handle>(socket);
}

void listen(handle socket) {
    if (::listen(native(socket), 1) != 0) {
        throw std::runtime_error("cannot listen on a loopback socket");
    }
}

bool readable(handle socket, int milliseconds) {
    pollfd entry{native(socket), POLLIN, 0};
    return ::poll(&entry, 1, milliseconds) > 0;
}

handle accept(handle listener) {
    const int connection = ::accept4(native(listener), nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) {
        return invalid_handle;
    }
    const int on = 1;
    ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return static_cast<handle>(connection);
}

void send(handle connection, std::string_view text) {
    ::send(native(connection), text.data(), text.size(), MSG_NOSIGNAL);
}

long receive(handle connection, char* data, std::size_t size) {
    return static_cast<long>(::recv(native(connection), data, size, 0));
}

void close(handle socket) {
    ::close(native(socket));
}

void reset(handle connection) {
    const linger abort{1, 0};
    ::setsockopt(native(connection), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    ::close(native(connection));
}

}  // namespace test_support::peer_sockets
