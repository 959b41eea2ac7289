#pragma once

#include <string>
#include <vector>

#include "vantor/internet/message2/header_type/unstructured_value_type.hpp"

namespace vantor::internet::message2::header_type {

// A main text and parameters, the shape of a Content-Type field body:
// text/plain; charset="iso-8859-1". The inherited value operations act on
// the main text.
class parametized_value_type final : public unstructured_value_type {
public:
    struct parameter {
        std::string name;
        std::u16string value;

        bool operator==(const parameter&) const = default;
    };

    std::vector<parameter> parameters;

    parametized_value_type() = default;
    parametized_value_type(const parametized_value_type&) = default;
    parametized_value_type& operator=(const parametized_value_type&) = default;

    // The main text, then "; name=\"value\"" for every parameter in order;
    // every value is quoted and nothing inside the quotes is escaped.
    std::string render() const override;
    // Clears the main text and the parameters (not charset) and reads them
    // from the text.
    void parse(const std::string& text) override;

    // The first parameter whose name matches (ASCII case-insensitive) takes
    // the value and keeps its place and its name; otherwise a parameter is
    // appended.
    void set_parameter(const std::string& name, const std::u16string& value);
    // The same with a UTF-8 value.
    void set_parameter_utf8(const std::string& name, const std::string& value);
    // Removes the first parameter whose name matches; later ones stay.
    void remove_parameter(const std::string& name);
};

}  // namespace vantor::internet::message2::header_type
