#pragma once

#include <cstdint>

// Failure codes cross the platform interface in the Windows code space, so
// that the library maps each code to an error class once. Every backend
// translates its native codes into these values; a native code without a
// counterpart passes through with its own value.
namespace platform::status {

using code = std::int32_t;

constexpr code success = 0;

// System error codes (GetLastError).
constexpr code insufficient_buffer = 122;      // ERROR_INSUFFICIENT_BUFFER
constexpr code invalid_flags = 1004;           // ERROR_INVALID_FLAGS
constexpr code invalid_parameter = 87;         // ERROR_INVALID_PARAMETER
constexpr code no_unicode_translation = 1113;  // ERROR_NO_UNICODE_TRANSLATION

// Windows Sockets codes (WSAGetLastError, WSAStartup, getaddrinfo).
constexpr code wsa_eintr = 10004;
constexpr code wsa_enotsock = 10038;
constexpr code wsa_eaddrinuse = 10048;
constexpr code wsa_eaddrnotavail = 10049;
constexpr code wsa_enetdown = 10050;
constexpr code wsa_enetunreach = 10051;
constexpr code wsa_enetreset = 10052;
constexpr code wsa_econnaborted = 10053;
constexpr code wsa_econnreset = 10054;
constexpr code wsa_enotconn = 10057;
constexpr code wsa_eshutdown = 10058;
constexpr code wsa_etimedout = 10060;
constexpr code wsa_econnrefused = 10061;
constexpr code wsa_ehostunreach = 10065;
constexpr code wsa_sysnotready = 10091;
constexpr code wsa_vernotsupported = 10092;
constexpr code wsa_notinitialised = 10093;
constexpr code wsa_type_not_found = 10109;
constexpr code wsa_host_not_found = 11001;
constexpr code wsa_no_data = 11004;

// Further Windows Sockets codes that the socket backends report.
constexpr code wsa_not_enough_memory = 8;
constexpr code wsa_eacces = 10013;
constexpr code wsa_efault = 10014;
constexpr code wsa_einval = 10022;
constexpr code wsa_emfile = 10024;
constexpr code wsa_einprogress = 10036;
constexpr code wsa_ealready = 10037;
constexpr code wsa_edestaddrreq = 10039;
constexpr code wsa_emsgsize = 10040;
constexpr code wsa_eprototype = 10041;
constexpr code wsa_enoprotoopt = 10042;
constexpr code wsa_eprotonosupport = 10043;
constexpr code wsa_esocktnosupport = 10044;
constexpr code wsa_eopnotsupp = 10045;
constexpr code wsa_eafnosupport = 10047;
constexpr code wsa_enobufs = 10055;
constexpr code wsa_eisconn = 10056;
constexpr code wsa_ehostdown = 10064;
constexpr code wsa_try_again = 11002;
constexpr code wsa_no_recovery = 11003;

}  // namespace platform::status
