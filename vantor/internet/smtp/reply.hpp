#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vantor/internet/transport/tcp/base.hpp"

namespace vantor::internet::smtp {

// The most continuation lines a reply may have.
constexpr std::size_t continuation_limit = 128;

// Reads one reply of an SMTP server: empties texts, appends the text of
// every line (from its fifth character on), and returns the code of the
// final line. A malformed reply raises smtp::generic with "Bad response: ",
// "Invalid character: " or "Excess response: " and the line; a final line
// starting with '4' or '5' raises temporary_failure or permanent_failure
// with the whole line. Transport errors pass through.
std::int32_t read_reply(transport::tcp::base& transport, std::vector<std::string>& texts);

}  // namespace vantor::internet::smtp
