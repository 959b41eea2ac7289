#include "platform/host_lookup.hpp"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace platform {

// The socket subsystem needs no start or stop here. getaddrinfo restricted
// to IPv4; the first result as dotted text.
std::string first_ipv4_address(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* results = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &results) != 0) {
        return {};
    }
    std::string text;
    for (const addrinfo* entry = results; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || entry->ai_addr == nullptr) {
            continue;
        }
        char dotted[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
        if (inet_ntop(AF_INET, &address->sin_addr, dotted, sizeof dotted) != nullptr) {
            text = dotted;
        }
        break;
    }
    freeaddrinfo(results);
    return text;
}

}  // namespace platform
