// The sixteen colours of the VGA standard palette, with the name HTML knows
// them by and the tooltip the palette shows (German colour word / English name).
#pragma once

#include <array>
#include <string_view>

#include "colour_value.h"

namespace colour {

struct VgaColour {
    std::string_view name;     // HTML colour name
    ColourValue value;         // red + 256 * green + 65536 * blue
    std::string_view tooltip;  // UTF-8
};

inline constexpr std::size_t kVgaColourCount = 16;

// Index = box of the palette: 0 to 7 the left column, 8 to 15 the right one.
inline constexpr std::array<VgaColour, kVgaColourCount> VgaColorTable{{
    {"black", 0, "VGA-schwarz/black"},
    {"maroon", 128, "VGA-dunkelrot/maroon"},
    {"green", 32768, "VGA-grün/green"},
    {"olive", 32896, "VGA-oliv/olive"},
    {"navy", 8388608, "VGA-marineblau/navy"},
    {"purple", 8388736, "VGA-lila/purple"},
    {"teal", 8421376, "VGA-grünblau/teal"},
    {"silver", 12632256, "VGA-silber/silver"},
    {"gray", 8421504, "VGA-grau/gray"},
    {"red", 255, "VGA-rot/red"},
    {"lime", 65280, "VGA-hellgrün/lime"},
    {"yellow", 65535, "VGA-gelb/yellow"},
    {"blue", 16711680, "VGA-blau/blue"},
    {"fuchsia", 16711935, "VGA-rosa/fuchsia"},
    {"aqua", 16776960, "VGA-türkis/aqua"},
    {"white", 16777215, "VGA-weiß/white"},
}};

}  // namespace colour
