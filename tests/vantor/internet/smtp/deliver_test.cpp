#include "vantor/internet/smtp/deliver.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/vantor/internet/loopback_peer.hpp"
#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/scope.hpp"
#include "vantor/internet/smtp/errors.hpp"
#include "vantor/internet/transport/errors.hpp"
#include "vantor/internet/transport/tcp/base.hpp"

namespace {

namespace smtp = vantor::internet::smtp;
using namespace test_support;
using namespace std::chrono_literals;
using script = std::vector<peer_step>;
using lines = vantor::internet::mail_lines;

const std::string recipient = "support@example.com";

// What the client sends before the message lines and after them.
const std::string envelope =
    "EHLO installer\r\nRSET\r\nMAIL FROM: <>\r\nRCPT TO: <support@example.com>\r\nDATA\r\n";
const std::string closing = ".\r\nQUIT\r\n";

// A server that answers steps from to to (inclusive) as it should; the
// steps are numbered greeting 0, EHLO 1, RSET 2, MAIL 3, RCPT 4, DATA 5, end
// of data 6, QUIT 7.
script good_steps(int from, int to) {
    const script steps[] = {
        {send("220-relay.example ESMTP\r\n220 ready\r\n")},
        {await_line(), send("250-relay.example\r\n250-SIZE 10240000\r\n250 8BITMIME\r\n")},
        {await_line(), send("250 flushed\r\n")},
        {await_line(), send("250 sender ok\r\n")},
        {await_line(), send("250 recipient ok\r\n")},
        {await_line(), send("354 end with <CRLF>.<CRLF>\r\n")},
        {await_data_end(), send("250 queued\r\n")},
        {await_line(), send("221 bye\r\n")},
    };
    script result;
    for (int step = from; step <= to; ++step) {
        result.insert(result.end(), steps[step].begin(), steps[step].end());
    }
    return result;
}

script good_server() {
    return good_steps(0, 7);
}
script good_server_from(int from) {
    return good_steps(from, 7);
}
script good_server_until(int to) {
    return good_steps(0, to);
}

script operator+(script first, const script& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class deliver : public ::testing::Test {
protected:
    // Delivers to the peer; returns the error that left deliver, if any.
    std::optional<std::string> run(loopback_peer& peer,
                                   const lines& message = {"Subject: x", "", "body"}) {
        const vantor::internet::address::ip4 server("127.0.0.1", peer.port());
        try {
            smtp::deliver("installer", server, recipient, "", message);
        } catch (const vantor::exception& error) {
            return std::string(error.what());
        }
        return std::nullopt;
    }

    vantor::internet::environment::scope scope_;
};

TEST_F(deliver, success_byte_for_byte) {
    loopback_peer peer(good_server());
    EXPECT_EQ(run(peer), std::nullopt);
    EXPECT_EQ(peer.received(), envelope + "Subject: x\r\n\r\nbody\r\n" + closing);
}

TEST_F(deliver, dot_led_dot_only_and_empty_lines) {
    loopback_peer peer(good_server());
    EXPECT_EQ(run(peer, {".", "..", ".x", "", " .y", "a.b", "."}), std::nullopt);
    EXPECT_EQ(peer.received(), envelope + "..\r\n...\r\n..x\r\n\r\n .y\r\na.b\r\n..\r\n" + closing);
}

TEST_F(deliver, no_lines_end_the_data_at_once) {
    loopback_peer peer(good_server());
    EXPECT_EQ(run(peer, {}), std::nullopt);
    EXPECT_EQ(peer.received(), envelope + closing);
}

TEST_F(deliver, many_lines_arrive_unchanged) {
    lines message;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        message.push_back(i % 7 == 0 ? "." + std::to_string(i) : std::string(i % 90, 'a' + i % 26));
        expected += (i % 7 == 0 ? ".." + std::to_string(i) : std::string(message.back())) + "\r\n";
    }
    loopback_peer peer(good_server());
    EXPECT_EQ(run(peer, message), std::nullopt);
    EXPECT_EQ(peer.received(), envelope + expected + closing);
}

TEST_F(deliver, helo_follows_a_5xx_reply_to_ehlo) {
    loopback_peer peer(script{send("220 ready\r\n"), await_line(), send("502 not here\r\n"),
                              await_line(), send("250 hello\r\n")} +
                       good_server_from(2));
    EXPECT_EQ(run(peer), std::nullopt);
    EXPECT_EQ(peer.received().substr(0, 32), "EHLO installer\r\nHELO installer\r\n");
}

TEST_F(deliver, a_4xx_reply_to_ehlo_gets_no_helo) {
    loopback_peer peer(script{send("220 ready\r\n"), await_line(), send("421 busy\r\n")});
    EXPECT_EQ(run(peer), "smtp.temporary_failure[421 busy]");
    EXPECT_EQ(peer.received(), "EHLO installer\r\n");
}

TEST_F(deliver, a_5xx_reply_to_helo_ends_the_delivery) {
    loopback_peer peer(script{send("220 ready\r\n"), await_line(), send("500 what\r\n"),
                              await_line(), send("554 go away\r\n")});
    EXPECT_EQ(run(peer), "smtp.permanent_failure[554 go away]");
    EXPECT_EQ(peer.received(), "EHLO installer\r\nHELO installer\r\n");
}

TEST_F(deliver, greeting_failure) {
    loopback_peer peer(script{send("554 no service\r\n")});
    EXPECT_EQ(run(peer), "smtp.permanent_failure[554 no service]");
    EXPECT_EQ(peer.received(), "");
}

TEST_F(deliver, other_replies_before_354_are_skipped) {
    loopback_peer peer(
        good_server_until(4) +
        script{await_line(), send("250 hmm\r\n"), pause(20ms), send("150 wait\r\n354 go\r\n")} +
        good_server_from(6));
    EXPECT_EQ(run(peer), std::nullopt);
    EXPECT_EQ(peer.received(), envelope + "Subject: x\r\n\r\nbody\r\n" + closing);
}

TEST_F(deliver, any_reply_but_4xx_and_5xx_counts_as_success) {
    loopback_peer peer(script{send("220 ready\r\n"), await_line(), send("250 ok\r\n"), await_line(),
                              send("abc flushed\r\n"), await_line(), send("199\r\n"), await_line(),
                              send("3xx sure\r\n"), await_line(), send("354 go\r\n"),
                              await_data_end(), send("x0y\r\n"), await_line(),
                              send("000 bye\r\n")});
    EXPECT_EQ(run(peer), std::nullopt);
}

TEST_F(deliver, a_550_reply_to_rcpt_sends_nothing_more) {
    loopback_peer peer(good_server_until(3) +
                       script{await_line(), send("550 5.1.1 no such user\r\n")});
    EXPECT_EQ(run(peer), "smtp.permanent_failure[550 5.1.1 no such user]");
    EXPECT_EQ(peer.received(),
              "EHLO installer\r\nRSET\r\nMAIL FROM: <>\r\nRCPT TO: <support@example.com>\r\n");
}

TEST_F(deliver, malformed_replies_pass_as_smtp_errors) {
    {
        loopback_peer peer(script{send("220-a\r\n220+b\r\n")});
        EXPECT_EQ(run(peer), "smtp[Invalid character: 220+b]");
    }
    {
        loopback_peer peer(good_server_until(2) + script{await_line(), send("25\r\n")});
        EXPECT_EQ(run(peer), "smtp[Bad response: 25]");
    }
}

TEST_F(deliver, endless_continuation_lines_end_the_delivery) {
    std::string greeting;
    for (int i = 0; i < 1000; ++i) {
        greeting += "220-more\r\n";
    }
    loopback_peer peer(script{send(greeting)});
    EXPECT_EQ(run(peer), "smtp[Excess response: 220-more]");
}

TEST_F(deliver, a_reply_line_that_never_ends_is_cut_off) {
    using vantor::internet::transport::tcp::base;
    loopback_peer peer(script{send(std::string(base::line_limit + 1, '2'))});
    EXPECT_EQ(run(peer), "internet.transport[Line too long]");
    loopback_peer later(good_server_until(3) +
                        script{await_line(), send(std::string(base::line_limit + 1, '2'))});
    EXPECT_EQ(run(later), "smtp.temporary_failure[Line too long]");
}

TEST_F(deliver, refused_connection_leaves_unchanged) {
    const refusing_port port;
    const vantor::internet::address::ip4 server("127.0.0.1", port.port());
    try {
        smtp::deliver("installer", server, recipient, "", {});
        FAIL() << "delivered to nobody";
    } catch (const vantor::internet::transport::tcp::base::connection_refused& error) {
        EXPECT_STREQ(error.message(), "connect() failed");
    }
}

TEST_F(deliver, closing_before_the_greeting_is_a_transport_error) {
    loopback_peer peer(script{close_connection()});
    EXPECT_EQ(run(peer), "internet.transport.connection_failed.connection_closed[recv() failed]");
}

TEST_F(deliver, closing_in_the_transaction_is_a_temporary_failure) {
    loopback_peer peer(good_server_until(2) + script{await_line(), close_connection()});
    EXPECT_EQ(run(peer), "smtp.temporary_failure[recv() failed]");
}

TEST_F(deliver, dropping_before_the_quit_reply_is_unreliable_delivery) {
    loopback_peer peer(good_server_until(6) + script{await_line(), close_connection()});
    EXPECT_EQ(run(peer), "smtp.unreliable_delivery[recv() failed]");
    EXPECT_EQ(peer.received(), envelope + "Subject: x\r\n\r\nbody\r\n" + closing);
}

TEST_F(deliver, a_4xx_reply_to_quit_is_a_temporary_failure) {
    loopback_peer peer(good_server_until(6) + script{await_line(), send("421 later\r\n")});
    EXPECT_EQ(run(peer), "smtp.temporary_failure[421 later]");
}

TEST_F(deliver, a_reset_during_data_is_a_temporary_failure) {
    lines message;
    for (int i = 0; i < 20000; ++i) {
        message.push_back(std::string(70, 'm'));
    }
    loopback_peer peer(good_server_until(5) + script{await_line(), reset_connection()});
    const std::optional<std::string> error = run(peer, message);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(*error == "smtp.temporary_failure[send() failed]" ||
                *error == "smtp.temporary_failure[recv() failed]")
        << *error;
}

// The receive time-out is fixed at 30 seconds; this test waits that long.
TEST_F(deliver, silence_after_data_times_out_as_temporary_failure) {
    loopback_peer peer(good_server_until(4) + script{await_line()});
    EXPECT_EQ(run(peer), "smtp.temporary_failure[recv() failed]");
}

}  // namespace
