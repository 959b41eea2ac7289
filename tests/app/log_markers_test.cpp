#include "app/log_markers.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace std::string_literals;

struct marker_case {
    std::string text;
    std::int32_t expected;
};

TEST(log_markers, product_version) {
    const marker_case cases[] = {
        {"ProductVersion = 6.2.8\nmore", 628},
        {"ProductVersion = 1.2.3.4\n", 123},  // the third dot ends the digits
        {"x http://host/web/812/setup.exe y", 812},
        {"ProductVersion = 6.2.8", 628},      // no line feed: read to the end
        {"ProductVersion = 6.2.8\r\n", 628},  // the CR ends the digits
        {"ProductVersion =  7\n", 7},         // white space before the number
        {"ProductVersion = -1.5\n", -15},
        {"ProductVersion = abc\n", 0},
        {"ProductVersion = \n", 0},
        {"ProductVersion = ", 0},         // marker at the very end
        {"ProductVersion =6.2.8\n", 0},   // the marker ends in a blank
        {"productversion = 6.2.8\n", 0},  // case-sensitive
        {"web/9", 9},                     // no closing slash: to the end
        {"web/", 0},
        {"web//ProductVersion = 6.2.8\n", 0},  // the download path wins, even with 0
        {"web/x/\nProductVersion = 6.2.8\n", 0},
        {"ProductVersion = 6.2.8\nweb/5/", 5},  // ... wherever it stands
        {"web/99999999999/", 2147483647},
        {"ProductVersion = 6.2.8\nProductVersion = 9\n", 628},  // the first line counts
        {"pre\0fix ProductVersion = 4.0\n"s, 40},               // zero bytes of a wide log's tail
        {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(app::parse_product_version(text), expected) << text;
    }
}

TEST(log_markers, error_number) {
    const marker_case cases[] = {
        {"Action: dialog SetupError: Error 1935. An error occurred", 1935},
        {"dialog SetupError x  27.", 27},  // blanks before the digits are skipped
        {"dialog SetupError x-123.", -123},
        {"dialog SetupError xA123.", 0},      // a letter first: no number
        {"dialog SetupError x12345.", 2345},  // only the 4 bytes before the dot
        {"dialog SetupError 1603", 0},        // no dot
        {"dialog SetupError.", 0},            // the dot is inside the skipped bytes
        {"dialog SetupError", 0},             // marker at the very end
        {"dialog SetupError ", 0},
        {"dialog SetupError x.", 0},  // the 4 bytes before the dot are "or x"
        {"Dialog SetupError x1603.", 0},
        {"a.b. dialog SetupError e 4711. and 1234.", 4711},
        {"dialog SetupError \0  42.\0"s, 42},
        {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(app::parse_error_number(text), expected) << text;
    }
}

}  // namespace
