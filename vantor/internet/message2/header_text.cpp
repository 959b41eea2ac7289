#include "vantor/internet/message2/header_text.hpp"

#include "vantor/strings.hpp"

namespace vantor::internet::message2 {

std::vector<std::string> split_header_text(std::string_view text, std::string_view delimiters,
                                           bool retain_quotes) {
    std::vector<std::string> pieces;
    std::string piece;
    bool escape = false;
    bool quoted = false;
    bool in_word = false;

    for (const char c : text) {
        if (escape) {
            piece += c;
            escape = false;
        } else if (quoted) {
            if (c == '"') {
                quoted = false;
                if (retain_quotes) {
                    piece += c;
                }
            } else {
                piece += c;
            }
        } else if (in_word) {
            piece += c;
            if (ends_with("?=", piece)) {
                in_word = false;
            }
        } else if (c == '\\') {
            escape = true;
        } else if (c == '"') {
            if (retain_quotes) {
                piece += c;
            }
            quoted = true;
        } else if (c == '?' && !piece.empty()) {
            if (piece.back() == '=') {
                in_word = true;
            }
            piece += c;
        } else if (c == ' ' && piece.empty()) {
            // Leading spaces of a piece vanish.
        } else if (delimiters.find(c) != std::string_view::npos) {
            pieces.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

}  // namespace vantor::internet::message2
