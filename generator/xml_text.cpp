#include "xml_text.hpp"

namespace kestrin {

namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one character at text[i]; returns its length, or 0 when the bytes
// there are not well-formed UTF-8.
std::size_t decode(std::string_view text, std::size_t i, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!is_continuation(byte(k))) return 0;
        code = (code << 6) | (byte(k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate) return 0;
    return length;
}

}  // namespace

bool is_xml_attribute_text(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = decode(bytes, i, code);
        if (length == 0 || code < 0x20 || code == 0xFFFE || code == 0xFFFF) return false;
        i += length;
    }
    return true;
}

void append_xml_attribute(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
                break;
        }
    }
}

}  // namespace kestrin
