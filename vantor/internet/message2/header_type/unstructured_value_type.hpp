#pragma once

#include <cstdint>
#include <string>

#include "vantor/internet/message2/header_type/generic_value_type.hpp"

namespace vantor::internet::message2::header_type {

// One free text, written as an encoded word when it holds non-ASCII
// characters.
class unstructured_value_type : public generic_value_type {
public:
    unstructured_value_type() = default;
    unstructured_value_type(const unstructured_value_type&) = default;
    unstructured_value_type& operator=(const unstructured_value_type&) = default;

    std::string render() const override;
    void parse(const std::string& text) override;

    virtual std::u16string& value();
    // The text converted into the code page (-1: one byte per character).
    virtual std::string value_bytes(std::int32_t codepage) const;
    virtual void set_value(const std::u16string& text);
    // Makes the bytes, converted from the code page, the text.
    virtual void set_value_bytes(const std::string& bytes, std::int32_t codepage);

protected:
    std::u16string text_;
};

}  // namespace vantor::internet::message2::header_type
