#include "vantor/format.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <string>

#include "vantor/exception.hpp"

namespace {

TEST(format, status_codes_and_hex_bytes) {
    EXPECT_EQ(vantor::format("connect() returned status 0x%.8x", 10061),
              "connect() returned status 0x0000274d");
    EXPECT_EQ(vantor::format("Invalid Codeword 0x%.2X", 0xab), "Invalid Codeword 0xAB");
    EXPECT_EQ(vantor::format("Invalid Codeword 0x%.2X", 0x7), "Invalid Codeword 0x07");
    EXPECT_EQ(vantor::format("  OS:%i.%i  ExitCode:%i", 5, 1, -1), "  OS:5.1  ExitCode:-1");
    EXPECT_EQ(vantor::format("%s", ""), "");
}

TEST(format, output_around_and_beyond_the_first_buffer) {
    for (const std::size_t length : {1023u, 1024u, 1025u, 4095u, 4096u, 4097u, 100000u}) {
        const std::string text(length, 'x');
        const std::string result = vantor::format("<%s>", text.c_str());
        ASSERT_EQ(result.size(), length + 2) << length;
        EXPECT_EQ(result, "<" + text + ">") << length;
    }
}

TEST(format, keeps_embedded_text_exactly) {
    const std::string text(5000, 'a');
    EXPECT_EQ(vantor::format("%s|%i|%s", text.c_str(), 42, "end"), text + "|42|end");
}

TEST(format, encoding_error_raises_instead_of_growing) {
    // The C locale cannot write U+20AC: glibc's C locale is ASCII, the
    // Windows C locale maps only 0 to 255 one to one. Either way the text
    // must not come back cut short at that character.
    std::setlocale(LC_CTYPE, "C");
    const wchar_t unencodable[] = {L'a', static_cast<wchar_t>(0x20AC), L'b', 0};
    EXPECT_THROW(vantor::format("<%ls>", unencodable), vantor::exception);
}

}  // namespace
