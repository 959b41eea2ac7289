#pragma once

#include "vantor/internet/call_errors.hpp"
#include "vantor/internet/environment/errors.hpp"
#include "vantor/internet/transport/errors.hpp"

namespace vantor::internet::transport {

namespace status = platform::status;
using tcp_errors = tcp::connection_errors;

// socket
inline constexpr error_row socket_rows[] = {
    {status::wsa_enetdown, raise<environment::subsystem_not_ready>},     // 0x2742
    {status::wsa_notinitialised, raise<environment::subsystem_failed>},  // 0x276d
};
inline constexpr call_errors socket_errors{"socket", socket_rows, raise<generic>};

// connect: a time-out while connecting is host_unreachable.
inline constexpr error_row connect_rows[] = {
    {status::wsa_eintr, raise<operation_interrupted>},                   // 0x2714
    {status::wsa_enotsock, raise<not_a_socket>},                         // 0x2736
    {status::wsa_eaddrinuse, raise<address_in_use>},                     // 0x2740
    {status::wsa_eaddrnotavail, raise<address_not_valid>},               // 0x2741
    {status::wsa_enetdown, raise<environment::subsystem_not_ready>},     // 0x2742
    {status::wsa_enetunreach, raise<tcp_errors::network_unreachable>},   // 0x2743
    {status::wsa_etimedout, raise<tcp_errors::host_unreachable>},        // 0x274c
    {status::wsa_econnrefused, raise<tcp_errors::connection_refused>},   // 0x274d
    {status::wsa_ehostunreach, raise<tcp_errors::host_unreachable>},     // 0x2751
    {status::wsa_notinitialised, raise<environment::subsystem_failed>},  // 0x276d
};
inline constexpr call_errors connect_errors{"connect", connect_rows, raise<generic>};

// recv and send share their rows.
inline constexpr error_row stream_rows[] = {
    {status::wsa_eintr, raise<operation_interrupted>},                   // 0x2714
    {status::wsa_enotsock, raise<not_a_socket>},                         // 0x2736
    {status::wsa_enetdown, raise<environment::subsystem_not_ready>},     // 0x2742
    {status::wsa_enetreset, raise<tcp_errors::connection_reset>},        // 0x2744
    {status::wsa_econnaborted, raise<tcp_errors::connection_aborted>},   // 0x2745
    {status::wsa_econnreset, raise<tcp_errors::connection_reset>},       // 0x2746
    {status::wsa_enotconn, raise<tcp_errors::connection_failed>},        // 0x2749
    {status::wsa_eshutdown, raise<tcp_errors::connection_closed>},       // 0x274a
    {status::wsa_etimedout, raise<tcp_errors::connection_timed_out>},    // 0x274c
    {status::wsa_notinitialised, raise<environment::subsystem_failed>},  // 0x276d
};
inline constexpr call_errors recv_errors{"recv", stream_rows, raise<generic>};
inline constexpr call_errors send_errors{"send", stream_rows, raise<generic>};

// closesocket: a handle that is no socket any more is ignored.
inline constexpr error_row closesocket_rows[] = {
    {status::wsa_enotsock, nullptr},                                     // 0x2736
    {status::wsa_enetdown, raise<environment::subsystem_not_ready>},     // 0x2742
    {status::wsa_notinitialised, raise<environment::subsystem_failed>},  // 0x276d
};
inline constexpr call_errors closesocket_errors{"closesocket", closesocket_rows, raise<generic>};

// setsockopt
inline constexpr error_row setsockopt_rows[] = {
    {status::wsa_enotsock, raise<not_a_socket>},                         // 0x2736
    {status::wsa_enetdown, raise<environment::subsystem_not_ready>},     // 0x2742
    {status::wsa_notinitialised, raise<environment::subsystem_failed>},  // 0x276d
};
inline constexpr call_errors setsockopt_errors{"setsockopt", setsockopt_rows, raise<generic>};

}  // namespace vantor::internet::transport
