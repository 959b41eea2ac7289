#include "app/log_text.hpp"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "platform/codepage.hpp"
#include "vantor/unicode/conversion.hpp"

namespace app {

namespace {

unsigned char byte_at(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

}  // namespace

bool is_wide_log(std::string_view log_bytes) {
    if (log_bytes.empty()) {
        return false;
    }
    const unsigned char first = byte_at(log_bytes, 0);
    if (first == 0xFF || first == 0xFE || first == 0x00) {
        return true;
    }
    return log_bytes.size() >= 2 && byte_at(log_bytes, 1) == 0x00;
}

std::u16string wide_log_text(std::string_view log_bytes) {
    std::u16string text(log_bytes.size() / 2, u'\0');
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        const unsigned low = byte_at(log_bytes, 2 * unit);
        const unsigned high = byte_at(log_bytes, 2 * unit + 1);
        text[unit] = static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

void write_system_ansi(std::u16string_view text, std::span<char> room) {
    platform::codepage::wide_to_multibyte(vantor::unicode::system_ansi_codepage(), text, room,
                                          false);
}

zeroed_text::zeroed_text(std::size_t size)
    : bytes_(static_cast<char*>(std::calloc(size == 0 ? 1 : size, 1))), size_(size) {
    if (!bytes_) {
        throw std::bad_alloc();
    }
}

void zeroed_text::release::operator()(char* bytes) const noexcept {
    std::free(bytes);
}

zeroed_text wide_analysis_text(std::u16string_view wide_text, std::size_t log_size,
                               ansi_writer write_ansi) {
    zeroed_text analysis(log_size);
    const std::size_t room = std::min(wide_text.size(), analysis.size());
    write_ansi(wide_text, std::span<char>(analysis.data(), room));
    return analysis;
}

}  // namespace app
