#include "vantor/internet/address/ip4.hpp"

#include <cstring>
#include <vector>

#include "vantor/internet/address/call_errors.hpp"

namespace vantor::internet::address {

namespace sockets = platform::sockets;

namespace {
constexpr std::int32_t inet_size = sizeof(sockets::inet_address);
}  // namespace

ip4::ip4(const std::string& host, std::uint16_t port) {
    std::vector<sockets::resolved_address> entries;
    check(resolve_errors, sockets::resolve(host, entries));
    for (const sockets::resolved_address& entry : entries) {
        if (entry.family == sockets::family_inet && entry.address.size() == inet_size) {
            std::memcpy(&address_, entry.address.data(), inet_size);
            address_.port[0] = static_cast<std::uint8_t>(port >> 8);
            address_.port[1] = static_cast<std::uint8_t>(port & 0xff);
            return;
        }
    }
    throw generic("GetAddrInfoA() walk failed");
}

void ip4::assign(const std::byte* address, std::int32_t size) {
    if (size != inet_size) {
        throw invalid_address_format("Size mismatch");
    }
    std::memcpy(&address_, address, inet_size);
}

std::byte* ip4::native() {
    return reinterpret_cast<std::byte*>(&address_);
}

const std::byte* ip4::native() const {
    return reinterpret_cast<const std::byte*>(&address_);
}

std::int32_t ip4::native_size() const {
    return inet_size;
}

std::string ip4::name(std::int32_t flags) const {
    std::string host;
    if (sockets::host_name(native(), native_size(), flags, host) == platform::status::success) {
        return host;
    }
    check(reverse_lookup_errors,
          sockets::host_name(native(), native_size(), sockets::lookup_numeric_host, host));
    return host;
}

std::uint16_t ip4::port() const {
    return static_cast<std::uint16_t>(address_.port[0] << 8 | address_.port[1]);
}

}  // namespace vantor::internet::address
