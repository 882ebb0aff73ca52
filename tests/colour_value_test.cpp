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

// The examples of the notations' definitions; inputs no field can produce (negative or 64-bit numbers,
// lower-case or non-ASCII codes) are the fuzz target's properties.
TEST(ColourHexTest, DigitsPairsAndCodes) {
    // upper-case digits only, anything else skipped without shifting
    ExpectTable<Text, Int>(HexDigitsToNumber, {{"", 0}, {"F", 15}, {"0C", 12}, {"ff", 0}, {"#FF", 255}, {"1G2", 18},
        {"00FF00", 65280}, {"FFFFFF", 16777215}});
    ExpectTable<Int, Str>(HexText, {{0, "0"}, {10, "A"}, {255, "FF"}, {256, "100"}, {16777215, "FFFFFF"}});
    ExpectTable<Int, Str>(TwoDigitHex, {{0, "00"}, {9, "09"}, {10, "0A"}, {255, "FF"}, {256, "100"}});
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

TEST(ColourReadingTest, DecimalsInAndOut) {
    ExpectTable<Int, Str>(DecimalText, {{0, "0"}, {16777215, "16777215"}});
    // blanks count for nothing; "&H"/"&O" read hexadecimal and octal, up to four hex digits as 16 bits
    const Str huge = "1." + Str(500, '5') + "e400";  // out of range: told by the place of its first digit
    ExpectTable<Text, double>(LeadingNumber, {{"", 0}, {"  12 3", 123}, {"1e3", 1000}, {"12,5", 12}, {"abc", 0}, {huge, INFINITY},
        {"255x", 255}, {"007", 7}, {"-1.5e1x", -15}, {"1E-2", 0.01}, {"1e+400", INFINITY}, {"1e-400", 0},
        {"&HFF", 255}, {"&hFFFF", -1}, {"&O777", 511}, {"&o17", 15}, {"&X12", 0}, {"&", 0}});
    // white space before and after the number only; fractions to the even neighbour
    ExpectTable<Text, std::optional<std::int32_t>>(TextToInteger, {{"007", 7}, {" 5 ", 5}, {"2.5", 2}, {"3.5", 4},
        {"12abc", kFails}, {"", kFails}, {"1 2", kFails}, {"2147483648", kFails}});
    ExpectTable<double, std::optional<std::int32_t>>(NearestInteger, {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2},
        {16777215.0, 16777215}, {2147483647.6, kFails}, {NAN, kFails}});
}

// The names that VGA text mode shows, by box. (The boxes' colours and tooltips are read end to end.)
TEST(VgaColourTableTest, Names) {
    Str names;
    for (const VgaColour& c : VgaColorTable) names += Str(c.name) + " ";
    EXPECT_EQ(names, "black maroon green olive navy purple teal silver gray red lime yellow blue fuchsia aqua white ");
}
