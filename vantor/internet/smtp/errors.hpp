#pragma once

#include "vantor/exception.hpp"

namespace vantor::internet::smtp {

// SMTP errors: malformed replies (generic), 4xx and 5xx replies, and
// transport failures that the delivery turns into SMTP errors.
using generic             = error<vantor::exception, "smtp">;
using temporary_failure   = error<generic, "temporary_failure">;
using permanent_failure   = error<generic, "permanent_failure">;
using unreliable_delivery = error<generic, "unreliable_delivery">;

}  // namespace vantor::internet::smtp
