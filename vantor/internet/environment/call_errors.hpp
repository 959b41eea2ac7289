#pragma once

#include "vantor/internet/call_errors.hpp"
#include "vantor/internet/environment/errors.hpp"

namespace vantor::internet::environment {

namespace status = platform::status;

// WSAStartup.
inline constexpr error_row start_rows[] = {
    {status::wsa_sysnotready, raise<subsystem_not_ready>},        // 0x276b
    {status::wsa_vernotsupported, raise<version_not_supported>},  // 0x276c
};
inline constexpr call_errors start_errors{"WSAStartup", start_rows, raise<generic>};

// WSACleanup: a stop without a matching start is tolerated.
inline constexpr error_row stop_rows[] = {
    {status::wsa_enetdown, raise<subsystem_failed>},  // 0x2742
    {status::wsa_notinitialised, nullptr},            // 0x276d
};
inline constexpr call_errors stop_errors{"WSACleanup", stop_rows, raise<generic>};

}  // namespace vantor::internet::environment
