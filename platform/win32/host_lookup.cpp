#include "platform/host_lookup.hpp"

#include <winsock2.h>

#include <cstring>

namespace platform {

// Windows Sockets 2.2 for this one call: gethostbyname, the first entry of
// the address list through inet_ntoa, then WSACleanup (its result ignored).
std::string first_ipv4_address(const std::string& host) {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return {};
    }
    std::string text;
    const hostent* entry = gethostbyname(host.c_str());
    if (entry != nullptr && entry->h_addrtype == AF_INET && entry->h_length == sizeof(in_addr) &&
        entry->h_addr_list[0] != nullptr) {
        in_addr address{};
        std::memcpy(&address, entry->h_addr_list[0], sizeof address);
        text = inet_ntoa(address);
    }
    WSACleanup();
    return text;
}

}  // namespace platform
