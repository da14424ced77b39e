#include "xml_text.hpp"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    std::string bytes;
    bool carried;
};

TEST(XmlText, AcceptsOnlyWellFormedUtf8WithoutControlsOrNonCharacters) {
    const TextCase cases[] = {
        {"1.000", true},
        {"Zo\xC3\xAB", true},
        {"\xE2\x82\xAC", true},      // U+20AC
        {"\xF0\x9F\x98\x80", true},  // U+1F600
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xEF\xBF\xBD", true},      // U+FFFD
        {"\x7F", true},
        {"a<b&\"c\">'", true},
        {std::string("\0", 1), false},
        {"\x01", false},
        {"\x1F", false},
        {"\x80", false},  // lone continuation byte
        {"\xC3", false},  // cut short
        {"\xE2\x82", false},
        {"\xC0\xAF", false},  // overlong
        {"\xC1\xBF", false},
        {"\xE0\x80\xAF", false},
        {"\xF0\x80\x80\xAF", false},
        {"\xED\xA0\x80", false},      // U+D800
        {"\xED\xBF\xBF", false},      // U+DFFF
        {"\xEF\xBF\xBE", false},      // U+FFFE
        {"\xEF\xBF\xBF", false},      // U+FFFF
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xFF", false},
        {"ok\xC3(", false},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(kestrin::is_xml_attribute_text(c.bytes), c.carried) << testing::PrintToString(c.bytes);
    }
}

TEST(XmlText, EscapesTheFourSpecialCharactersOnly) {
    std::string out = "x=";
    kestrin::append_xml_attribute(out, "a&b<c>d\"e'f\xC3\xAB");
    EXPECT_EQ(out, "x=a&amp;b&lt;c&gt;d&quot;e'f\xC3\xAB");
}

}  // namespace
