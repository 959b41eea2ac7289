#pragma once

#include "vantor/exception.hpp"

namespace vantor::coding::translate {

// Transfer coding errors. generic is only the family's root.
// clang-format off
using generic          = error<vantor::exception, "translate">;
using invalid_codeword = error<generic, "invalid_codeword">;
// clang-format on

}  // namespace vantor::coding::translate
