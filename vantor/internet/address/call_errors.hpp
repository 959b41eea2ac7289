#pragma once

#include "vantor/internet/address/errors.hpp"
#include "vantor/internet/call_errors.hpp"
#include "vantor/internet/environment/errors.hpp"

namespace vantor::internet::address {

namespace status = platform::status;

// getaddrinfo (name resolution).
inline constexpr error_row resolve_rows[] = {
    {status::wsa_notinitialised, raise<environment::subsystem_not_ready>},  // 0x276d
    {status::wsa_type_not_found, raise<service_not_found>},                 // 0x277d
    {status::wsa_host_not_found, raise<host_not_found>},                    // 0x2af9
    {status::wsa_no_data, raise<host_not_found>},                           // 0x2afc
};
inline constexpr call_errors resolve_errors{"GetAddrInfoA", resolve_rows, raise<generic>};

// getnameinfo (reverse lookup).
inline constexpr error_row reverse_lookup_rows[] = {
    {status::wsa_notinitialised, raise<environment::subsystem_not_ready>},  // 0x276d
    {status::wsa_host_not_found, raise<host_not_found>},                    // 0x2af9
    {status::wsa_no_data, raise<host_not_found>},                           // 0x2afc
};
inline constexpr call_errors reverse_lookup_errors{"GetNameInfoA", reverse_lookup_rows,
                                                   raise<generic>};

}  // namespace vantor::internet::address
