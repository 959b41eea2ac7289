#pragma once

#include "vantor/exception.hpp"

namespace vantor::unicode {

// Text conversion errors. They always carry an empty message.
// clang-format off
using generic              = error<vantor::exception, "unicode">;
using out_of_memory        = error<generic, "out_of_memory">;
using invalid_codepage     = error<generic, "invalid_codepage">;
using unmappable_character = error<generic, "unmappable_character">;
// clang-format on

}  // namespace vantor::unicode
