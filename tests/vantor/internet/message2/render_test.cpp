#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vantor/coding/translate/errors.hpp"
#include "vantor/internet/message2/line_reader.hpp"
#include "vantor/internet/message2/message.hpp"

namespace {

using vantor::internet::message2::line_reader;
using vantor::internet::message2::message;
using lines = vantor::internet::mail_lines;

// The report's shape: the headers the reporter sets, newest first.
message report(const std::u16string& body) {
    message mail;
    mail.remove_header("Content-Transfer-Encoding");
    mail.add_header("Content-Transfer-Encoding", "base64");
    mail.add_header("To", "\"Installation Support\" <support@example.com>");
    mail.content.charset = "utf-8";
    mail.content.set_text(body);
    mail.add_header("Subject", "KV:628  OS:5.1  ExitCode:1603");
    return mail;
}

message with_encoding(const std::string& encoding, const std::string& data) {
    message mail;
    mail.remove_header("Content-Transfer-Encoding");
    if (!encoding.empty()) {
        mail.add_header("Content-Transfer-Encoding", encoding);
    }
    mail.content.data = data;
    return mail;
}

lines body_of(const lines& rendered) {
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        if (rendered[i].empty()) {
            return lines(rendered.begin() + static_cast<std::ptrdiff_t>(i) + 1, rendered.end());
        }
    }
    return {};
}

TEST(render, report_shape) {
    const auto rendered = report(u"\ufeffAB").render();
    const lines expected = {
        "Subject: KV:628  OS:5.1  ExitCode:1603",
        "To: \"Installation Support\" <support@example.com>",
        "Content-Transfer-Encoding: base64",
        "Content-Type: text/plain; charset=\"utf-8\"",
        "",
        "77u/QUI=",
    };
    EXPECT_EQ(rendered, expected);
}

TEST(render, base64_lines_of_76_characters) {
    for (const auto& [size, last_line] : {std::pair{57u, 76u}, {58u, 4u}, {114u, 76u}, {1u, 4u}}) {
        const auto body = body_of(with_encoding("base64", std::string(size, 'x')).render());
        ASSERT_EQ(body.size(), (size + 56) / 57) << size;
        for (std::size_t i = 0; i + 1 < body.size(); ++i) {
            EXPECT_EQ(body[i].size(), 76u);
        }
        EXPECT_EQ(body.back().size(), last_line) << size;
    }
    EXPECT_EQ(body_of(with_encoding("base64", std::string(58, 'x')).render()).back(), "eA==");
}

TEST(render, base64_does_not_split_at_line_breaks) {
    EXPECT_EQ(body_of(with_encoding("base64", "a\r\nb").render()), (lines{"YQ0KYg=="}));
}

struct body_case {
    std::string encoding;
    std::string data;
    lines expected;
};

void PrintTo(const body_case& c, std::ostream* os) {
    *os << c.encoding << " " << testing::PrintToString(c.data);
}

const body_case body_cases[] = {
    {"BASE64", "A", {"QQ=="}},
    {"Base64", "A", {"QQ=="}},
    {" base64", "A", {"A"}},
    {"base64 (comment)", "A", {"A"}},
    {"", "a\r\r\nb", {"a", "", "b"}},
    {"", "a\n\n", {"a", "", ""}},
    {"7bit", "a\n\rb\rc", {"a", "b", "c"}},
    {"quoted-printable", "a\r\n", {"a", ""}},
    {"quoted-printable", "caf\xe9 = ok\n", {"caf=E9 =3D ok", ""}},
    {"Quoted-Printable", "\t_?", {"=09=5F=3F"}},
    {"quoted-printable", std::string(150, 'q'), {std::string(75, 'q') + "=", std::string(75, 'q')}},
    {"quoted-printable",
     std::string(76, '=') + "\nx",
     {[] {
          std::string s;
          for (int i = 0; i < 75; ++i)
              s += "=3D";
          return s + "=";
      }(),
      "=3D", "x"}},
};

class body_lines : public testing::TestWithParam<body_case> {};

TEST_P(body_lines, follow_the_transfer_encoding) {
    const auto& c = GetParam();
    EXPECT_EQ(body_of(with_encoding(c.encoding, c.data).render()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(cases, body_lines, testing::ValuesIn(body_cases));

TEST(render, newest_transfer_encoding_decides_and_both_are_written) {
    message mail = with_encoding("base64", "A");
    mail.add_header("Content-Transfer-Encoding", "8bit");
    const auto rendered = mail.render();
    EXPECT_EQ(rendered[0], "Content-Transfer-Encoding: 8bit");
    EXPECT_EQ(rendered[1], "Content-Transfer-Encoding: base64");
    EXPECT_EQ(body_of(rendered), (lines{"A"}));
    EXPECT_EQ(mail.transfer_encoding(), "8bit");
}

TEST(render, content_type_is_rebuilt_from_the_content) {
    message mail;
    mail.remove_header("Content-Type");
    mail.add_header("Content-Type", "text/html; format=flowed; CHARSET=us-ascii");
    mail.content.charset = "utf-8";
    EXPECT_EQ(mail.render()[0], "Content-Type: text/plain; format=\"flowed\"; CHARSET=\"utf-8\"");

    mail.content.type = "application/octet-stream";
    EXPECT_EQ(mail.render()[0], "Content-Type: application/octet-stream; format=\"flowed\"");

    mail.content.type = "text/plain";
    mail.content.charset = "";
    EXPECT_EQ(mail.render()[0], "Content-Type: text/plain; format=\"flowed\"");
    // The stored entry itself is not changed.
    EXPECT_EQ(mail.headers[0].text, "text/html; format=flowed; CHARSET=us-ascii");
}

TEST(render, new_message_and_message_without_headers) {
    message mail;
    EXPECT_EQ(mail.render(), (lines{"Content-Transfer-Encoding: quoted-printable",
                                    "Content-Type: text/plain; charset=\"iso-8859-1\"", ""}));
    mail.remove_header("Content-Type");
    mail.remove_header("Content-Transfer-Encoding");
    EXPECT_EQ(mail.render(), (lines{""}));
}

TEST(render, malformed_content_type_raises_and_changes_nothing) {
    message mail;
    mail.add_header("Content-Type", "text/plain; name=\"=?utf-8?Q?=ZZ?=\"");
    const auto headers_before = mail.headers;
    EXPECT_THROW(mail.render(), vantor::coding::translate::invalid_codeword);
    ASSERT_EQ(mail.headers.size(), headers_before.size());
    for (std::size_t i = 0; i < headers_before.size(); ++i) {
        EXPECT_EQ(mail.headers[i].text, headers_before[i].text);
    }
    mail.remove_header("Content-Type");
    EXPECT_NO_THROW(mail.render());
}

TEST(render, twice_gives_the_same_lines) {
    const auto mail = report(u"line one\r\nline two\r\n");
    EXPECT_EQ(mail.render(), mail.render());
}

TEST(line_reader, without_end_mark_stops_at_the_last_break) {
    line_reader reader("a\nb");
    std::string_view line;
    ASSERT_TRUE(reader.read_line(line));
    EXPECT_EQ(line, "a");
    EXPECT_FALSE(reader.read_line(line));
    reader.set_end_of_input();
    ASSERT_TRUE(reader.read_line(line));
    EXPECT_EQ(line, "b");
    EXPECT_FALSE(reader.read_line(line));
}

}  // namespace
