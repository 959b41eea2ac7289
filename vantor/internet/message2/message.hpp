#pragma once

#include <string>
#include <vector>

#include "vantor/internet/mail_lines.hpp"
#include "vantor/internet/message2/content.hpp"
#include "vantor/internet/message2/header_type/generic_value_type.hpp"

namespace vantor::internet::message2 {

// One header field: its name in the letter case the caller used, and its
// body exactly as it is written after "name: ".
struct header {
    std::string name;
    std::string text;
};

// A MIME message: the header list, newest entry first, and the content
// record. Header names match ASCII case-insensitively and are neither
// unique nor validated.
class message {
public:
    std::vector<header> headers;
    message2::content content;

    // Starts with Content-Transfer-Encoding: quoted-printable, then
    // Content-Type: text/plain; charset="iso-8859-1".
    message();

    // Inserts (name, text) at the front, unchanged.
    void add_header(const std::string& name, const std::string& text);
    // Renders the value and inserts it at the front; a failing render
    // leaves the list unchanged.
    void add_header(const std::string& name, const header_type::generic_value_type& value);
    // Removes every entry of that name.
    void remove_header(const std::string& name);
    // Parses the first entry of that name, from the front, into the value;
    // false (and the value untouched) when there is none.
    bool find_header(const std::string& name, header_type::generic_value_type& value) const;

    // The mail as lines without terminators: header lines (every
    // Content-Type rebuilt from content), an empty line, then the body in
    // the transfer encoding of the newest Content-Transfer-Encoding entry.
    // The message is not changed; a failure returns no lines.
    mail_lines render() const;

    // The newest Content-Transfer-Encoding text as lower-case UTF-8, or the
    // empty string.
    std::string transfer_encoding() const;
};

}  // namespace vantor::internet::message2
