#include "vantor/internet/transport/tcp/raw.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "vantor/internet/transport/call_errors.hpp"

namespace vantor::internet::transport::tcp {

void raw::flush() {
    if (write_buffer_.empty()) {
        return;
    }
    // The queue is emptied before sending: bytes of a failed send are lost
    // with the error.
    const std::string block = write_buffer_.take_all();
    send_all(block.data(), block.size());
}

void raw::fill() {
    std::array<char, receive_chunk> block{};
    const std::int32_t count = receive(block.data(), receive_chunk);
    read_buffer_.append(std::string(block.data(), static_cast<std::size_t>(count)));
}

std::int32_t raw::receive(char* buffer, std::int32_t size) {
    std::int32_t received = 0;
    check(recv_errors, platform::sockets::receive(handle_, buffer, size, received));
    if (received == 0) {
        throw connection_closed("recv() failed");
    }
    received_total_ += static_cast<std::uint32_t>(received);
    return received;
}

void raw::send_all(const char* data, std::size_t size) {
    constexpr std::size_t largest_send = std::numeric_limits<std::int32_t>::max();
    std::size_t offset = 0;
    while (offset < size) {
        const auto length = static_cast<std::int32_t>(std::min(size - offset, largest_send));
        std::int32_t sent = 0;
        check(send_errors, platform::sockets::send(handle_, data + offset, length, sent));
        if (sent == 0) {
            throw connection_closed("send() failed");
        }
        sent_total_ += static_cast<std::uint32_t>(sent);
        offset += static_cast<std::size_t>(sent);
    }
}

}  // namespace vantor::internet::transport::tcp
