#include "vantor/internet/message2/content.hpp"

#include <utility>

#include "vantor/unicode/conversion.hpp"
#include "vantor/unicode/registry.hpp"

namespace vantor::internet::message2 {

namespace {

constexpr std::int32_t ansi_codepage = 0;

}  // namespace

void content::set_text(std::u16string new_text) {
    text = std::move(new_text);
    data = unicode::narrow(text, unicode::codepage_by_name(charset));
}

void content::set_ansi_text(const std::string& ansi_text) {
    set_text(unicode::widen(ansi_text, ansi_codepage));
}

}  // namespace vantor::internet::message2
