#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/peer_sockets.hpp"

// A scripted TCP peer on 127.0.0.1 for the tests: it accepts one
// connection, plays its steps in order on a thread of its own, and records
// every byte the client sent. After the last step it keeps reading until the
// client closes, unless a step closed or reset the connection. Destroying
// the peer ends its script at once.
namespace test_support {

struct peer_step {
    enum class action {
        send,        // send text as one packet
        pause,       // wait for the given time
        await_text,  // read until the client has sent text (after the last one awaited)
        close,       // close the connection
        reset,       // close with SO_LINGER 0, so the client sees a reset
    };
    action what;
    std::string text;
    std::chrono::milliseconds time{0};
    std::size_t overlap = 0;  // await_text: how far the search reaches back
};

peer_step send(std::string text);
peer_step pause(std::chrono::milliseconds time);
peer_step await_text(std::string text);
peer_step await_line();      // the next CR LF
peer_step await_data_end();  // CR LF "." CR LF, the CR LF before "." may end the last await
peer_step close_connection();
peer_step reset_connection();

class loopback_peer {
public:
    explicit loopback_peer(std::vector<peer_step> script);
    loopback_peer(const loopback_peer&) = delete;
    loopback_peer& operator=(const loopback_peer&) = delete;
    ~loopback_peer();

    std::uint16_t port() const { return port_; }

    // Waits for the script to end (and the client to close, after the last
    // step) and returns every byte received.
    const std::string& received();

private:
    void run(std::vector<peer_step> script);
    bool read_some(peer_sockets::handle connection);
    bool wait_readable(peer_sockets::handle socket);

    peer_sockets::library library_;
    peer_sockets::handle listener_ = peer_sockets::invalid_handle;
    std::atomic<bool> stopping_{false};  // set to end the script
    std::uint16_t port_ = 0;
    std::string received_;
    std::size_t awaited_end_ = 0;
    std::thread thread_;
};

// A loopback port on which nothing listens: bound, never listening, so that
// connecting to it is refused for as long as the object lives.
class refusing_port {
public:
    refusing_port();
    refusing_port(const refusing_port&) = delete;
    refusing_port& operator=(const refusing_port&) = delete;
    ~refusing_port();

    std::uint16_t port() const { return port_; }

private:
    peer_sockets::library library_;
    peer_sockets::handle socket_ = peer_sockets::invalid_handle;
    std::uint16_t port_ = 0;
};

}  // namespace test_support
