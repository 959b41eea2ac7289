#include "vantor/internet/message2/line_reader.hpp"

namespace vantor::internet::message2 {

bool line_reader::read_line(std::string_view& line) {
    while (next_ < bytes_.size()) {
        const char c = bytes_[next_++];
        if (c != '\r' && c != '\n') {
            last_break_ = no_break;
            continue;
        }
        if (last_break_ == no_break) {
            line = bytes_.substr(line_start_, next_ - 1 - line_start_);
            last_break_ = c;
            line_start_ = next_;
            return true;
        }
        if (last_break_ == c) {
            // CR CR or LF LF: an empty line; the byte stays noted.
            line = bytes_.substr(next_, 0);
            line_start_ = next_;
            return true;
        }
        // LF after CR or CR after LF completes one line break.
        last_break_ = no_break;
        line_start_ = next_;
    }
    if (end_of_input_) {
        line = bytes_.substr(line_start_);
        line_start_ = bytes_.size();
        end_of_input_ = false;
        last_break_ = no_break;
        return true;
    }
    return false;
}

}  // namespace vantor::internet::message2
