#pragma once

#include "vantor/exception.hpp"

namespace vantor::coding::translate {

// Transfer coding errors. generic is only the family's root.
using generic          = error<vantor::exception, "translate">;
using invalid_codeword = error<generic, "invalid_codeword">;

}  // namespace vantor::coding::translate
