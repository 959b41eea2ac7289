#include "platform/sockets.hpp"

// winsock2.h must come before windows.h.
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/address_list.hpp"

// Windows Sockets itself: every code passes through unchanged.
namespace platform::sockets {
namespace {

static_assert(sizeof(sockaddr_in) == sizeof(inet_address));
static_assert(AF_INET == family_inet && SOCK_STREAM == type_stream);
static_assert(SOL_SOCKET == level_socket && SO_RCVTIMEO == option_receive_timeout);
static_assert(NI_NUMERICHOST == lookup_numeric_host && NI_NAMEREQD == lookup_name_required);
static_assert(INVALID_SOCKET == invalid_handle);

using getaddrinfo_function = int(WSAAPI*)(const char*, const char*, const addrinfo*, addrinfo**);
using freeaddrinfo_function = void(WSAAPI*)(addrinfo*);
using getnameinfo_function = int(WSAAPI*)(const sockaddr*, socklen_t, char*, DWORD, char*, DWORD,
                                          int);

struct resolver_functions {
    getaddrinfo_function get_address_info = nullptr;
    freeaddrinfo_function free_address_info = nullptr;
    getnameinfo_function get_name_info = nullptr;
};

// The IPv4-only stand-in for systems whose Windows Sockets lacks the
// resolver functions, built on gethostbyname, getservbyname, gethostbyaddr
// and getservbyport.

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

// A module's exported function as its own type (the detour through the
// generic function type keeps the cast well-defined for the compiler).
template <class Function>
Function exported(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The three functions from the system directory's module, if it has all.
resolver_functions load_from(const char* module_name) {
    char directory[MAX_PATH + 1]{};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    const std::string path = std::string(directory, length) + module_name;
    const HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        return {};
    }
    resolver_functions functions;
    functions.get_address_info = exported<getaddrinfo_function>(module, "getaddrinfo");
    functions.free_address_info = exported<freeaddrinfo_function>(module, "freeaddrinfo");
    functions.get_name_info = exported<getnameinfo_function>(module, "getnameinfo");
    if (functions.get_address_info == nullptr || functions.free_address_info == nullptr ||
        functions.get_name_info == nullptr) {
        FreeLibrary(module);
        return {};
    }
    // The module stays loaded for the rest of the process.
    return functions;
}

// Looked up once, on first use: ws2_32, then wship6, then the stand-in.
const resolver_functions& resolver() {
    static const resolver_functions functions = [] {
        resolver_functions found = load_from("\\ws2_32");
        if (found.get_address_info == nullptr) {
            found = load_from("\\wship6");
        }
        if (found.get_address_info == nullptr) {
            found = {emulated_getaddrinfo, emulated_freeaddrinfo, emulated_getnameinfo};
        }
        return found;
    }();
    return functions;
}

SOCKET native_socket(handle socket) {
    return static_cast<SOCKET>(socket);
}

status::code result_of(int result) {
    return result == SOCKET_ERROR ? WSAGetLastError() : 0;
}

}  // namespace

status::code start(std::uint16_t version, start_record& record) {
    WSADATA data{};
    const int result = WSAStartup(version, &data);
    record.version = data.wVersion;
    record.high_version = data.wHighVersion;
    return result;
}

status::code stop() {
    return result_of(WSACleanup());
}

status::code open(std::int32_t family, std::int32_t type, std::int32_t protocol, handle& result) {
    const SOCKET socket = ::socket(family, type, protocol);
    result = static_cast<handle>(socket);
    return socket == INVALID_SOCKET ? WSAGetLastError() : 0;
}

status::code connect(handle socket, const std::byte* address, std::int32_t size) {
    return result_of(
        ::connect(native_socket(socket), reinterpret_cast<const sockaddr*>(address), size));
}

status::code set_option(handle socket, std::int32_t level, std::int32_t name, std::int32_t value) {
    return result_of(::setsockopt(native_socket(socket), level, name,
                                  reinterpret_cast<const char*>(&value), sizeof value));
}

status::code send(handle socket, const char* data, std::int32_t size, std::int32_t& sent) {
    const int result = ::send(native_socket(socket), data, size, 0);
    sent = result == SOCKET_ERROR ? 0 : result;
    return result_of(result);
}

status::code receive(handle socket, char* data, std::int32_t size, std::int32_t& received) {
    const int result = ::recv(native_socket(socket), data, size, 0);
    received = result == SOCKET_ERROR ? 0 : result;
    return result_of(result);
}

status::code close(handle socket) {
    return result_of(::closesocket(native_socket(socket)));
}

status::code resolve(const std::string& host, std::vector<resolved_address>& entries) {
    entries.clear();
    addrinfo* list = nullptr;
    const int result = resolver().get_address_info(host.c_str(), nullptr, nullptr, &list);
    WSASetLastError(result);
    if (result != 0) {
        return result;
    }
    const status::code outcome = copy_address_list(list, entries) ? 0 : WSA_NOT_ENOUGH_MEMORY;
    resolver().free_address_info(list);
    return outcome;
}

status::code host_name(const std::byte* address, std::int32_t size, std::int32_t flags,
                       std::string& name) {
    char buffer[1025]{};
    const int result = resolver().get_name_info(reinterpret_cast<const sockaddr*>(address), size,
                                                buffer, sizeof buffer, nullptr, 0, flags);
    WSASetLastError(result);
    if (result != 0) {
        return WSAGetLastError();
    }
    name = buffer;
    return 0;
}

}  // namespace platform::sockets
