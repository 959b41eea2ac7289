#pragma once

#include "vantor/exception.hpp"

namespace vantor::internet::environment {

// Socket subsystem errors: start-up, clean-up, and the subsystem state that
// transport calls and name resolution report.
// clang-format off
using generic               = error<vantor::exception, "internet.environment">;
using subsystem_not_ready   = error<generic, "subsystem_not_ready">;
using version_not_supported = error<generic, "version_not_supported">;
using subsystem_failed      = error<generic, "subsystem_failed">;
// clang-format on

}  // namespace vantor::internet::environment
