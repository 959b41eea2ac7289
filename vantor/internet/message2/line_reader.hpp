#pragma once

#include <cstddef>
#include <string_view>

namespace vantor::internet::message2 {

// Yields the lines of a byte string one at a time. CR, LF, CR LF and LF CR
// each end a line; CR CR and LF LF end two lines, the second empty. With the
// end-of-input mark set, the bytes after the last line break form a final
// line, an empty one when the data ends with a line break.
class line_reader {
public:
    explicit line_reader(std::string_view bytes) : bytes_(bytes) {}

    void set_end_of_input() { end_of_input_ = true; }

    // The next line, or false when there is none. The view points into the
    // bytes given at construction.
    bool read_line(std::string_view& line);

private:
    static constexpr char no_break = '\0';

    std::string_view bytes_;
    std::size_t next_ = 0;
    std::size_t line_start_ = 0;
    char last_break_ = no_break;
    bool end_of_input_ = false;
};

}  // namespace vantor::internet::message2
