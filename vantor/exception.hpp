#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace vantor {

// Base of every error the library raises. It carries the message chosen by
// the code that throws and a dot-separated code path that the constructors
// of the class chain build from fixed segments; what() joins both as
// "code.path[message]".
class exception : public std::exception {
public:
    explicit exception(const std::string& message);
    exception(const exception&) = default;
    exception& operator=(const exception&) = default;
    ~exception() override = default;

    // The pointer stays valid until the next call of what() or the end of
    // the object.
    const char* what() const noexcept override;
    virtual const char* message() const noexcept;
    virtual const char* code_path() const noexcept;

protected:
    // Appends "." (unless the path is still empty) and the segment.
    void append_segment(std::string_view segment);

private:
    mutable std::string what_text_;
    std::string message_;
    std::string code_path_;
};

// A code path segment as a template argument: error<generic, "host_not_found">.
template <std::size_t N>
struct segment {
    char text[N]{};

    constexpr segment(const char (&literal)[N]) { std::copy_n(literal, N, text); }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

// An error class: derives from Base and appends Segment to the code path.
// The library's error families are aliases of this template, laid out as a
// table in each area's errors header.
template <class Base, segment Segment>
class error : public Base {
public:
    explicit error(const std::string& message) : Base(message) {
        this->append_segment(Segment.view());
    }
};

}  // namespace vantor
