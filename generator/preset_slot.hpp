#pragma once

#include <array>
#include <string_view>

namespace kestrin {

// One of the three custom-preset checkboxes of the client's user interface.
struct PresetSlot {
    std::string_view number;
    std::string_view file_name;
    // Opens the checkbox and its OnSet script, which first clears the other
    // two preset checkboxes.
    std::string_view header;
};

inline constexpr std::array<PresetSlot, 3> preset_slots = {{
    {"1", "vyrui_custompreset1.xml",
     "<Checkbox BackgroundColor=\"#FFFFFF\" BackgroundOpacity=\"1.000\" LocalTooltip=\"Custom Preset 1\" "
     "Location=\"4,7\" Name=\"Custom1\" OnSet=\"Parent.Custom2.checked=false Parent.Custom2.checked=false "
     "Parent.Custom3.checked=false Parent.Custom3.checked=false"},
    {"2", "vyrui_custompreset2.xml",
     "<Checkbox BackgroundColor=\"#FFFFFF\" BackgroundOpacity=\"1.000\" LocalTooltip=\"Custom Preset 2\" "
     "Location=\"4,21\" Name=\"Custom2\" OnSet=\"Parent.Custom1.checked=false Parent.Custom1.checked=false "
     "Parent.Custom3.checked=false Parent.Custom3.checked=false"},
    {"3", "vyrui_custompreset3.xml",
     "<Checkbox BackgroundColor=\"#FFFFFF\" BackgroundOpacity=\"1.000\" LocalTooltip=\"Custom Preset 3\" "
     "Location=\"4,35\" Name=\"Custom3\" OnSet=\"Parent.Custom1.checked=false Parent.Custom1.checked=false "
     "Parent.Custom2.checked=false Parent.Custom2.checked=false"},
}};

// The slot whose number is exactly the given text, or nullptr.
inline const PresetSlot* find_preset_slot(std::string_view number) {
    for (const PresetSlot& slot : preset_slots) {
        if (slot.number == number) return &slot;
    }
    return nullptr;
}

}  // namespace kestrin
