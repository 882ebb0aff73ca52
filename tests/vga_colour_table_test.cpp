#include "vga_colour_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace colour {
namespace {

// The palette's colours by their hex codes (red first), left column then right.
TEST(VgaColorTableTest, NamesAndColours) {
    const struct {
        std::string_view name;
        std::string_view code;
    } expected[kVgaColourCount] = {
        {"black", "000000"}, {"maroon", "800000"}, {"green", "008000"},  {"olive", "808000"},
        {"navy", "000080"},  {"purple", "800080"}, {"teal", "008080"},   {"silver", "C0C0C0"},
        {"gray", "808080"},  {"red", "FF0000"},    {"lime", "00FF00"},   {"yellow", "FFFF00"},
        {"blue", "0000FF"},  {"fuchsia", "FF00FF"}, {"aqua", "00FFFF"}, {"white", "FFFFFF"},
    };
    for (std::size_t i = 0; i < kVgaColourCount; ++i) {
        EXPECT_EQ(VgaColorTable[i].name, expected[i].name) << i;
        EXPECT_EQ(HexCodeFromColourValue(VgaColorTable[i].value), expected[i].code) << i;
    }
}

// "VGA-<German word>/<name>", in UTF-8; the umlauts and the sharp s are
// spelt out as bytes so that the check does not depend on this file's encoding.
TEST(VgaColorTableTest, Tooltips) {
    const std::set<std::string_view> withUmlautOrSharpS = {
        "VGA-gr\xC3\xBCn/green", "VGA-gr\xC3\xBCnblau/teal", "VGA-hellgr\xC3\xBCn/lime",
        "VGA-t\xC3\xBCrkis/aqua", "VGA-wei\xC3\x9F/white"};
    std::set<std::string_view> found;
    for (const VgaColour& c : VgaColorTable) {
        const std::string_view tip = c.tooltip;
        EXPECT_TRUE(tip.starts_with("VGA-") && tip.ends_with("/" + std::string(c.name))) << tip;
        if (withUmlautOrSharpS.contains(tip)) {
            found.insert(tip);
        } else {
            const auto ascii = [](char ch) { return static_cast<unsigned char>(ch) < 0x80; };
            EXPECT_TRUE(std::all_of(tip.begin(), tip.end(), ascii)) << tip;
        }
    }
    EXPECT_EQ(found, withUmlautOrSharpS);
}

}  // namespace
}  // namespace colour
