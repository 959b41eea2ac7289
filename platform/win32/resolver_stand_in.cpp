#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/win32/resolver.hpp"

// The IPv4-only stand-in for systems whose Windows Sockets lacks the
// resolver functions.
namespace platform::sockets::win32 {
namespace {

// One result entry with its address; the entries of a list are chained
// through ai_next and released by emulated_freeaddrinfo.
struct emulated_entry {
    addrinfo info{};
    sockaddr_in address{};
};

int emulated_port(const char* service, u_short& port) {
    port = 0;
    if (service == nullptr) {
        return 0;
    }
    char* end = nullptr;
    const unsigned long number = std::strtoul(service, &end, 10);
    if (end != service && *end == '\0' && number <= 0xffff) {
        port = htons(static_cast<u_short>(number));
        return 0;
    }
    const servent* entry = getservbyname(service, "tcp");
    if (entry == nullptr) {
        return WSATYPE_NOT_FOUND;
    }
    port = static_cast<u_short>(entry->s_port);
    return 0;
}

void WSAAPI emulated_freeaddrinfo(addrinfo* list) {
    while (list != nullptr) {
        std::unique_ptr<emulated_entry> entry(reinterpret_cast<emulated_entry*>(list));
        list = list->ai_next;
    }
}

int WSAAPI emulated_getaddrinfo(const char* host, const char* service, const addrinfo* hints,
                                addrinfo** result) {
    *result = nullptr;
    if (hints != nullptr && hints->ai_family != AF_UNSPEC && hints->ai_family != AF_INET) {
        return WSAEAFNOSUPPORT;
    }
    u_short port = 0;
    if (const int error = emulated_port(service, port); error != 0) {
        return error;
    }
    in_addr numeric{};
    numeric.s_addr = host == nullptr ? htonl(INADDR_LOOPBACK) : inet_addr(host);
    const in_addr* addresses[2] = {&numeric, nullptr};
    const in_addr* const* list = addresses;
    if (numeric.s_addr == INADDR_NONE && std::strcmp(host, "255.255.255.255") != 0) {
        const hostent* entry = gethostbyname(host);
        if (entry == nullptr) {
            return WSAGetLastError();
        }
        if (entry->h_addrtype != AF_INET || entry->h_addr_list[0] == nullptr) {
            return WSANO_DATA;
        }
        list = reinterpret_cast<const in_addr* const*>(entry->h_addr_list);
    }
    addrinfo** tail = result;
    try {
        for (; *list != nullptr; ++list) {
            auto entry = std::make_unique<emulated_entry>();
            entry->address.sin_family = AF_INET;
            entry->address.sin_port = port;
            entry->address.sin_addr = **list;
            entry->info.ai_family = AF_INET;
            entry->info.ai_socktype = hints != nullptr ? hints->ai_socktype : 0;
            entry->info.ai_protocol = hints != nullptr ? hints->ai_protocol : 0;
            entry->info.ai_addrlen = sizeof(sockaddr_in);
            entry->info.ai_addr = reinterpret_cast<sockaddr*>(&entry->address);
            // The list owns its entries from here on; emulated_freeaddrinfo
            // releases them.
            *tail = &entry.release()->info;
            tail = &(*tail)->ai_next;
        }
    } catch (...) {
        emulated_freeaddrinfo(*result);
        *result = nullptr;
        return WSA_NOT_ENOUGH_MEMORY;
    }
    return 0;
}

int copy_text(const char* text, char* buffer, DWORD size) {
    const std::size_t length = std::strlen(text);
    if (buffer == nullptr || length >= size) {
        return WSAEFAULT;
    }
    std::memcpy(buffer, text, length + 1);
    return 0;
}

int WSAAPI emulated_getnameinfo(const sockaddr* address, socklen_t size, char* host,
                                DWORD host_size, char* service, DWORD service_size, int flags) {
    if (address == nullptr || size < static_cast<socklen_t>(sizeof(sockaddr_in))) {
        return WSAEFAULT;
    }
    if (address->sa_family != AF_INET) {
        return WSAEAFNOSUPPORT;
    }
    const auto* inet = reinterpret_cast<const sockaddr_in*>(address);
    if (host != nullptr && host_size > 0) {
        const hostent* entry = nullptr;
        if ((flags & NI_NUMERICHOST) == 0) {
            entry = gethostbyaddr(reinterpret_cast<const char*>(&inet->sin_addr),
                                  sizeof inet->sin_addr, AF_INET);
        }
        if (entry == nullptr && (flags & NI_NAMEREQD) != 0) {
            return WSAHOST_NOT_FOUND;
        }
        const char* text = entry != nullptr ? entry->h_name : inet_ntoa(inet->sin_addr);
        if (const int error = copy_text(text, host, host_size); error != 0) {
            return error;
        }
    }
    if (service != nullptr && service_size > 0) {
        const servent* entry = nullptr;
        if ((flags & NI_NUMERICSERV) == 0) {
            entry = getservbyport(inet->sin_port, (flags & NI_DGRAM) != 0 ? "udp" : "tcp");
        }
        const std::string text =
            entry != nullptr ? std::string(entry->s_name) : std::to_string(ntohs(inet->sin_port));
        if (const int error = copy_text(text.c_str(), service, service_size); error != 0) {
            return error;
        }
    }
    return 0;
}

}  // namespace

resolver_functions stand_in_resolver() {
    return {emulated_getaddrinfo, emulated_freeaddrinfo, emulated_getnameinfo};
}

}  // namespace platform::sockets::win32
