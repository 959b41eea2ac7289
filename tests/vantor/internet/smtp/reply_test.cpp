#include "vantor/internet/smtp/reply.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/vantor/internet/loopback_peer.hpp"
#include "vantor/format.hpp"
#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/smtp/errors.hpp"
#include "vantor/internet/transport/tcp/raw.hpp"

namespace {

namespace smtp = vantor::internet::smtp;
using texts = std::vector<std::string>;

struct reply_case {
    const char* name;
    std::string received;  // what the server sends
    int code;              // returned code, when no error is expected
    texts expected_texts;
    const char* error_path;  // code path of the expected error, or nullptr
    std::string error_message;
};

std::string continuation_lines(int count) {
    std::string lines;
    for (int i = 1; i <= count; ++i) {
        lines += vantor::format("250-line %i\r\n", i);
    }
    return lines;
}

texts numbered_texts(int count) {
    texts result;
    for (int i = 1; i <= count; ++i) {
        result.push_back(vantor::format("line %i", i));
    }
    return result;
}

texts with(texts list, const std::string& last) {
    list.push_back(last);
    return list;
}

constexpr const char* generic = "smtp";
constexpr const char* temporary = "smtp.temporary_failure";
constexpr const char* permanent = "smtp.permanent_failure";

const reply_case reply_cases[] = {
    {"code_alone", "250\r\n", 250, {}, nullptr, ""},
    {"code_and_blank", "250 \r\n", 250, {""}, nullptr, ""},
    {"two_lines", "250-first\r\n250 last\r\n", 250, {"first", "last"}, nullptr, ""},
    {"permanent_after_continuation", "250-a\r\n550 b\r\n", 0, {}, permanent, "550 b"},
    {"continuation_code_not_compared", "450-x\r\n250 y\r\n", 250, {"x", "y"}, nullptr, ""},
    {"too_short", "25\r\n", 0, {}, generic, "Bad response: 25"},
    {"empty_line", "\r\n", 0, {}, generic, "Bad response: "},
    {"four_alone", "4\r\n", 0, {}, generic, "Bad response: 4"},
    {"wrong_separator", "250+ok\r\n", 0, {}, generic, "Invalid character: 250+ok"},
    {"temporary_code_alone", "421\r\n", 0, {}, temporary, "421"},
    {"temporary_with_text", "421 closing\r\n", 0, {}, temporary, "421 closing"},
    {"non_digit_code", "2x0 ok\r\n", 2, {"ok"}, nullptr, ""},
    {"letters_code", "abc ok\r\n", 0, {"ok"}, nullptr, ""},
    {"go_ahead", "354 go on\r\n", 354, {"go on"}, nullptr, ""},
    {"lf_line_ends", "220-x\n220 y\n", 220, {"x", "y"}, nullptr, ""},
    {"most_continuation_lines", continuation_lines(128) + "250 ok\r\n", 250,
     with(numbered_texts(128), "ok"), nullptr, ""},
    {"excess_continuation_lines",
     continuation_lines(129) + "250 ok\r\n",
     0,
     {},
     generic,
     "Excess response: 250-line 129"},
    {"wrong_separator_beats_excess",
     continuation_lines(128) + "250+x\r\n",
     0,
     {},
     generic,
     "Invalid character: 250+x"},
};

class read_reply : public ::testing::TestWithParam<reply_case> {
protected:
    vantor::internet::environment::scope scope_;
};

TEST_P(read_reply, reads_one_reply) {
    const reply_case& entry = GetParam();
    test_support::loopback_peer peer({test_support::send(entry.received + "next\r\n")});
    const vantor::internet::address::ip4 address("127.0.0.1", peer.port());
    vantor::internet::transport::tcp::raw transport;
    transport.open(address);
    transport.connect_to(address);
    texts collected{"stale"};
    try {
        const int code = smtp::read_reply(transport, collected);
        ASSERT_EQ(entry.error_path, nullptr) << "returned " << code;
        EXPECT_EQ(code, entry.code);
        EXPECT_EQ(collected, entry.expected_texts);
    } catch (const smtp::generic& error) {
        ASSERT_NE(entry.error_path, nullptr) << error.what();
        EXPECT_STREQ(error.code_path(), entry.error_path);
        EXPECT_EQ(error.message(), entry.error_message);
    }
    // Whatever followed the reply stays for the next read.
    if (entry.error_path == nullptr) {
        std::string line;
        transport.read_line(line);
        EXPECT_EQ(line, "next");
    }
}

INSTANTIATE_TEST_SUITE_P(smtp, read_reply, ::testing::ValuesIn(reply_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
