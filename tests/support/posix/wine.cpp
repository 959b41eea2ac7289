#include "tests/support/wine.hpp"

namespace test_support {

std::optional<std::string> wine_version() {
    return std::nullopt;
}

}  // namespace test_support
