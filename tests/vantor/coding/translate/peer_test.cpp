// The transfer codings against Python's base64, binascii and quopri.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/peer/python.hpp"
#include "vantor/coding/translate/codings.hpp"
#include "vantor/strings.hpp"

namespace {

using namespace vantor::coding::translate;

const std::string script = PEER_CODINGS_SCRIPT;

struct peer_case {
    std::string data;
    std::string base64;
    std::string base64_lines;
    std::string hex;
    std::string quoted_printable;
};

std::vector<peer_case> cases_from_python() {
    std::vector<peer_case> cases;
    for (const auto& line : peer::lines_of(peer::run_python(script, {"cases", "1603"}))) {
        auto fields = vantor::split(line, "\t");
        if (fields.size() != 5) {
            ADD_FAILURE() << "bad line from the peer: " << line;
            continue;
        }
        vantor::replace_all(fields[2], "\\n", "\n");
        cases.push_back({peer::from_hex(fields[0]), fields[1], fields[2], fields[3], fields[4]});
    }
    return cases;
}

// Python runs once for the whole suite.
const std::vector<peer_case>& cases() {
    static const std::vector<peer_case> all = cases_from_python();
    return all;
}

TEST(peer_codings, base64_matches) {
    ASSERT_GT(cases().size(), 80u);
    for (const auto& c : cases()) {
        EXPECT_EQ(encode_base64(c.data), c.base64) << c.data.size();
        EXPECT_EQ(decode_base64(c.base64), c.data) << c.data.size();
        EXPECT_EQ(decode_base64(c.base64_lines), c.data) << c.data.size();
    }
}

TEST(peer_codings, hex_matches) {
    for (const auto& c : cases()) {
        EXPECT_EQ(encode_hex(c.data), c.hex) << c.data.size();
        EXPECT_EQ(decode_hex(vantor::to_lower(c.hex)), c.data) << c.data.size();
        std::string upper = c.hex;
        for (auto& ch : upper) {
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
        EXPECT_EQ(decode_hex(upper), c.data) << c.data.size();
    }
}

// Python's encoder escapes fewer bytes, so its text is decoded here, and
// ours is decoded by Python.
TEST(peer_codings, quoted_printable_is_read_by_both) {
    for (const auto& c : cases()) {
        EXPECT_EQ(decode_quoted_printable(c.quoted_printable), c.data) << c.data.size();
    }
    const std::string file = ::testing::TempDir() + "vantor_quoted_printable.txt";
    {
        std::ofstream out(file, std::ios::binary);
        for (const auto& c : cases()) {
            out << encode_quoted_printable(c.data) << '\n';
        }
    }
    const auto decoded = peer::lines_of(peer::run_python(script, {"decode-qp", file}));
    std::remove(file.c_str());
    ASSERT_EQ(decoded.size(), cases().size());
    for (std::size_t i = 0; i < cases().size(); ++i) {
        EXPECT_EQ(peer::from_hex(decoded[i]), cases()[i].data) << cases()[i].data.size();
    }
}

}  // namespace
