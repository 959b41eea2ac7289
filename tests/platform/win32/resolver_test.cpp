#include "platform/win32/resolver.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

namespace win32 = platform::sockets::win32;

// Windows Sockets started for the length of a test.
class resolver : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data{};
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    }
    void TearDown() override { WSACleanup(); }

    const win32::resolver_functions stand_in = win32::stand_in_resolver();
};

// The IPv4 address and port of the first entry; the list is released.
struct first_entry {
    int result = 0;
    std::string address;
    unsigned port = 0;
};

first_entry look_up(const win32::resolver_functions& functions, const char* host,
                    const char* service, const addrinfo* hints = nullptr) {
    addrinfo* list = nullptr;
    first_entry entry;
    entry.result = functions.get_address_info(host, service, hints, &list);
    for (const addrinfo* item = list; item != nullptr; item = item->ai_next) {
        if (item->ai_family == AF_INET && item->ai_addrlen == sizeof(sockaddr_in)) {
            const auto* inet = reinterpret_cast<const sockaddr_in*>(item->ai_addr);
            entry.address = inet_ntoa(inet->sin_addr);
            entry.port = ntohs(inet->sin_port);
            break;
        }
    }
    if (list != nullptr) {
        functions.free_address_info(list);
    }
    return entry;
}

// The address of a function, to compare with what GetProcAddress gives.
template <class Function>
const void* address_of(Function function) {
    return reinterpret_cast<const void*>(function);
}

TEST_F(resolver, functions_in_use_are_those_of_ws2_32) {
    const HMODULE ws2_32 = GetModuleHandleA("ws2_32.dll");
    ASSERT_NE(ws2_32, nullptr);
    EXPECT_EQ(address_of(win32::resolver().get_address_info),
              address_of(GetProcAddress(ws2_32, "getaddrinfo")));
    EXPECT_EQ(address_of(win32::resolver().free_address_info),
              address_of(GetProcAddress(ws2_32, "freeaddrinfo")));
    EXPECT_EQ(address_of(win32::resolver().get_name_info),
              address_of(GetProcAddress(ws2_32, "getnameinfo")));
}

TEST_F(resolver, module_without_all_three_functions_gives_none) {
    EXPECT_EQ(win32::load_resolver("\\no_such_module").get_address_info, nullptr);
    EXPECT_EQ(win32::load_resolver("\\kernel32").get_address_info, nullptr);
}

// The stand-in answers as the system's resolver does.
TEST_F(resolver, stand_in_agrees_with_the_system) {
    const win32::resolver_functions& system = win32::resolver();
    struct lookup_case {
        const char* host;
        const char* service;
    };
    for (const lookup_case& c :
         {lookup_case{"127.0.0.1", nullptr}, lookup_case{"localhost", "25"},
          lookup_case{"10.1.2.3", "smtp"}, lookup_case{"127.0.0.1", "http"}}) {
        const first_entry expected = look_up(system, c.host, c.service);
        const first_entry got = look_up(stand_in, c.host, c.service);
        ASSERT_EQ(expected.result, 0) << c.host;
        EXPECT_EQ(got.result, expected.result) << c.host;
        EXPECT_EQ(got.address, expected.address) << c.host;
        EXPECT_EQ(got.port, expected.port) << c.host;
    }
}

TEST_F(resolver, stand_in_failures) {
    EXPECT_EQ(look_up(stand_in, "127.0.0.1", "no-such-service").result, WSATYPE_NOT_FOUND);
    EXPECT_EQ(look_up(stand_in, "no-such-host.invalid", nullptr).result, WSAHOST_NOT_FOUND);
    addrinfo hints{};
    hints.ai_family = AF_INET6;
    EXPECT_EQ(look_up(stand_in, "127.0.0.1", nullptr, &hints).result, WSAEAFNOSUPPORT);
}

TEST_F(resolver, stand_in_reverse_lookup) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(25);
    address.sin_addr.s_addr = htonl(0x0A010203);  // 10.1.2.3
    const auto* raw = reinterpret_cast<const sockaddr*>(&address);
    char host[1025]{};
    char service[32]{};
    ASSERT_EQ(stand_in.get_name_info(raw, sizeof address, host, sizeof host, service,
                                     sizeof service, NI_NUMERICHOST | NI_NUMERICSERV),
              0);
    EXPECT_STREQ(host, "10.1.2.3");
    EXPECT_STREQ(service, "25");
    char small[4]{};
    EXPECT_EQ(stand_in.get_name_info(raw, sizeof address, small, sizeof small, nullptr, 0,
                                     NI_NUMERICHOST),
              WSAEFAULT);
    EXPECT_EQ(stand_in.get_name_info(raw, sizeof address - 1, host, sizeof host, nullptr, 0, 0),
              WSAEFAULT);
    address.sin_family = AF_INET6;
    EXPECT_EQ(stand_in.get_name_info(raw, sizeof address, host, sizeof host, nullptr, 0, 0),
              WSAEAFNOSUPPORT);
}

}  // namespace
