#include "vantor/unicode/registry.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "vantor/strings.hpp"
#include "vantor/unicode/alias_table.hpp"
#include "vantor/variant/variant.hpp"

namespace vantor::unicode {

namespace {

struct prefix_rule {
    std::string_view prefix;
    codepage base;  // the result is base + the number after the prefix
};

// Numbered charset families, each list tried in order; the first prefix
// that matches decides.
constexpr std::array<prefix_rule, 7> prefix_rules{{
    {"iso8859", 28590},
    {"latin", 28590},
    {"csisolatin", 28590},
    {"windows", 0},
    {"dos", 0},
    {"ibm", 0},
    {"cp", 0},
}};

std::string normalise(std::string_view name) {
    std::string normalised = to_lower(name);
    replace_all(normalised, "-", "");
    replace_all(normalised, "_", "");
    return normalised;
}

}  // namespace

codepage codepage_by_name(std::string_view name) {
    const std::string key = normalise(name);

    const auto& table = detail::sorted_aliases;
    const auto found = std::lower_bound(
        table.begin(), table.end(), key,
        [](const detail::alias& entry, std::string_view k) { return entry.name < k; });
    if (found != table.end() && found->name == key) {
        return found->page;
    }

    for (const auto& rule : prefix_rules) {
        if (starts_with(rule.prefix, key)) {
            const std::string_view rest = std::string_view(key).substr(rule.prefix.size());
            // Wraps instead of overflowing for numbers near the 32-bit limit;
            // such a page is unknown to the system either way.
            const auto number = static_cast<std::uint32_t>(variant(rest).as_integer());
            return static_cast<codepage>(static_cast<std::uint32_t>(rule.base) + number);
        }
    }
    return identity_codepage;
}

}  // namespace vantor::unicode
