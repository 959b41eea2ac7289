#include "app/log_markers.hpp"

#include <string>

#include "vantor/variant/variant.hpp"

namespace app {

namespace {

constexpr std::string_view download_path = "web/";
constexpr std::string_view download_path_end = "/";
constexpr std::string_view version_line = "ProductVersion = ";
constexpr std::string_view version_line_end = "\n";
constexpr std::string_view version_dot = ".";
constexpr std::string_view error_dialog = "dialog SetupError";
constexpr std::string_view error_number_end = ".";

// The error number ends at a dot found past the marker and one more byte.
constexpr std::size_t error_search_skip = error_dialog.size() + 1;
constexpr std::size_t error_number_width = 4;

constexpr auto npos = std::string_view::npos;

// The first occurrence of marker at or after start; npos also when start
// lies at or beyond the end of the text.
std::size_t find_from(std::string_view text, std::string_view marker, std::size_t start) {
    return start >= text.size() ? npos : text.find(marker, start);
}

// The text from start up to the next end marker, or to the end of the text.
std::string_view piece_until(std::string_view text, std::size_t start, std::string_view end) {
    const std::size_t stop = find_from(text, end, start);
    return text.substr(start, stop == npos ? npos : stop - start);
}

std::int32_t decimal_value(std::string_view text) {
    return vantor::variant(text).as_integer();
}

}  // namespace

std::int32_t parse_product_version(std::string_view analysis_text) {
    if (const std::size_t c = analysis_text.find(download_path); c != npos) {
        return decimal_value(
            piece_until(analysis_text, c + download_path.size(), download_path_end));
    }
    const std::size_t p = analysis_text.find(version_line);
    if (p == npos) {
        return 0;
    }
    std::string version(piece_until(analysis_text, p + version_line.size(), version_line_end));
    for (int removed = 0; removed < 2; ++removed) {
        if (const std::size_t dot = version.find(version_dot); dot != std::string::npos) {
            version.erase(dot, version_dot.size());
        }
    }
    return decimal_value(version);
}

std::int32_t parse_error_number(std::string_view analysis_text) {
    const std::size_t marker = analysis_text.find(error_dialog);
    if (marker == npos) {
        return 0;
    }
    const std::size_t dot = find_from(analysis_text, error_number_end, marker + error_search_skip);
    if (dot == npos) {
        return 0;
    }
    // dot lies at least error_search_skip bytes past the marker's start, so
    // the 4 bytes before it are inside the text.
    return decimal_value(analysis_text.substr(dot - error_number_width, error_number_width));
}

}  // namespace app
