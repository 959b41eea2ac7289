#pragma once

#include "vantor/exception.hpp"

namespace vantor::internet::smtp {

// SMTP errors: malformed replies (generic), 4xx and 5xx replies, and
// transport failures that the delivery turns into SMTP errors.
// clang-format off
using generic             = error<vantor::exception, "smtp">;
using temporary_failure   = error<generic, "temporary_failure">;
using permanent_failure   = error<generic, "permanent_failure">;
using unreliable_delivery = error<generic, "unreliable_delivery">;
// clang-format on

}  // namespace vantor::internet::smtp
