#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The few socket calls that the tests' own loopback peers make, on the
// system's sockets directly (not through the library under test). Failures
// of setting up throw std::runtime_error; the calls of a running peer
// report them in their results.
namespace test_support::peer_sockets {

using handle = std::uintptr_t;
constexpr handle invalid_handle = ~handle{0};

// Keeps the system's socket library started while it lives (Windows
// Sockets counts starts; elsewhere there is nothing to start).
class library {
public:
    library();
    library(const library&) = delete;
    library& operator=(const library&) = delete;
    ~library();
};

// A TCP socket bound to a free port of 127.0.0.1; port is set to it.
handle bound_loopback(std::uint16_t& port);

// Starts listening with a backlog of one.
void listen(handle socket);

// Whether the socket has something to read (or a connection to accept)
// within the time.
bool readable(handle socket, int milliseconds);

// The next connection, with Nagle's delay off; invalid_handle on failure.
handle accept(handle listener);

// Sends the text once; a gone client is not an error here.
void send(handle connection, std::string_view text);

// Receives up to size bytes once: the count, 0 when the client closed, -1
// on failure.
long receive(handle connection, char* data, std::size_t size);

void close(handle socket);

// Closes with a linger time of 0, so that the client sees a reset.
void reset(handle connection);

}  // namespace test_support::peer_sockets
