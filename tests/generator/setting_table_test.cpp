#include "setting_table.hpp"

#include <gtest/gtest.h>

#include <set>

namespace {

using kestrin::SettingTable;

TEST(SettingTable, KeysAreDistinctAndLogNamesDifferOnlyForTheMisspeltRows) {
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < kestrin::setting_definitions.size(); ++i) {
        const auto& definition = kestrin::setting_definitions[i];
        keys.insert(definition.key);
        if (i == 20 || i == 21) continue;
        EXPECT_EQ(definition.log_name, definition.key) << "row " << i + 1;
    }
    EXPECT_EQ(keys.size(), 53u);
    EXPECT_EQ(kestrin::setting_definitions[20].log_name, "r_particlesinreflections");
    EXPECT_EQ(kestrin::setting_definitions[21].log_name, "r_particlesinreflectionsinhouse");
}

TEST(SettingTable, FindsOnlyTheExactKey) {
    SettingTable table;
    ASSERT_NE(table.find("r_bloom"), nullptr);
    EXPECT_EQ(table.find("r_bloom")->definition, &kestrin::setting_definitions[7]);
    for (const char* word : {"R_BLOOM", "r_bloom ", "r_bloo", "r_bloomx", "", "r_particlesinreflections"}) {
        EXPECT_EQ(table.find(word), nullptr) << word;
    }
}

TEST(SettingTable, ResetRestoresEveryDefault) {
    SettingTable table;
    for (const auto& definition : kestrin::setting_definitions) table.find(definition.key)->value = "changed";
    table.reset();
    for (const auto& row : table.rows()) EXPECT_EQ(row.value, row.definition->default_value);
}

}  // namespace
