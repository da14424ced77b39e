#pragma once

#include <string>
#include <string_view>

// What a value must be to stand in an XML attribute of a UTF-8 preset file.
namespace kestrin {

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF) holding no control character and neither U+FFFE nor U+FFFF.
bool is_xml_attribute_text(std::string_view bytes);

// Appends text with & < > " written as entities; every other byte as it is.
void append_xml_attribute(std::string& out, std::string_view text);

}  // namespace kestrin
