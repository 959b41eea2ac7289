#include "vantor/internet/message2/message.hpp"

#include <algorithm>

#include "vantor/internet/message2/header_type/parametized_value_type.hpp"
#include "vantor/strings.hpp"

namespace vantor::internet::message2 {

namespace {

constexpr std::int32_t utf8_codepage = 65001;

}  // namespace

message::message() {
    header_type::parametized_value_type content_type;
    content_type.set_value_bytes(content.type, utf8_codepage);
    content_type.set_parameter_utf8("charset", content.charset);
    add_header("Content-Type", content_type);
    add_header("Content-Transfer-Encoding", "quoted-printable");
}

void message::add_header(const std::string& name, const std::string& text) {
    headers.insert(headers.begin(), header{name, text});
}

void message::add_header(const std::string& name, const header_type::generic_value_type& value) {
    add_header(name, value.render());
}

void message::remove_header(const std::string& name) {
    std::erase_if(headers, [&name](const header& h) { return iequals(h.name, name); });
}

bool message::find_header(const std::string& name, header_type::generic_value_type& value) const {
    const auto found = std::find_if(headers.begin(), headers.end(),
                                    [&name](const header& h) { return iequals(h.name, name); });
    if (found == headers.end()) {
        return false;
    }
    value.parse(found->text);
    return true;
}

}  // namespace vantor::internet::message2
