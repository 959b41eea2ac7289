#pragma once

#include <optional>
#include <string>

namespace test_support {

// The version of Wine ("8.0") when the test runs under Wine; nothing on
// Linux and on a real Windows. Tests of something that Wine lacks but
// Windows has skip under Wine and say why:
//     if (const auto wine = test_support::wine_version()) {
//         GTEST_SKIP() << "Wine " << *wine << " knows no code page 50220";
//     }
std::optional<std::string> wine_version();

}  // namespace test_support
