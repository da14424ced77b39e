#include "window_layout.hpp"

#include <algorithm>

namespace presets {

std::array<const ControlDefinition*, controls.size()> tab_order() {
    std::array<const ControlDefinition*, controls.size()> order{};
    for (std::size_t i = 0; i < controls.size(); ++i) order[i] = &controls[i];
    std::sort(order.begin(), order.end(),
              [](const ControlDefinition* a, const ControlDefinition* b) { return a->tab_index < b->tab_index; });
    return order;
}

int twips_to_pixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

}  // namespace presets
