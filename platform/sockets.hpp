#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status_codes.hpp"

// The socket service: subsystem start and stop, stream sockets and name
// resolution. Every call returns status::success or a failure code in the
// Windows Sockets code space; numbers that select behaviour (socket types,
// option levels and names, lookup flags) are the Windows Sockets numbers
// too, and each backend translates them. Raw socket addresses are the
// system's own, and so are the address families in them (AF_INET is 2 on
// every system).
namespace platform::sockets {

// A socket as the system names it; invalid_handle (all bits set) names none.
using handle = std::uintptr_t;
constexpr handle invalid_handle = ~handle{0};

constexpr std::int32_t family_inet = 2;  // AF_INET
constexpr std::int32_t type_stream = 1;  // SOCK_STREAM

constexpr std::int32_t level_socket = 0xffff;            // SOL_SOCKET
constexpr std::int32_t option_receive_timeout = 0x1006;  // SO_RCVTIMEO, milliseconds
constexpr std::int32_t option_send_timeout = 0x1005;     // SO_SNDTIMEO, milliseconds
constexpr std::int32_t option_keep_alive = 0x0008;       // SO_KEEPALIVE
constexpr std::int32_t option_send_buffer = 0x1001;      // SO_SNDBUF
constexpr std::int32_t option_receive_buffer = 0x1002;   // SO_RCVBUF
constexpr std::int32_t level_tcp = 6;                    // IPPROTO_TCP
constexpr std::int32_t option_no_delay = 0x0001;         // TCP_NODELAY

constexpr std::int32_t lookup_no_fqdn = 0x01;          // NI_NOFQDN
constexpr std::int32_t lookup_numeric_host = 0x02;     // NI_NUMERICHOST
constexpr std::int32_t lookup_name_required = 0x04;    // NI_NAMEREQD
constexpr std::int32_t lookup_numeric_service = 0x08;  // NI_NUMERICSERV
constexpr std::int32_t lookup_datagram = 0x10;         // NI_DGRAM

// The 16 bytes of an IPv4 socket address, laid out as the system's
// sockaddr_in: family in host order, port and address in network order.
struct inet_address {
    std::uint16_t family = 0;
    std::uint8_t port[2]{};
    std::uint8_t address[4]{};
    std::uint8_t zero[8]{};
};
static_assert(sizeof(inet_address) == 16);

// What the subsystem reports when it starts: the version granted and the
// highest version it supports (high byte minor, low byte major).
struct start_record {
    std::uint16_t version = 0;
    std::uint16_t high_version = 0;
};

// Starts the subsystem (WSAStartup) with the requested version. Starts are
// counted; each successful start needs one stop.
status::code start(std::uint16_t version, start_record& record);

// Stops the subsystem once (WSACleanup); without an active start the result
// is status::wsa_notinitialised.
status::code stop();

// Creates a socket (socket); result is invalid_handle on failure.
status::code open(std::int32_t family, std::int32_t type, std::int32_t protocol, handle& result);

// Connects a socket to a raw socket address of the given size (connect).
status::code connect(handle socket, const std::byte* address, std::int32_t size);

// Sets a 32-bit integer socket option (setsockopt with a 4-byte value).
status::code set_option(handle socket, std::int32_t level, std::int32_t name, std::int32_t value);

// Sends up to size bytes once (send, flags 0); sent holds the count taken.
// A send never raises a signal, whatever the peer did.
status::code send(handle socket, const char* data, std::int32_t size, std::int32_t& sent);

// Receives up to size bytes once (recv, flags 0); 0 received means the peer
// closed the connection.
status::code receive(handle socket, char* data, std::int32_t size, std::int32_t& received);

// Closes a socket (closesocket).
status::code close(handle socket);

// One entry of a resolver result, in the resolver's order.
struct resolved_address {
    std::int32_t family = 0;  // the system's address family
    std::int32_t socket_type = 0;
    std::int32_t protocol = 0;
    std::vector<std::byte> address;  // the raw socket address
};

// Resolves a host name or numeric address with no service name and no hints
// (getaddrinfo); the resolver's list is copied into entries and released
// (freeaddrinfo) before the call returns, whatever its outcome.
status::code resolve(const std::string& host, std::vector<resolved_address>& entries);

// Looks up the host name of a raw socket address (getnameinfo) with a host
// buffer of 1025 bytes and no service; flags are the lookup_ values.
status::code host_name(const std::byte* address, std::int32_t size, std::int32_t flags,
                       std::string& name);

}  // namespace platform::sockets
