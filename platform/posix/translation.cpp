#include "platform/posix/translation.hpp"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cerrno>
#include <iterator>

#include "platform/sockets.hpp"

namespace platform::posix {
namespace {

struct code_row {
    int native;
    status::code windows;
};

// errno -> Windows Sockets code.
constexpr code_row errno_rows[] = {
    {EINTR, status::wsa_eintr},                      // 0x2714
    {EACCES, status::wsa_eacces},                    // 0x271d
    {EPERM, status::wsa_eacces},                     // 0x271d
    {EFAULT, status::wsa_efault},                    // 0x271e
    {EINVAL, status::wsa_einval},                    // 0x2726
    {EMFILE, status::wsa_emfile},                    // 0x2728
    {ENFILE, status::wsa_emfile},                    // 0x2728
    {EAGAIN, status::wsa_etimedout},                 // 0x274c
    {EINPROGRESS, status::wsa_einprogress},          // 0x2734
    {EALREADY, status::wsa_ealready},                // 0x2735
    {EBADF, status::wsa_enotsock},                   // 0x2736
    {ENOTSOCK, status::wsa_enotsock},                // 0x2736
    {EDESTADDRREQ, status::wsa_edestaddrreq},        // 0x2737
    {EMSGSIZE, status::wsa_emsgsize},                // 0x2738
    {EPROTOTYPE, status::wsa_eprototype},            // 0x2739
    {ENOPROTOOPT, status::wsa_enoprotoopt},          // 0x273a
    {EPROTONOSUPPORT, status::wsa_eprotonosupport},  // 0x273b
    {ESOCKTNOSUPPORT, status::wsa_esocktnosupport},  // 0x273c
    {EOPNOTSUPP, status::wsa_eopnotsupp},            // 0x273d
    {EAFNOSUPPORT, status::wsa_eafnosupport},        // 0x273f
    {EADDRINUSE, status::wsa_eaddrinuse},            // 0x2740
    {EADDRNOTAVAIL, status::wsa_eaddrnotavail},      // 0x2741
    {ENETDOWN, status::wsa_enetdown},                // 0x2742
    {ENETUNREACH, status::wsa_enetunreach},          // 0x2743
    {ENETRESET, status::wsa_enetreset},              // 0x2744
    {ECONNABORTED, status::wsa_econnaborted},        // 0x2745
    {ECONNRESET, status::wsa_econnreset},            // 0x2746
    {EPIPE, status::wsa_econnreset},                 // 0x2746
    {ENOBUFS, status::wsa_enobufs},                  // 0x2747
    {ENOMEM, status::wsa_enobufs},                   // 0x2747
    {EISCONN, status::wsa_eisconn},                  // 0x2748
    {ENOTCONN, status::wsa_enotconn},                // 0x2749
    {ESHUTDOWN, status::wsa_eshutdown},              // 0x274a
    {ETIMEDOUT, status::wsa_etimedout},              // 0x274c
    {ECONNREFUSED, status::wsa_econnrefused},        // 0x274d
    {EHOSTDOWN, status::wsa_ehostdown},              // 0x2750
    {EHOSTUNREACH, status::wsa_ehostunreach},        // 0x2751
};

// getaddrinfo/getnameinfo result -> Windows Sockets code.
constexpr code_row lookup_rows[] = {
    {EAI_NONAME, status::wsa_host_not_found},     // 0x2af9
    {EAI_AGAIN, status::wsa_try_again},           // 0x2afa
    {EAI_FAIL, status::wsa_no_recovery},          // 0x2afb
    {EAI_NODATA, status::wsa_no_data},            // 0x2afc
    {EAI_ADDRFAMILY, status::wsa_no_data},        // 0x2afc
    {EAI_SERVICE, status::wsa_type_not_found},    // 0x277d
    {EAI_FAMILY, status::wsa_eafnosupport},       // 0x273f
    {EAI_SOCKTYPE, status::wsa_esocktnosupport},  // 0x273c
    {EAI_BADFLAGS, status::wsa_einval},           // 0x2726
    {EAI_OVERFLOW, status::wsa_efault},           // 0x271e
    {EAI_MEMORY, status::wsa_not_enough_memory},  // 0x0008
};

struct flag_row {
    std::int32_t windows;
    int native;
};

constexpr flag_row lookup_flag_rows[] = {
    {sockets::lookup_no_fqdn, NI_NOFQDN},               // 0x01
    {sockets::lookup_numeric_host, NI_NUMERICHOST},     // 0x02
    {sockets::lookup_name_required, NI_NAMEREQD},       // 0x04
    {sockets::lookup_numeric_service, NI_NUMERICSERV},  // 0x08
    {sockets::lookup_datagram, NI_DGRAM},               // 0x10
};

struct option_row {
    std::int32_t level;
    std::int32_t name;
    native_option native;
};

constexpr option_row option_rows[] = {
    {sockets::level_socket, sockets::option_receive_timeout, {true, SOL_SOCKET, SO_RCVTIMEO, true}},
    {sockets::level_socket, sockets::option_send_timeout, {true, SOL_SOCKET, SO_SNDTIMEO, true}},
    {sockets::level_socket, sockets::option_keep_alive, {true, SOL_SOCKET, SO_KEEPALIVE, false}},
    {sockets::level_socket, sockets::option_send_buffer, {true, SOL_SOCKET, SO_SNDBUF, false}},
    {sockets::level_socket, sockets::option_receive_buffer, {true, SOL_SOCKET, SO_RCVBUF, false}},
    {sockets::level_tcp, sockets::option_no_delay, {true, IPPROTO_TCP, TCP_NODELAY, false}},
};

template <std::size_t N>
status::code look_up(const code_row (&rows)[N], int native) {
    for (const code_row& row : rows) {
        if (row.native == native) {
            return row.windows;
        }
    }
    return native;
}

}  // namespace

status::code translate_errno(int error) {
    return look_up(errno_rows, error);
}

status::code translate_lookup_error(int error, int system_error) {
    if (error == 0) {
        return status::success;
    }
    if (error == EAI_SYSTEM) {
        return translate_errno(system_error);
    }
    return look_up(lookup_rows, error);
}

int translate_lookup_flags(std::int32_t flags) {
    int native = 0;
    for (const flag_row& row : lookup_flag_rows) {
        if ((flags & row.windows) != 0) {
            native |= row.native;
        }
    }
    return native;
}

native_option translate_option(std::int32_t level, std::int32_t name) {
    for (const option_row& row : option_rows) {
        if (row.level == level && row.name == name) {
            return row.native;
        }
    }
    return {};
}

}  // namespace platform::posix
