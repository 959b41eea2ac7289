#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

// The name-resolution functions of Windows Sockets, looked up at run time:
// systems before Windows XP lack them in ws2_32, some have them in wship6,
// and the oldest have neither.
namespace platform::sockets::win32 {

using getaddrinfo_function = int(WSAAPI*)(const char*, const char*, const addrinfo*, addrinfo**);
using freeaddrinfo_function = void(WSAAPI*)(addrinfo*);
using getnameinfo_function = int(WSAAPI*)(const sockaddr*, socklen_t, char*, DWORD, char*, DWORD,
                                          int);

struct resolver_functions {
    getaddrinfo_function get_address_info = nullptr;
    freeaddrinfo_function free_address_info = nullptr;
    getnameinfo_function get_name_info = nullptr;
};

// The three functions of the module whose path is the system directory
// followed by module_name ("\\ws2_32"); none unless it has all three. A
// module that has them stays loaded for the rest of the process.
resolver_functions load_resolver(const char* module_name);

// The IPv4-only stand-in, built on gethostbyname, getservbyname,
// gethostbyaddr and getservbyport.
resolver_functions stand_in_resolver();

// The functions in use, looked up once, on first use: from ws2_32, else
// from wship6, else the stand-in.
const resolver_functions& resolver();

}  // namespace platform::sockets::win32
