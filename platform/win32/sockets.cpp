#include "platform/sockets.hpp"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>
#include <string>

#include "platform/address_list.hpp"
#include "platform/win32/resolver.hpp"

// Windows Sockets itself: every code passes through unchanged.
namespace platform::sockets {
namespace {

static_assert(sizeof(sockaddr_in) == sizeof(inet_address));
static_assert(AF_INET == family_inet && SOCK_STREAM == type_stream);
static_assert(SOL_SOCKET == level_socket && SO_RCVTIMEO == option_receive_timeout);
static_assert(NI_NUMERICHOST == lookup_numeric_host && NI_NAMEREQD == lookup_name_required);
static_assert(INVALID_SOCKET == invalid_handle);

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
    const int result = win32::resolver().get_address_info(host.c_str(), nullptr, nullptr, &list);
    WSASetLastError(result);
    if (result != 0) {
        return result;
    }
    const status::code outcome = copy_address_list(list, entries) ? 0 : WSA_NOT_ENOUGH_MEMORY;
    win32::resolver().free_address_info(list);
    return outcome;
}

status::code host_name(const std::byte* address, std::int32_t size, std::int32_t flags,
                       std::string& name) {
    char buffer[1025]{};
    const int result = win32::resolver().get_name_info(
        reinterpret_cast<const sockaddr*>(address), size, buffer, sizeof buffer, nullptr, 0, flags);
    WSASetLastError(result);
    if (result != 0) {
        return WSAGetLastError();
    }
    name = buffer;
    return 0;
}

}  // namespace platform::sockets
