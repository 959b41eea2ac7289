#pragma once

#include "vantor/exception.hpp"

namespace vantor::internet::address {

// Address and name resolution errors.
// clang-format off
using generic                = error<vantor::exception, "internet.address">;
using invalid_address_format = error<generic, "invalid_address_format">;
using host_not_found         = error<generic, "host_not_found">;
using service_not_found      = error<generic, "service_not_found">;
// clang-format on

}  // namespace vantor::internet::address
