#include "setting_table.hpp"

namespace kestrin {

SettingTable::SettingTable() {
    for (std::size_t i = 0; i < setting_count; ++i) rows_[i].definition = &setting_definitions[i];
    reset();
}

void SettingTable::reset() {
    for (Row& row : rows_) row.value = std::string(row.definition->default_value);
}

SettingTable::Row* SettingTable::find(std::string_view word) {
    for (Row& row : rows_) {
        if (row.definition->key == word) return &row;
    }
    return nullptr;
}

}  // namespace kestrin
