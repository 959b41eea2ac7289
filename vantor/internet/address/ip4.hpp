#pragma once

#include <cstdint>
#include <string>

#include "platform/sockets.hpp"
#include "vantor/internet/address/base.hpp"

namespace vantor::internet::address {

// An IPv4 address with a port, held as the system's 16-byte sockaddr_in.
class ip4 final : public base {
public:
    // Resolves host (a name or a dotted numeric address) and keeps the first
    // IPv4 result with the given port (host byte order). Needs an active
    // environment::scope.
    ip4(const std::string& host, std::uint16_t port);
    ip4(const ip4&) = default;
    ip4& operator=(const ip4&) = default;
    ~ip4() = default;

    void assign(const std::byte* address, std::int32_t size) override;
    std::byte* native() override;
    const std::byte* native() const override;
    std::int32_t native_size() const override;
    std::string name(std::int32_t flags) const override;
    std::uint16_t port() const override;

private:
    platform::sockets::inet_address address_;
};

}  // namespace vantor::internet::address
