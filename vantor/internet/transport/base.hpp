#pragma once

#include <cstdint>

#include "platform/sockets.hpp"
#include "vantor/internet/address/base.hpp"

namespace vantor::internet::transport {

// One socket and the byte counts that passed through it. The destructor
// closes the socket and never raises.
class base {
public:
    base() = default;
    base(const base&) = delete;
    base& operator=(const base&) = delete;
    virtual ~base();

    // Creates the socket for talking to peer.
    virtual void open(const address::base& peer) = 0;

    // setsockopt with a 4-byte integer value; level and name are the
    // Windows Sockets numbers (platform::sockets::level_socket, ...).
    void set_option(std::int32_t level, std::int32_t name, std::int32_t value);

    // Closes the socket if one is open; the handle is invalid afterwards,
    // also when the close failed.
    void close();

    std::uint32_t received_total() const { return received_total_; }
    std::uint32_t sent_total() const { return sent_total_; }
    platform::sockets::handle handle() const { return handle_; }

protected:
    std::uint32_t received_total_ = 0;
    std::uint32_t sent_total_ = 0;
    platform::sockets::handle handle_ = platform::sockets::invalid_handle;
};

}  // namespace vantor::internet::transport
