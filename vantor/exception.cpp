#include "vantor/exception.hpp"

namespace vantor {

exception::exception(const std::string& message) : message_(message) {}

const char* exception::what() const noexcept {
    try {
        what_text_.clear();
        what_text_.append(code_path_).append("[").append(message_).append("]");
        return what_text_.c_str();
    } catch (...) {
        // Out of memory while joining the texts: the code path alone still
        // names the error.
        return code_path_.c_str();
    }
}

const char* exception::message() const noexcept {
    return message_.c_str();
}

const char* exception::code_path() const noexcept {
    return code_path_.c_str();
}

void exception::append_segment(std::string_view segment) {
    if (!code_path_.empty()) {
        code_path_ += '.';
    }
    code_path_.append(segment);
}

}  // namespace vantor
