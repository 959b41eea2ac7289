#pragma once

#include <optional>
#include <string>

namespace test_support {

// The version of Wine ("8.0") when the test runs under Wine; nothing on
// Linux and on a real Windows.
std::optional<std::string> wine_version();

// Under Wine, the reason to skip a test of something that Wine lacks but
// Windows has ("Wine 8.0 has no code page 50220"); nothing elsewhere:
//     if (const auto why = test_support::lacked_by_wine("code page 50220")) {
//         GTEST_SKIP() << *why;
//     }
inline std::optional<std::string> lacked_by_wine(const std::string& what) {
    if (const auto wine = wine_version()) {
        return "Wine " + *wine + " has no " + what;
    }
    return std::nullopt;
}

}  // namespace test_support
