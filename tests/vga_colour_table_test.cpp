#include "vga_colour_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

namespace colour {
namespace {

// Whether the text is well-formed UTF-8 (shortest forms, no surrogates).
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned lowest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        unsigned code = lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0U) != 0x80U) return false;
            code = (code << 6U) | (next & 0x3FU);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

TEST(VgaColorTableTest, BlackWhiteAndTheGreens) {
    ASSERT_EQ(VgaColorTable.size(), 16U);
    EXPECT_EQ(VgaColorTable[0].name, "black");
    EXPECT_EQ(VgaColorTable[0].value, 0);
    EXPECT_EQ(VgaColorTable[15].name, "white");
    EXPECT_EQ(VgaColorTable[15].value, kWhite);
    EXPECT_EQ(VgaColorTable[2].value, 32768);
    EXPECT_EQ(VgaColorTable[10].value, 65280);
}

TEST(VgaColorTableTest, ComponentsAndHexCodes) {
    constexpr std::string_view kCodes[kVgaColourCount] = {
        "000000", "800000", "008000", "808000", "000080", "800080", "008080", "C0C0C0",
        "808080", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF",
    };
    std::set<ColourValue> values;
    for (std::size_t i = 0; i < kVgaColourCount; ++i) {
        const VgaColour& c = VgaColorTable[i];
        SCOPED_TRACE(c.name);
        values.insert(c.value);
        EXPECT_EQ(HexCodeFromColourValue(c.value), kCodes[i]);
        EXPECT_EQ(ColourValueFromCode(kCodes[i]), c.value);
        for (const int shift : {0, 8, 16}) {
            const int component = (c.value >> shift) & 0xFF;
            EXPECT_TRUE(component == 0 || component == 128 || component == 192 || component == 255)
                << component;
            EXPECT_EQ(component == 192, c.name == "silver") << component;
        }
    }
    EXPECT_EQ(values.size(), kVgaColourCount);
}

TEST(VgaColorTableTest, NamesAndTooltips) {
    const std::set<std::size_t> with_umlaut_or_sharp_s = {2, 6, 10, 14, 15};
    for (std::size_t i = 0; i < kVgaColourCount; ++i) {
        const VgaColour& c = VgaColorTable[i];
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.name.size(), 3U);
        EXPECT_LE(c.name.size(), 7U);
        EXPECT_TRUE(std::all_of(c.name.begin(), c.name.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; }));

        EXPECT_TRUE(c.tooltip.starts_with("VGA-"));
        std::string slash_name = "/";
        slash_name += c.name;
        EXPECT_TRUE(c.tooltip.ends_with(slash_name));
        EXPECT_TRUE(IsValidUtf8(c.tooltip));
        const bool umlaut_or_sharp_s = c.tooltip.find("\xC3\xBC") != std::string_view::npos ||  // ü
                                       c.tooltip.find("\xC3\x9F") != std::string_view::npos;    // ß
        const bool ascii = std::all_of(c.tooltip.begin(), c.tooltip.end(),
                                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
        EXPECT_EQ(umlaut_or_sharp_s, with_umlaut_or_sharp_s.contains(i));
        EXPECT_EQ(ascii, !umlaut_or_sharp_s);
    }
}

}  // namespace
}  // namespace colour
