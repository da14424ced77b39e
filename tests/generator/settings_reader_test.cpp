#include "settings_reader.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "captured_log.hpp"

namespace {

using kestrin::SettingTable;

std::string set(const std::string& key, const std::string& value) {
    return "Value \"" + key + "\" set to \"" + value + "\".";
}
std::string unrecognized(const std::string& word) { return "Value \"" + word + "\" unrecognized. Ignoring."; }
std::string refused(const std::string& key) {
    return "Value \"" + key + "\" not set. Its value cannot be written to the preset file. Ignoring.";
}

struct ReaderCase {
    const char* what;
    std::string input;
    std::vector<std::string> log;
    // Every row not named here must keep its default.
    std::map<std::string, std::string> values;
};

const std::string long_name(5000, 'n');
const std::string name_127(127, 'k');
const std::string value_15 = "123456789012345";
const std::string value_300(300, '7');

const ReaderCase reader_cases[] = {
    {"empty input", "", {}, {}},
    {"whitespace only", " \t\r\n\v\f \r\n", {}, {}},
    {"key and value", "r_bloom false\n", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"blanks and tabs between", "r_bloom \t \tfalse", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"value on the next line", "r_bloom\r\n\r\nfalse\r\n", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"vertical tab and form feed separate", "r_bloom\v\ffalse", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"third word on the line is read as a name",
     "r_bloom false extra more r_flora true\nr_shadows true\n",
     {set("r_bloom", "false"), unrecognized("extra"), set("r_shadows", "true")},
     {{"r_bloom", "false"}, {"r_shadows", "true"}}},
    {"unknown first word discards its line",
     "[Graphics] r_bloom false\n; comment r_flora true\nr_shadows true\n",
     {unrecognized("[Graphics]"), unrecognized(";"), set("r_shadows", "true")},
     {{"r_shadows", "true"}}},
    {"equals sign makes one word", "r_bloom=false\n", {unrecognized("r_bloom=false")}, {}},
    {"letter case matters", "R_BLOOM false\nr_bloom_ false\n", {unrecognized("R_BLOOM"), unrecognized("r_bloom_")}, {}},
    {"key alone on its line takes the next key as its value",
     "r_bloom\nr_flora true\n",
     {set("r_bloom", "r_flora"), unrecognized("true")},
     {{"r_bloom", "r_flora"}}},
    {"key as the last word keeps its default", "r_bloom", {set("r_bloom", "true")}, {}},
    {"key as the last word keeps an earlier value",
     "r_bloom false\r\nr_bloom\r\n",
     {set("r_bloom", "false"), set("r_bloom", "false")},
     {{"r_bloom", "false"}}},
    {"duplicate key: the last value stands",
     "r_max_lights 2.0\nr_max_lights 6.0\n",
     {set("r_max_lights", "2.0"), set("r_max_lights", "6.0")},
     {{"r_max_lights", "6.0"}}},
    {"CR LF lines behave like LF lines",
     "[x] y\r\nr_bloom false\r\nr_flora true\r\n",
     {unrecognized("[x]"), set("r_bloom", "false"), set("r_flora", "true")},
     {{"r_bloom", "false"}, {"r_flora", "true"}}},
    {"trailing tab or lone CR yields no line", "r_bloom false\t\r", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"Ctrl-Z ends the input", "r_bloom false\x1Ar_flora true\n", {set("r_bloom", "false")}, {{"r_bloom", "false"}}},
    {"Ctrl-Z ends a value",
     "r_max_lights 8\x1A"
     "0\n",
     {set("r_max_lights", "8")},
     {{"r_max_lights", "8"}}},
    {"lone CR lines: an unknown word discards to the end",
     "r_bloom false\r[x] r_flora true\rr_shadows true\r",
     {set("r_bloom", "false"), unrecognized("[x]")},
     {{"r_bloom", "false"}}},
    {"a lone CR is whitespace between entries",
     "r_bloom\rfalse\rr_flora\rtrue\r",
     {set("r_bloom", "false"), set("r_flora", "true")},
     {{"r_bloom", "false"}, {"r_flora", "true"}}},
    {"byte order mark is part of the first word",
     "\xEF\xBB\xBFr_bloom false\nr_flora true\n",
     {unrecognized("\xEF\xBB\xBFr_bloom"), set("r_flora", "true")},
     {{"r_flora", "true"}}},
    {"the plain spelling is no key, the client's is",
     "r_particlesinreflections false\nr_particlesinrelfections false\nr_particlesinrelfectionsinhouse true\n",
     {unrecognized("r_particlesinreflections"), set("r_particlesinrelfections", "false"),
      set("r_particlesinrelfectionsinhouse", "true")},
     {{"r_particlesinrelfections", "false"}, {"r_particlesinrelfectionsinhouse", "true"}}},
    {"15-character value", "r_max_lights " + value_15, {set("r_max_lights", value_15)}, {{"r_max_lights", value_15}}},
    {"300-character value kept whole",
     "r_max_lights " + value_300 + "\nr_flora true",
     {set("r_max_lights", value_300), set("r_flora", "true")},
     {{"r_max_lights", value_300}, {"r_flora", "true"}}},
    {"127-character name", name_127 + " x\n", {unrecognized(name_127)}, {}},
    {"5000-character name quoted whole",
     long_name + " r_bloom false\nr_flora true",
     {unrecognized(long_name), set("r_flora", "true")},
     {{"r_flora", "true"}}},
    {"XML-special value is stored raw",
     "r_flora a<b&\"c\">",
     {set("r_flora", "a<b&\"c\">")},
     {{"r_flora", "a<b&\"c\">"}}},
    {"UTF-8 value",
     "r_flora Zo\xC3\xAB\xF0\x9F\x98\x80",
     {set("r_flora", "Zo\xC3\xAB\xF0\x9F\x98\x80")},
     {{"r_flora", "Zo\xC3\xAB\xF0\x9F\x98\x80"}}},
    {"control character refused",
     "r_flora tr\x01ue\nr_bloom false\n",
     {refused("r_flora"), set("r_bloom", "false")},
     {{"r_bloom", "false"}}},
    {"NUL refused", std::string("r_flora a\0b", 11), {refused("r_flora")}, {}},
    {"invalid UTF-8 refused, earlier value kept",
     "r_flora true\nr_flora \xC3(\nr_flora \xC0\xAF\nr_flora \xED\xA0\x80\nr_flora \xEF\xBF\xBF\n",
     {set("r_flora", "true"), refused("r_flora"), refused("r_flora"), refused("r_flora"), refused("r_flora")},
     {{"r_flora", "true"}}},
    {"invalid bytes in an unknown word are logged raw", "\xFF\xFE x\n", {unrecognized("\xFF\xFE")}, {}},
};

void expect_values(const SettingTable& table, const std::map<std::string, std::string>& changed, const char* what) {
    for (const SettingTable::Row& row : table.rows()) {
        const auto found = changed.find(std::string(row.definition->key));
        const std::string expected =
            found == changed.end() ? std::string(row.definition->default_value) : found->second;
        EXPECT_EQ(row.value, expected) << what << ": " << row.definition->key;
    }
}

TEST(SettingsReader, HandlesEachEntryAsTheFileFormatSays) {
    for (const ReaderCase& c : reader_cases) {
        // Tiny buffers put every word and line end across a refill.
        for (const std::size_t buffer_size : {1, 3, 65536}) {
            kestrin::TextInput input = kestrin::TextInput::from_bytes(c.input, buffer_size);
            SettingTable table;
            CapturedLog captured;
            kestrin::read_settings(input, table, captured.log);
            EXPECT_EQ(captured.lines(), c.log) << c.what << ", buffer " << buffer_size;
            expect_values(table, c.values, c.what);
            EXPECT_EQ(captured.errors, "") << c.what;
        }
    }
}

TEST(SettingsReader, StopsAtAReadErrorAndKeepsWhatItRead) {
    bool served = false;
    kestrin::TextInput input([&served](char* buffer, std::size_t) -> std::ptrdiff_t {
        if (served) return -1;
        served = true;
        std::memcpy(buffer, "r_bloom false\n", 14);
        return 14;
    });
    SettingTable table;
    CapturedLog captured;
    kestrin::read_settings(input, table, captured.log);
    EXPECT_TRUE(input.failed());
    EXPECT_EQ(captured.lines(), std::vector<std::string>{set("r_bloom", "false")});
}

}  // namespace
