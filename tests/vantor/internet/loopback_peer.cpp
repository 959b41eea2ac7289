#include "tests/vantor/internet/loopback_peer.hpp"

#include <algorithm>
#include <utility>

namespace test_support {
namespace {

// Bounds every wait of the peer, so that a failing test ends instead of
// hanging; it is longer than the 30-second receive time-out of a delivery.
constexpr int wait_limit_ms = 60000;

// The waits are cut into slices, so that a peer being destroyed notices it
// soon.
constexpr int wait_slice_ms = 20;

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
    listener_ = peer_sockets::bound_loopback(port_);
    try {
        peer_sockets::listen(listener_);
    } catch (...) {
        peer_sockets::close(listener_);
        throw;
    }
    thread_ = std::thread([this, script = std::move(script)]() mutable { run(std::move(script)); });
}

loopback_peer::~loopback_peer() {
    if (thread_.joinable()) {
        stopping_ = true;
        thread_.join();
    }
    peer_sockets::close(listener_);
}

const std::string& loopback_peer::received() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return received_;
}

bool loopback_peer::read_some(peer_sockets::handle connection) {
    if (!wait_readable(connection)) {
        return false;
    }
    char buffer[65536];
    const long count = peer_sockets::receive(connection, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    received_.append(buffer, static_cast<std::size_t>(count));
    return true;
}

// False when the wait limit passed or the peer is being destroyed.
bool loopback_peer::wait_readable(peer_sockets::handle socket) {
    for (int waited = 0; waited < wait_limit_ms && !stopping_; waited += wait_slice_ms) {
        if (peer_sockets::readable(socket, wait_slice_ms)) {
            return !stopping_;
        }
    }
    return false;
}

void loopback_peer::run(std::vector<peer_step> script) {
    if (!wait_readable(listener_)) {
        return;
    }
    const peer_sockets::handle connection = peer_sockets::accept(listener_);
    if (connection == peer_sockets::invalid_handle) {
        return;
    }
    bool open = true;
    for (const peer_step& step : script) {
        if (!open) {
            break;
        }
        switch (step.what) {
            case peer_step::action::send: peer_sockets::send(connection, step.text); break;
            case peer_step::action::pause: std::this_thread::sleep_for(step.time); break;
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
            case peer_step::action::close: peer_sockets::close(connection); return;
            case peer_step::action::reset: peer_sockets::reset(connection); return;
        }
    }
    while (open && read_some(connection)) {
    }
    peer_sockets::close(connection);
}

refusing_port::refusing_port() {
    socket_ = peer_sockets::bound_loopback(port_);
}

refusing_port::~refusing_port() {
    peer_sockets::close(socket_);
}

}  // namespace test_support
