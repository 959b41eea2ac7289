#include "platform/sockets.hpp"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>

#include "platform/address_list.hpp"
#include "platform/posix/translation.hpp"

namespace platform::sockets {
namespace {

static_assert(sizeof(sockaddr_in) == sizeof(inet_address));
static_assert(AF_INET == family_inet && SOCK_STREAM == type_stream);

// Active starts, counted as Windows Sockets counts WSAStartup and WSACleanup.
std::atomic<int> active_starts{0};

bool started() {
    return active_starts.load() > 0;
}

int native_socket(handle socket) {
    return socket > static_cast<handle>(INT_MAX) ? -1 : static_cast<int>(socket);
}

status::code last_error() {
    return posix::translate_errno(errno);
}

}  // namespace

status::code start(std::uint16_t version, start_record& record) {
    // Versions 1.0 to 2.2 exist (low byte major, high byte minor); a request
    // above 2.2 is granted 2.2, one below 1.0 is refused.
    const unsigned major = version & 0xffu;
    const unsigned minor = version >> 8u;
    if (major == 0) {
        return status::wsa_vernotsupported;
    }
    constexpr std::uint16_t highest = 0x0202;
    record.version = (major > 2 || (major == 2 && minor > 2)) ? highest : version;
    record.high_version = highest;
    ++active_starts;
    return status::success;
}

status::code stop() {
    int count = active_starts.load();
    while (count > 0 && !active_starts.compare_exchange_weak(count, count - 1)) {
    }
    return count > 0 ? status::success : status::wsa_notinitialised;
}

status::code open(std::int32_t family, std::int32_t type, std::int32_t protocol, handle& result) {
    result = invalid_handle;
    if (!started()) {
        return status::wsa_notinitialised;
    }
    const int native = ::socket(family, type | SOCK_CLOEXEC, protocol);
    if (native < 0) {
        return last_error();
    }
    result = static_cast<handle>(native);
    return status::success;
}

status::code connect(handle socket, const std::byte* address, std::int32_t size) {
    if (!started()) {
        return status::wsa_notinitialised;
    }
    if (size < 0) {
        return status::wsa_efault;
    }
    const int result = ::connect(native_socket(socket), reinterpret_cast<const sockaddr*>(address),
                                 static_cast<socklen_t>(size));
    return result == 0 ? status::success : last_error();
}

status::code set_option(handle socket, std::int32_t level, std::int32_t name, std::int32_t value) {
    if (!started()) {
        return status::wsa_notinitialised;
    }
    const posix::native_option option = posix::translate_option(level, name);
    if (!option.found) {
        return status::wsa_enoprotoopt;
    }
    int result = 0;
    if (option.timeout) {
        // Windows takes the milliseconds as an unsigned 32-bit number; 0
        // means no time-out on both systems.
        const auto milliseconds = static_cast<std::uint32_t>(value);
        timeval time{};
        time.tv_sec = static_cast<time_t>(milliseconds / 1000);
        time.tv_usec = static_cast<suseconds_t>(milliseconds % 1000 * 1000);
        result = ::setsockopt(native_socket(socket), option.level, option.name, &time, sizeof time);
    } else {
        const int native_value = value;
        result = ::setsockopt(native_socket(socket), option.level, option.name, &native_value,
                              sizeof native_value);
    }
    return result == 0 ? status::success : last_error();
}

status::code send(handle socket, const char* data, std::int32_t size, std::int32_t& sent) {
    sent = 0;
    if (!started()) {
        return status::wsa_notinitialised;
    }
    if (size < 0) {
        return status::wsa_einval;
    }
    // MSG_NOSIGNAL: a peer that has gone gives EPIPE, never SIGPIPE.
    const ssize_t result =
        ::send(native_socket(socket), data, static_cast<std::size_t>(size), MSG_NOSIGNAL);
    if (result < 0) {
        return last_error();
    }
    sent = static_cast<std::int32_t>(result);
    return status::success;
}

status::code receive(handle socket, char* data, std::int32_t size, std::int32_t& received) {
    received = 0;
    if (!started()) {
        return status::wsa_notinitialised;
    }
    if (size < 0) {
        return status::wsa_einval;
    }
    const ssize_t result = ::recv(native_socket(socket), data, static_cast<std::size_t>(size), 0);
    if (result < 0) {
        return last_error();
    }
    received = static_cast<std::int32_t>(result);
    return status::success;
}

status::code close(handle socket) {
    // Linux releases the descriptor even when close reports EINTR, so the
    // call is never repeated.
    const int result = ::close(native_socket(socket));
    // Windows Sockets releases every socket at its last stop; a socket that
    // outlived it is released here, with the code Windows reports.
    if (!started()) {
        return status::wsa_notinitialised;
    }
    return result == 0 ? status::success : last_error();
}

status::code resolve(const std::string& host, std::vector<resolved_address>& entries) {
    entries.clear();
    if (!started()) {
        return status::wsa_notinitialised;
    }
    addrinfo* list = nullptr;
    errno = 0;
    const int result = ::getaddrinfo(host.c_str(), nullptr, nullptr, &list);
    if (result != 0) {
        return posix::translate_lookup_error(result, errno);
    }
    const status::code outcome =
        copy_address_list(list, entries) ? status::success : status::wsa_not_enough_memory;
    ::freeaddrinfo(list);
    return outcome;
}

status::code host_name(const std::byte* address, std::int32_t size, std::int32_t flags,
                       std::string& name) {
    if (!started()) {
        return status::wsa_notinitialised;
    }
    if (size < 0) {
        return status::wsa_efault;
    }
    char buffer[1025]{};
    errno = 0;
    const int result =
        ::getnameinfo(reinterpret_cast<const sockaddr*>(address), static_cast<socklen_t>(size),
                      buffer, sizeof buffer, nullptr, 0, posix::translate_lookup_flags(flags));
    if (result != 0) {
        return posix::translate_lookup_error(result, errno);
    }
    name = buffer;
    return status::success;
}

}  // namespace platform::sockets
