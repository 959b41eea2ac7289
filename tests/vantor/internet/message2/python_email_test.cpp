// Rendered mail and encoded words read back by Python's email package.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/peer/python.hpp"
#include "vantor/internet/message2/encoded_words.hpp"
#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"
#include "vantor/internet/message2/message.hpp"
#include "vantor/unicode/conversion.hpp"

namespace {

namespace message2 = vantor::internet::message2;
using message2::header_type::unstructured_value_type;

constexpr std::int32_t utf8 = 65001;

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::string utf8_of(const std::u16string& text) {
    return vantor::unicode::narrow(text, utf8);
}

// Runs the reader script on a file holding the input.
std::string run_reader(const std::string& mode, const std::string& input) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vantor-mail-" + std::to_string(std::random_device{}()) + ".txt");
    std::ofstream(path, std::ios::binary) << input;
    std::string output;
    try {
        output = peer::run_python(READ_MAIL_SCRIPT, {mode, path.string()});
    } catch (...) {
        std::filesystem::remove(path);
        throw;
    }
    std::filesystem::remove(path);
    return output;
}

struct read_back {
    std::vector<std::pair<std::string, std::string>> headers;  // name, UTF-8 text
    std::string body;
};

read_back read_with_python(const message2::message& mail) {
    std::string wire;
    for (const std::string_view line : mail.render()) {
        wire.append(line).append("\r\n");
    }
    read_back result;
    for (const auto& line : peer::lines_of(run_reader("mail", wire))) {
        const auto first = line.find('\t');
        const auto last = line.rfind('\t');
        if (line.starts_with("H\t")) {
            result.headers.emplace_back(line.substr(2, last - 2),
                                        peer::from_hex(line.substr(last + 1)));
        } else if (line.starts_with("B\t")) {
            result.body = peer::from_hex(line.substr(first + 1));
        }
    }
    return result;
}

message2::message report() {
    message2::message mail;
    mail.remove_header("Content-Transfer-Encoding");
    mail.add_header("Content-Transfer-Encoding", "base64");
    mail.add_header("To", "\"Installation Support\" <support@example.com>");
    mail.content.charset = "utf-8";
    return mail;
}

void add_encoded(message2::message& mail, const std::string& name, const std::string& charset,
                 const std::u16string& text) {
    unstructured_value_type value;
    value.charset = charset;
    value.set_value(text);
    mail.add_header(name, value);
}

TEST(python_email, report_with_an_eight_bit_body) {
    auto mail = report();
    std::string log;
    for (int i = 0; i < 4000; ++i) {
        log += static_cast<char>(0x20 + i % 0xe0);
        if (i % 70 == 69) {
            log += "\r\n";
        }
    }
    mail.content.set_ansi_text(log);
    mail.add_header("Subject", "KV:628  OS:5.1  ExitCode:1603 (Error:27)");

    const auto got = read_with_python(mail);
    EXPECT_EQ(got.body, mail.content.data);
    ASSERT_EQ(got.headers.size(), 4u);
    EXPECT_EQ(got.headers[0], (std::pair<std::string, std::string>{
                                  "Subject", "KV:628  OS:5.1  ExitCode:1603 (Error:27)"}));
    EXPECT_EQ(got.headers[1].second, "\"Installation Support\" <support@example.com>");
    EXPECT_EQ(got.headers[3].second, "text/plain; charset=\"utf-8\"");
}

TEST(python_email, report_with_a_utf16_body_and_byte_order_mark) {
    auto mail = report();
    std::u16string log = u"\ufeffInstallation log \u00e9\u4e2d\u6587\r\n";
    for (int i = 0; i < 200; ++i) {
        log += u"Action ended: \u00fc\u00f6 \U0001F600 line\r\n";
    }
    mail.content.set_text(log);
    const auto got = read_with_python(mail);
    EXPECT_EQ(got.body, utf8_of(log));
    EXPECT_TRUE(got.body.starts_with("\xef\xbb\xbf"));
}

