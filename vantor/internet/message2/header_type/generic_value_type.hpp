#pragma once

#include <string>

namespace vantor::internet::message2::header_type {

// Base of the header value types: a structured value that renders to header
// text and parses back from it. Value objects are plain locals of their
// creator and are never destroyed through this base.
class generic_value_type {
public:
    // The charset in which non-ASCII text is written as an encoded word, and
    // in which plain header text is read. Parsing sets it to the charset of
    // the last encoded word met.
    std::string charset = "iso-8859-1";

    virtual std::string render() const = 0;
    virtual void parse(const std::string& text) = 0;

protected:
    generic_value_type() = default;
    generic_value_type(const generic_value_type&) = default;
    generic_value_type& operator=(const generic_value_type&) = default;
    ~generic_value_type() = default;
};

}  // namespace vantor::internet::message2::header_type
