// Rendering of a message into mail lines.
#include <string_view>

#include "vantor/coding/translate/codings.hpp"
#include "vantor/internet/message2/header_type/parametized_value_type.hpp"
#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"
#include "vantor/internet/message2/line_reader.hpp"
#include "vantor/internet/message2/message.hpp"
#include "vantor/strings.hpp"

namespace vantor::internet::message2 {

namespace {

namespace translate = vantor::coding::translate;

constexpr std::int32_t utf8_codepage = 65001;
constexpr std::size_t base64_chunk = 57;            // 76 characters a line
constexpr std::size_t quoted_printable_piece = 75;  // bytes before encoding

// A Content-Type text rebuilt from the content record: the stored main text
// is replaced by the type, and text types carry the content charset.
std::string rebuilt_content_type(const std::string& stored, const content& body) {
    header_type::parametized_value_type value;
    value.parse(stored);
    value.set_value_bytes(body.type, utf8_codepage);
    if (starts_with("text/", body.type) && !body.charset.empty()) {
        value.set_parameter_utf8("charset", body.charset);
    } else {
        value.remove_parameter("charset");
    }
    return value.render();
}

// Base64 of 57-byte chunks in lines of 76 characters. Since 57 bytes make a
// whole number of base64 groups, a run of chunks encoded at once reads the
// same as the chunks encoded one by one; the data is encoded a block of
// chunks at a time and the text cut into lines.
void append_base64_lines(std::string_view data, mail_lines& lines) {
    constexpr std::size_t line_length = base64_chunk / 3 * 4;
    constexpr std::size_t block = base64_chunk * 4096;
    const std::size_t count = (data.size() + base64_chunk - 1) / base64_chunk;
    lines.reserve(count, count * line_length);
    for (std::size_t offset = 0; offset < data.size(); offset += block) {
        const std::string text = translate::encode_base64(data.substr(offset, block));
        for (std::size_t start = 0; start < text.size(); start += line_length) {
            lines.push_back(std::string_view(text).substr(start, line_length));
        }
    }
}

void append_quoted_printable_lines(std::string_view data, mail_lines& lines) {
    line_reader reader(data);
    reader.set_end_of_input();
    std::string_view line;
    while (reader.read_line(line)) {
        std::size_t offset = 0;
        do {
            const auto piece = line.substr(offset, quoted_printable_piece);
            offset += piece.size();
            std::string encoded = translate::encode_quoted_printable(piece);
            if (offset < line.size()) {
                encoded += '=';
            }
            lines.push_back(encoded);
        } while (offset < line.size());
    }
}

void append_plain_lines(std::string_view data, mail_lines& lines) {
    line_reader reader(data);
    reader.set_end_of_input();
    std::string_view line;
    while (reader.read_line(line)) {
        lines.push_back(line);
    }
}

}  // namespace

mail_lines message::render() const {
    mail_lines lines;
    for (const auto& entry : headers) {
        const std::string text = iequals(entry.name, "Content-Type")
                                     ? rebuilt_content_type(entry.text, content)
                                     : entry.text;
        std::string line;
        line.reserve(entry.name.size() + 2 + text.size());
        line.append(entry.name).append(": ").append(text);
        lines.push_back(line);
    }
    lines.push_back({});

    if (!content.data.empty()) {
        const std::string encoding = transfer_encoding();
        if (encoding == "base64") {
            append_base64_lines(content.data, lines);
        } else if (encoding == "quoted-printable") {
            append_quoted_printable_lines(content.data, lines);
        } else {
            append_plain_lines(content.data, lines);
        }
    }
    return lines;
}

std::string message::transfer_encoding() const {
    header_type::unstructured_value_type value;
    if (!find_header("Content-Transfer-Encoding", value)) {
        return {};
    }
    return to_lower(value.value_bytes(utf8_codepage));
}

}  // namespace vantor::internet::message2
