#pragma once

#include <string>

namespace vantor::internet::message2 {

// The body of a message: its MIME type, its charset, and the text held
// twice, as wide text and as the bytes of that text in the charset. The
// bytes are made when the text is set, so the charset must be assigned
// before the text.
struct content {
    std::string type = "text/plain";
    std::string charset = "iso-8859-1";
    std::u16string text;
    std::string data;

    // Takes the text, then converts it into the code page of charset. If
    // the conversion fails, text is already the new text while data still
    // holds the bytes of the previous one.
    void set_text(std::u16string text);

    // Converts the text from the system ANSI code page and sets it; a
    // failing conversion changes nothing.
    void set_ansi_text(const std::string& text);
};

}  // namespace vantor::internet::message2
