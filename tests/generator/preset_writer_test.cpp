#include "preset_writer.hpp"

#include <gtest/gtest.h>

#include "captured_log.hpp"
#include "test_files.hpp"

namespace {

using kestrin::SettingTable;

struct Written {
    std::string preset;
    std::vector<std::string> log;
};

Written write(const kestrin::PresetSlot& slot, const SettingTable& table) {
    Written written;
    CapturedLog captured;
    kestrin::TextOutput out([&written](std::string_view bytes) { return written.preset.append(bytes), true; });
    kestrin::write_preset(slot, table, out, captured.log);
    EXPECT_TRUE(out.flush());
    written.log = captured.lines();
    return written;
}

TEST(PresetWriter, DefaultsGiveTheExactFileOfEachSlot) {
    const SettingTable table;
    const std::string slot1 = golden_file("slot1_defaults.xml");
    ASSERT_EQ(slot1.size(), 3407u);
    EXPECT_EQ(write(kestrin::preset_slots[0], table).preset, slot1);

    // Slots 2 and 3 differ from slot 1 in their header and footer only.
    for (const auto& slot : {kestrin::preset_slots[1], kestrin::preset_slots[2]}) {
        const std::string preset = write(slot, table).preset;
        EXPECT_EQ(preset.size(), 3408u) << slot.number;
        const auto lines = CapturedLog::split_lines(preset);
        const auto golden_lines = CapturedLog::split_lines(slot1);
        ASSERT_EQ(lines.size(), 109u);
        EXPECT_EQ(lines[1], slot.header);
        for (std::size_t i = 2; i < 107; ++i) EXPECT_EQ(lines[i], golden_lines[i]) << "line " << i + 1;
        EXPECT_EQ(lines[107],
                  "r_flora_density_scale=1.0\" ScrollExtent=\"14,15\" Size=\"14,15\" "
                  "Style=\"CustomStyle\" TextColor=\"#EBDEAA\" Tooltip=\"Custom Preset" +
                      std::string(slot.number) + "\"></Checkbox>");
        EXPECT_EQ(lines[108], golden_lines[108]);
    }
}

TEST(PresetWriter, ReportsEachStepInOrder) {
    const SettingTable table;
    const auto log = write(kestrin::preset_slots[0], table).log;
    ASSERT_EQ(log.size(), 56u);
    EXPECT_EQ(log.front(), "Beginning XML output...");
    EXPECT_EQ(log[1], "Writing header information...");
    EXPECT_EQ(log[2], "Writing \"r_frame_buffer_scale\" value...");
    EXPECT_EQ(log[22], "Writing \"r_particlesinreflections\" value...");
    EXPECT_EQ(log[23], "Writing \"r_particlesinreflectionsinhouse\" value...");
    EXPECT_EQ(log[54], "Writing \"r_flora_density_scale\" value...");
    EXPECT_EQ(log.back(), "Writing footer information...");
}

TEST(PresetWriter, WritesEachValueTwiceAsAttributeText) {
    SettingTable table;
    table.find("r_max_lights")->value = std::string(300, '9');
    table.find("r_flora")->value = "<&\"'>\xC3\xAB";
    const auto lines = CapturedLog::split_lines(write(kestrin::preset_slots[0], table).preset);
    ASSERT_EQ(lines.size(), 109u);
    // Row 29 fills lines 59 and 60, row 50 lines 101 and 102.
    EXPECT_EQ(lines[58], "r_max_lights=" + std::string(300, '9'));
    EXPECT_EQ(lines[59], lines[58]);
    EXPECT_EQ(lines[100], "r_flora=&lt;&amp;&quot;'&gt;\xC3\xAB");
    EXPECT_EQ(lines[101], lines[100]);
}

}  // namespace