TEST(python_email, quoted_printable_body) {
    message2::message mail;  // quoted-printable, iso-8859-1
    const std::u16string text =
        u"caf\u00e9 = cr\u00e8me?\r\n" + std::u16string(180, u'\u00e9') + u"\r\n\r\nlast_line";
    mail.content.set_text(text);
    const auto got = read_with_python(mail);
    EXPECT_EQ(got.body, mail.content.data + "\r\n");
}

TEST(python_email, plain_body) {
    message2::message mail;
    mail.remove_header("Content-Transfer-Encoding");
    mail.add_header("Content-Transfer-Encoding", "7bit");
    mail.content.set_text(u"first line\r\nsecond line\r\n\r\nend");
    const auto got = read_with_python(mail);
    EXPECT_EQ(got.body, mail.content.data + "\r\n");
}

TEST(python_email, headers_in_b_and_q_encoded_words) {
    auto mail = report();
    mail.content.set_text(u"body");
    add_encoded(mail, "Subject", "iso-8859-1", u"Gr\u00fc\u00dfe");            // B form
    add_encoded(mail, "X-Comment", "iso-8859-1", u"Caf\u00e9 au lait");        // Q form
    add_encoded(mail, "X-Note", "utf-8", u"\u5b89\u88c5\u5931\u8d25 report");  // B form
    EXPECT_EQ(mail.headers[0].text.substr(0, 10), "=?utf-8?B?");
    EXPECT_EQ(mail.headers[1].text.substr(0, 15), "=?iso-8859-1?Q?");
    EXPECT_EQ(mail.headers[2].text.substr(0, 15), "=?iso-8859-1?B?");

    const auto got = read_with_python(mail);
    ASSERT_GE(got.headers.size(), 3u);
    EXPECT_EQ(got.headers[0].second, utf8_of(u"\u5b89\u88c5\u5931\u8d25 report"));
    EXPECT_EQ(got.headers[1].second, utf8_of(u"Caf\u00e9 au lait"));
    EXPECT_EQ(got.headers[2].second, utf8_of(u"Gr\u00fc\u00dfe"));
}

// Texts of printable characters drawn from one range, never ending in a
// space (trailing spaces of header text are not kept).
std::u16string random_text(std::mt19937& random, char16_t low, char16_t high) {
    std::u16string text;
    const auto length = 1 + random() % 60;
    for (std::size_t i = 0; i < length; ++i) {
        const bool ascii = random() % 3 == 0;
        text += ascii ? static_cast<char16_t>(u'a' + random() % 26 - (random() % 5 == 0 ? 65 : 0))
                      : static_cast<char16_t>(low + random() % (high - low + 1));
    }
    if (text.back() == u' ') {
        text.back() = u'x';
    }
    return text;
}

TEST(python_email, random_encoded_words_decode_to_their_text) {
    struct range {
        const char* charset;
        char16_t low, high;
    };
    const range ranges[] = {
        {"us-ascii", u'!', u'~'},    // plain ASCII, written unencoded
        {"iso-8859-1", 0xa0, 0xff},  // Latin-1
        {"utf-8", 0x4e00, 0x9fa5},   // CJK ideographs
    };
    std::mt19937 random(2027);
    std::string table;
    int count = 0;
    for (const auto& r : ranges) {
        for (int i = 0; i < 120; ++i, ++count) {
            const auto text = random_text(random, r.low, r.high);
            unstructured_value_type value;
            value.charset = r.charset;
            const std::string header_text = message2::encode_text(value, text);

            unstructured_value_type reader;
            ASSERT_EQ(message2::decode_text(reader, header_text), text) << header_text;
            table += hex(header_text) + "\t" + hex(utf8_of(text)) + "\n";
        }
    }
    EXPECT_EQ(run_reader("words", table), "checked " + std::to_string(count) + "\n");
}

}  // namespace
