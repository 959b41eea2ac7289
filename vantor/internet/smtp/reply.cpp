#include "vantor/internet/smtp/reply.hpp"

#include <string_view>

#include "vantor/internet/smtp/errors.hpp"
#include "vantor/variant/variant.hpp"

namespace vantor::internet::smtp {

std::int32_t read_reply(transport::tcp::base& transport, std::vector<std::string>& texts) {
    texts.clear();
    std::string line;
    for (;;) {
        transport.read_line(line);
        if (line.size() < 3) {
            throw generic("Bad response: " + line);
        }
        if (line.size() == 3) {
            break;
        }
        texts.push_back(line.substr(4));
        if (line[3] == ' ') {
            break;
        }
        if (line[3] != '-') {
            throw generic("Invalid character: " + line);
        }
        if (texts.size() > continuation_limit) {
            throw generic("Excess response: " + line);
        }
    }
    if (line[0] == '4') {
        throw temporary_failure(line);
    }
    if (line[0] == '5') {
        throw permanent_failure(line);
    }
    return variant(std::string_view(line).substr(0, 3)).as_integer();
}

}  // namespace vantor::internet::smtp
