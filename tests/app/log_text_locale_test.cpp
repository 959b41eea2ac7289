// The log analysis's writer with the system ANSI code page of a locale
// that the test chooses: on Linux the library picks code page 0 from the
// locale of the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/log_markers.hpp"
#include "app/log_text.hpp"

namespace {

// The program's writer with the system ANSI code page of a chosen locale.
class system_ansi : public testing::Test {
protected:
    void use_locale(const char* name) { setenv("LC_ALL", name, 1); }
    void TearDown() override {
        if (saved_) {
            setenv("LC_ALL", saved_->c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

private:
    std::optional<std::string> saved_ =
        std::getenv("LC_ALL") ? std::optional<std::string>(std::getenv("LC_ALL")) : std::nullopt;
};

const std::u16string marked_log = u"\uFEFFdialog SetupError x1603. \u4E2D ProductVersion = 1.2\n";

TEST_F(system_ansi, mark_and_unmappable_characters_become_the_default_character) {
    use_locale("C");  // code page 1252
    const app::zeroed_text analysis =
        app::wide_analysis_text(marked_log, 2 * marked_log.size(), app::write_system_ansi);
    const std::string_view text = analysis;
    ASSERT_EQ(text.size(), 2 * marked_log.size());
    EXPECT_EQ(text.substr(0, marked_log.size()),
              "?dialog SetupError x1603. ? ProductVersion = 1.2\n");
    EXPECT_EQ(text.find_first_not_of('\0', marked_log.size()), std::string::npos);
    EXPECT_EQ(app::parse_error_number(text), 1603);
    EXPECT_EQ(app::parse_product_version(text), 12);
}

TEST_F(system_ansi, conversion_out_of_room_keeps_what_it_wrote) {
    use_locale("C.UTF-8");  // code page 65001: the mark and the ideograph take 3 bytes each
    const app::zeroed_text analysis =
        app::wide_analysis_text(marked_log, 2 * marked_log.size(), app::write_system_ansi);
    const std::string_view text = analysis;
    ASSERT_EQ(text.size(), 2 * marked_log.size());
    // Room for one byte a unit: the last 4 bytes ("1.2\n") do not fit.
    EXPECT_EQ(text.substr(0, marked_log.size()),
              "\xEF\xBB\xBF"
              "dialog SetupError x1603. \xE4\xB8\xAD ProductVersion = ");
    EXPECT_EQ(text.find_first_not_of('\0', marked_log.size()), std::string::npos);
    EXPECT_EQ(app::parse_error_number(text), 1603);
    EXPECT_EQ(app::parse_product_version(text), 0);
}

}  // namespace
