#include "colour_value.h"
#include "vga_colour_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

using namespace colour;
using Text = std::string_view;
using Int = std::int64_t;
using Str = std::string;
constexpr std::nullopt_t kFails = std::nullopt;

// One row a case: the input and what `f` gives for it.
template <typename In, typename Out, typename F>
void ExpectTable(F f, std::initializer_list<std::pair<In, Out>> cases) {
    for (const auto& [in, out] : cases) EXPECT_EQ(f(in), out) << testing::PrintToString(in);
}

// The code's pairs and their order. (The digit readers and writers, the decimal texts and the rounding are
// the fuzz target's properties, which also run on its corpus with these tests: ColourPropertiesOnTheCorpus.)
TEST(ColourHexTest, PairsAndCodes) {
    ExpectTable<Text, Str>(SwapOuterPairs, {{"", ""}, {"ABC", "BCCAB"}, {"FF8000", "0080FF"}});
    ExpectTable<std::pair<Text, int>, Str>([](auto c) { return CodePair(c.first, c.second); }, {
        {{"FF8000", 0}, "FF"}, {{"FF8000", 2}, "00"}, {{"FF80", 2}, ""}, {{"FF8", 1}, "8"}, {{"", 0}, ""}});
    ExpectTable<std::tuple<Text, Text, Text>, std::optional<Str>>(
        [](auto c) { return std::apply(HexCodeFromComponents, c); }, {{{"255", "128", "0"}, "FF8000"},
        {{"007", "10", "255"}, "070AFF"}, {{"", "0", "0"}, kFails}});
}

TEST(ColourHexTest, EveryColourValueRoundTrips) {
    constexpr const char* digit = "0123456789ABCDEF";
    Int failing = -1;  // the lowest colour value whose code is wrong or reads back wrong
    for (Int v = kWhite; v >= 0; --v) {
        const Str code = {digit[v >> 4 & 15], digit[v & 15], digit[v >> 12 & 15], digit[v >> 8 & 15],
                          digit[v >> 20], digit[v >> 16 & 15]};
        if (HexCodeFromColourValue(v) != code || ColourValueFromCode(code) != v) failing = v;
    }
    EXPECT_EQ(failing, -1);
}

// The numeric reading of a field's text, by the examples of its definition.
TEST(ColourReadingTest, LeadingNumber) {
    // blanks count for nothing; "&H"/"&O" read hexadecimal and octal, up to four hex digits as 16 bits
    const Str huge = "1." + Str(500, '5') + "e400";  // out of range: told by the place of its first digit
    ExpectTable<Text, double>(LeadingNumber, {{"", 0}, {"  12 3", 123}, {"1e3", 1000}, {"12,5", 12}, {"abc", 0},
        {huge, INFINITY}, {"255x", 255}, {"007", 7}, {"-1.5e1x", -15}, {"1E-2", 0.01}, {"1e+400", INFINITY},
        {"1e-400", 0}, {"&HFF", 255}, {"&hFFFF", -1}, {"&O777", 511}, {"&o17", 15}, {"&X12", 0}, {"&", 0}});
}

// The names that VGA text mode shows, by box. (The boxes' colours and tooltips are read end to end.)
TEST(VgaColourTableTest, Names) {
    Str names;
    for (const VgaColour& c : VgaColorTable) names += Str(c.name) + " ";
    EXPECT_EQ(names, "black maroon green olive navy purple teal silver gray red lime yellow blue fuchsia aqua white ");
}
