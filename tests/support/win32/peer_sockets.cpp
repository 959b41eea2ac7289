#include "tests/support/peer_sockets.hpp"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

namespace test_support::peer_sockets {
namespace {

SOCKET native(handle socket) {
    return static_cast<SOCKET>(socket);
}

}  // namespace

library::library() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        throw std::runtime_error("WSAStartup() failed");
    }
}

library::~library() {
    WSACleanup();
}

handle bound_loopback(std::uint16_t& port) {
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        throw std::runtime_error("cannot create a socket");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::closesocket(socket);
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
    WSAPOLLFD entry{native(socket), POLLRDNORM, 0};
    return WSAPoll(&entry, 1, milliseconds) > 0;
}

handle accept(handle listener) {
    const SOCKET connection = ::accept(native(listener), nullptr, nullptr);
    if (connection == INVALID_SOCKET) {
        return invalid_handle;
    }
    const BOOL on = TRUE;
    ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
                 sizeof on);
    return static_cast<handle>(connection);
}

void send(handle connection, std::string_view text) {
    ::send(native(connection), text.data(), static_cast<int>(text.size()), 0);
}

long receive(handle connection, char* data, std::size_t size) {
    return ::recv(native(connection), data, static_cast<int>(size), 0);
}

void close(handle socket) {
    ::closesocket(native(socket));
}

void reset(handle connection) {
    const linger abort{1, 0};
    ::setsockopt(native(connection), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
                 sizeof abort);
    ::closesocket(native(connection));
}

}  // namespace test_support::peer_sockets
