#pragma once

#include <cstddef>
#include <cstdint>

#include "vantor/internet/transport/tcp/base.hpp"

namespace vantor::internet::transport::tcp {

// The blocking TCP transport: flush sends the whole write queue at once,
// fill receives one chunk of at most 8192 bytes.
class raw final : public base {
public:
    static constexpr std::int32_t receive_chunk = 8192;

    raw() = default;

    void flush() override;
    void fill() override;

private:
    // One recv; returns the byte count (0 when the peer closed).
    std::int32_t receive(char* buffer, std::int32_t size);
    // send until every byte is gone.
    void send_all(const char* data, std::size_t size);
};

}  // namespace vantor::internet::transport::tcp
