#include "window_layout.hpp"

#include <gtest/gtest.h>

namespace {

using presets::twips_to_pixels;

TEST(WindowLayout, EveryPlaceIsAWholePixelAt96Dpi) {
    EXPECT_EQ(twips_to_pixels(presets::client_width, 96), 395);
    EXPECT_EQ(twips_to_pixels(presets::client_height, 96), 487);
    for (const auto& control : presets::controls) {
        for (const int twips : {control.place.left, control.place.top, control.place.width, control.place.height}) {
            EXPECT_EQ(twips % 15, 0) << control.name;
        }
    }
    const auto& list = presets::controls[0];
    EXPECT_EQ(list.name, "List1");
    EXPECT_EQ(twips_to_pixels(list.place.top, 96), 256);
    EXPECT_EQ(twips_to_pixels(list.place.height, 96), 225);
}

TEST(WindowLayout, ScalesWithTheScreen) {
    EXPECT_EQ(twips_to_pixels(presets::client_width, 120), 494);  // 493.75
    EXPECT_EQ(twips_to_pixels(presets::client_width, 144), 593);  // 592.5
    EXPECT_EQ(twips_to_pixels(15, 192), 2);
    EXPECT_EQ(twips_to_pixels(0, 144), 0);
}

TEST(WindowLayout, TabOrderRunsFromGoToTheOutputListThenTheLabels) {
    std::vector<std::string_view> names;
    for (const auto* control : presets::tab_order()) names.push_back(control->name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Command1", "Text1", "Drive1", "Dir1", "File1", "Combo1",
                                                    "Command2", "List1", "Label1", "Label2"}));
}

}  // namespace
