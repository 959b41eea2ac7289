#pragma once

#include <string>
#include <vector>

namespace peer {

// Runs /usr/bin/python3 with the script and arguments and returns what it
// wrote to standard output. Throws std::runtime_error when it cannot be
// started or does not end with status 0.
std::string run_python(const std::string& script, const std::vector<std::string>& arguments);

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

// Bytes of a text of hex digit pairs.
std::string from_hex(const std::string& hex);

}  // namespace peer
