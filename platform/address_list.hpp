#pragma once

#include <cstddef>
#include <new>
#include <vector>

#include "platform/sockets.hpp"

namespace platform::sockets {

// Copies a resolver's result list (the system's addrinfo chain) into
// values, in order. Returns false, with entries empty, when memory ran out.
template <class AddressInfo>
bool copy_address_list(const AddressInfo* list, std::vector<resolved_address>& entries) {
    entries.clear();
    try {
        for (const AddressInfo* entry = list; entry != nullptr; entry = entry->ai_next) {
            const auto* bytes = reinterpret_cast<const std::byte*>(entry->ai_addr);
            resolved_address copy;
            copy.family = entry->ai_family;
            copy.socket_type = entry->ai_socktype;
            copy.protocol = entry->ai_protocol;
            if (bytes != nullptr) {
                copy.address.assign(bytes, bytes + entry->ai_addrlen);
            }
            entries.push_back(std::move(copy));
        }
    } catch (const std::bad_alloc&) {
        entries.clear();
        return false;
    }
    return true;
}

}  // namespace platform::sockets
