#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrin {

// One graphics setting that a custom preset carries.
struct SettingDefinition {
    // Matched against the recent-settings file and written into the preset.
    std::string_view key;
    // Named when the run log reports the writing of the setting; the client's
    // keys for two rows are misspelt, and the log spells them properly.
    std::string_view log_name;
    std::string_view default_value;
};

inline constexpr std::size_t setting_count = 53;

// In the order in which the preset file lists them.
inline constexpr std::array<SettingDefinition, setting_count> setting_definitions = {{
    {"r_frame_buffer_scale", "r_frame_buffer_scale", "1.000"},
    {"r_light_buffer_scale", "r_light_buffer_scale", "1.000"},
    {"o_max_farplane", "o_max_farplane", "1000.0"},
    {"r_fast_layer_min_distance", "r_fast_layer_min_distance", "25.0"},
    {"cl_textureshrink", "cl_textureshrink", "0.0"},
    {"cl_charactertextureshrink", "cl_charactertextureshrink", "0.0"},
    {"r_texture_lodding_shrink", "r_texture_lodding_shrink", "1.0"},
    {"r_bloom", "r_bloom", "true"},
    {"r_bloom_atmospheric", "r_bloom_atmospheric", "false"},
    {"r_heatshimmer", "r_heatshimmer", "false"},
    {"r_underwaterdistortion", "r_underwaterdistortion", "false"},
    {"r_splashes", "r_splashes", "0.0"},
    {"splash_particles_enabled", "splash_particles_enabled", "false"},
    {"r_update_procedural_textures", "r_update_procedural_textures", "true"},
    {"r_drawocean_quality", "r_drawocean_quality", "0.0"},
    {"r_envcube_updates", "r_envcube_updates", "1.0"},
    {"r_reflections", "r_reflections", "1.0"},
    {"r_reflectionsinsidehouse", "r_reflectionsinsidehouse", "false"},
    {"r_particle_priority", "r_particle_priority", "1.0"},
    {"num_active_spell_results", "num_active_spell_results", "3.0"},
    {"r_particlesinrelfections", "r_particlesinreflections", "true"},
    {"r_particlesinrelfectionsinhouse", "r_particlesinreflectionsinhouse", "false"},
    {"r_particle_lod_scale", "r_particle_lod_scale", "1.0"},
    {"r_point_particle_max_size", "r_point_particle_max_size", "0.300000"},
    {"r_point_particle_near_plane", "r_point_particle_near_plane", "0.0"},
    {"r_light_priority", "r_light_priority", "2.0"},
    {"r_max_torches", "r_max_torches", "1.0"},
    {"r_torch_intensity", "r_torch_intensity", "1.0"},
    {"r_max_lights", "r_max_lights", "4.0"},
    {"r_light_spec", "r_light_spec", "true"},
    {"r_rain_spec", "r_rain_spec", "false"},
    {"r_max_spec_lights", "r_max_spec_lights", "1.0"},
    {"r_light_bump_max_distance", "r_light_bump_max_distance", "5.0"},
    {"r_min_dir_ambient_intensity", "r_min_dir_ambient_intensity", "0.300"},
    {"r_shadow_priority", "r_shadow_priority", "1.0"},
    {"r_shadows", "r_shadows", "false"},
    {"r_shadows_torch", "r_shadows_torch", "true"},
    {"r_shadows_characters", "r_shadows_characters", "true"},
    {"r_shadows_on_flora", "r_shadows_on_flora", "true"},
    {"r_shadows_other", "r_shadows_other", "false"},
    {"r_shadows_spec", "r_shadows_spec", "false"},
    {"cl_lod_scale", "cl_lod_scale", "1.0"},
    {"cl_lod_tridensity", "cl_lod_tridensity", "80000.0"},
    {"r_ec_max_lod0", "r_ec_max_lod0", "5.0"},
    {"r_ec_max_lod1", "r_ec_max_lod1", "100.0"},
    {"r_min_anim_update_rate", "r_min_anim_update_rate", "0.100"},
    {"r_anim_update_start", "r_anim_update_start", "0.050"},
    {"r_initial_point_weight", "r_initial_point_weight", "0.900"},
    {"r_particle_cloth", "r_particle_cloth", "true"},
    {"r_flora", "r_flora", "false"},
    {"r_flora_displacement", "r_flora_displacement", "false"},
    {"r_flora_radius_scale", "r_flora_radius_scale", "1.0"},
    {"r_flora_density_scale", "r_flora_density_scale", "1.0"},
}};

// The current values of one run, one per setting, held exactly as read.
class SettingTable {
public:
    struct Row {
        const SettingDefinition* definition;
        std::string value;
    };

    // A new table holds the defaults.
    SettingTable();
    void reset();
    // The row whose key is exactly word, or nullptr.
    Row* find(std::string_view word);
    const std::array<Row, setting_count>& rows() const { return rows_; }

private:
    std::array<Row, setting_count> rows_;
};

}  // namespace kestrin
