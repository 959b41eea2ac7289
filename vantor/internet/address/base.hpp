#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::internet::address {

// A peer address as the transport sees it: a raw socket address of the
// system and its size. Addresses own no resources; they are used through
// references and never destroyed through this class.
class base {
public:
    base() = default;
    base(const base&) = default;
    base& operator=(const base&) = default;

    // Replaces the raw socket address; raises invalid_address_format when
    // the size does not fit the kind of address.
    virtual void assign(const std::byte* address, std::int32_t size) = 0;
    virtual std::byte* native() = 0;
    virtual const std::byte* native() const = 0;
    virtual std::int32_t native_size() const = 0;
    // The host name by reverse lookup with the given lookup flags
    // (platform::sockets::lookup_...); the numeric form when no name is known.
    virtual std::string name(std::int32_t flags) const = 0;
    // Port in host byte order.
    virtual std::uint16_t port() const = 0;

    // Compare sizes first, then the raw bytes as unsigned bytes.
    virtual bool operator==(const base& other) const;
    virtual bool operator!=(const base& other) const;
    virtual bool operator<(const base& other) const;

protected:
    ~base() = default;
};

}  // namespace vantor::internet::address
