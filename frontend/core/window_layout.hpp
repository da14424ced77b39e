#pragma once

#include <array>
#include <string_view>

// The main window's controls: what each is, where it stands and in which
// order Tab reaches it. Places and sizes are in twips (1440 to the inch), so
// that one table serves every screen resolution.
namespace presets {

enum class ControlKind {
    output_list,
    push_button,
    drop_down_list,
    directory_list,
    text_box,
    drive_list,
    file_list,
    label
};

struct TwipsRect {
    int left, top, width, height;
};

struct ControlDefinition {
    int id;
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    TwipsRect place;
    // Labels come after every control that takes the focus and never take it.
    int tab_index;
};

namespace control_id {
inline constexpr int output_list = 1001;     // List1
inline constexpr int exit_button = 1002;     // Command2
inline constexpr int profile_number = 1003;  // Combo1
inline constexpr int directory_list = 1004;  // Dir1
inline constexpr int path_box = 1005;        // Text1
inline constexpr int drive_list = 1006;      // Drive1
inline constexpr int go_button = 1007;       // Command1
inline constexpr int file_list = 1008;       // File1
inline constexpr int profile_label = 1009;   // Label2
inline constexpr int output_label = 1010;    // Label1
}  // namespace control_id

inline constexpr std::string_view window_title = "Kestrin";
inline constexpr int client_width = 5925;
inline constexpr int client_height = 7305;

inline constexpr std::array<ControlDefinition, 10> controls = {{
    {control_id::output_list, "List1", ControlKind::output_list, "", {0, 3840, 5895, 3375}, 7},
    {control_id::exit_button, "Command2", ControlKind::push_button, "Exit", {4680, 2880, 1215, 495}, 6},
    {control_id::profile_number, "Combo1", ControlKind::drop_down_list, "", {4680, 2280, 1215, 315}, 5},
    {control_id::directory_list, "Dir1", ControlKind::directory_list, "", {0, 0, 2175, 3015}, 3},
    {control_id::path_box, "Text1", ControlKind::text_box, "Text1", {0, 3120, 4575, 285}, 1},
    {control_id::drive_list, "Drive1", ControlKind::drive_list, "", {4680, 0, 1215, 315}, 2},
    {control_id::go_button, "Command1", ControlKind::push_button, "Go!", {4680, 600, 1215, 1215}, 0},
    {control_id::file_list, "File1", ControlKind::file_list, "", {2160, 0, 2415, 3015}, 4},
    {control_id::profile_label, "Label2", ControlKind::label, "Profile Number", {4680, 1920, 1215, 255}, 9},
    {control_id::output_label, "Label1", ControlKind::label, "Output", {0, 3480, 5895, 255}, 8},
}};

// The controls in tab order.
std::array<const ControlDefinition*, controls.size()> tab_order();

// Twips to whole pixels at the given dots per inch, rounded to the nearest.
int twips_to_pixels(int twips, int dpi);

}  // namespace presets
