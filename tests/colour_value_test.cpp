#include "colour_value.h"
#include "vga_colour_table.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(ColourHexTest, DigitsPairsAndCodes) {
    // upper-case digits only, anything else skipped without shifting; wraps modulo 2^64
    ExpectTable<Text, Int>(HexDigitsToNumber, {{"", 0}, {"0C", 12}, {"0080FF", 33023}, {"ff", 0}, {"1G2", 18},
        {"F\xC3\xBC" "F", 255}, {"FFFFFFFFFFFFFFFF", -1}, {"10000000000000001", 1}});
    // negative numbers in 32-bit two's complement where they fit, else in 64 bits
    ExpectTable<Int, Str>(HexText, {{0, "0"}, {10, "A"}, {256, "100"}, {-1, "FFFFFFFF"}, {INT32_MIN, "80000000"},
        {INT32_MIN - 1LL, "FFFFFFFF7FFFFFFF"}, {INT64_MIN, "8000000000000000"}, {INT64_MAX, "7FFFFFFFFFFFFFFF"}});
    ExpectTable<Int, Str>(TwoDigitHex, {{0, "00"}, {9, "09"}, {10, "0A"}, {255, "FF"}, {256, "100"}, {-1, "FFFFFFFF"}});
    ExpectTable<Text, Str>(SwapOuterPairs, {{"", ""}, {"A", "AA"}, {"AB", "ABAB"}, {"ABC", "BCCAB"},
        {"ABCD", "CDCDAB"}, {"ABCDE", "DECDAB"}, {"ABCDEFGH", "GHCDAB"}});
    // texts that no colour gives; the codes of the colours follow in the round trip below
    ExpectTable<Text, Int>(ColourValueFromCode, {{"", 0}, {"ff0000", 0}, {"FF00", 255}, {"FF80G0", 33023},
        {"FF8000AA", 11174143}});
    ExpectTable<Int, Str>(HexCodeFromColourValue, {{16777216, "1000000"}, {-1, "FFFFFFFF"}});
    ExpectTable<std::pair<Text, int>, Str>([](auto c) { return CodePair(c.first, c.second); }, {
        {{"FF8000", 0}, "FF"}, {{"FF8000", 2}, "00"}, {{"FF80", 2}, ""}, {{"FF8", 1}, "8"}, {{"", 0}, ""},
        {{"FF8000", -1}, ""}, {{"FF8000", INT32_MAX}, ""}});
    ExpectTable<std::tuple<Text, Text, Text>, std::optional<Str>>(
        [](auto c) { return std::apply(HexCodeFromComponents, c); }, {{{"255", "128", "0"}, "FF8000"},
        {{"007", "10", "255"}, "070AFF"}, {{" 12 ", "\t1.5", "254.5\r\n"}, "0C02FE"},
        {{"", "0", "0"}, kFails}, {{"255", "x", "0"}, kFails}, {{"0", "0", "1,5"}, kFails}});
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
    ExpectTable<Int, Str>(DecimalText, {{0, "0"}, {-5, "-5"}, {1234567890, "1234567890"},
        {INT64_MAX, "9223372036854775807"}, {INT64_MIN, "-9223372036854775808"}});
    // beyond the range of double: told apart by the place of the first digit, the exponent saturating
    const Str nines(10000, '9'), tiny = "0." + Str(10000, '0') + "42e";  // 4.2e-10000 before its exponent
    ExpectTable<Text, double>(LeadingNumber, {{"", 0}, {"12,5", 12}, {"-1.5e1x", -15}, {"+5", 5}, {"1E-2", 0.01},
        {"1e", 1}, {"1e+", 1}, {".", 0}, {"1.2.3", 1.2}, {"1e400", INFINITY}, {"-1e400", -INFINITY}, {"1e-400", 0},
        {"1e9999999999999999999", INFINITY}, {nines, INFINITY}, {tiny + "10002", 42}, {tiny + "10400", INFINITY},
        {tiny + "400", 0},
        // all ASCII white space removed from the whole text first, no other character
        {"\t1\n2 ", 12}, {"\r2\v0\f0\r", 200}, {"\xC2\xA0" "5", 0}, {"\r\n&\rH\v7\fF", 127},
        // "&H" up to four digits 16 bits, up to eight 32 bits, beyond that not wrapped; "&O" alike
        {"&HFFFF", -1}, {"&H8000", -32768}, {"&hff", 255}, {"&H10000", 65536}, {"&H0000FFFF", 65535},
        {"&HFFFFFFFF", -1}, {"&H80000000", -2147483648.0}, {"&HFFFFFFFFFFFF", 281474976710655.0}, {"&H12G4", 18},
        {"&H-1", 0}, {"&H0FFFF", 65535}, {"&H0FFFFFFFF", 4294967295.0}, {"&O177777", -1}, {"&o777", 511},
        {"&O37777777777", -1}, {"&O40000000000", 4294967296.0}, {"&O2000000000000000000000", 18446744073709551616.0},
        {"&O200000", 65536}, {"&O0000177777", 65535}, {"&O8", 0}, {"&", 0}, {"&X12", 0}, {"&12", 0}});
    // white space before and after the number only; fractions to the even neighbour
    ExpectTable<Text, std::optional<std::int32_t>>(TextToInteger, {{"007", 7}, {"200\r\n", 200},
        {"\n\v\f\r\t 5 \t\r\f\v\n", 5}, {"-2.5", -2}, {"3.5", 4}, {"1e2", 100}, {"-2147483648", INT32_MIN},
        {"12abc", kFails}, {"", kFails}, {" \r\n", kFails}, {"2147483648", kFails}, {"1\r2", kFails},
        {"- 5", kFails}, {".", kFails}, {"1e", kFails}, {"&HFF", kFails}});
    ExpectTable<double, std::optional<std::int32_t>>(NearestInteger, {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0},
        {-3.5, -4}, {0.49999999999999994, 0}, {-1.4999999999999998, -1}, {2147483647.4, INT32_MAX},
        {2147483647.6, kFails}, {-2147483648.5, INT32_MIN}, {-2147483648.6, kFails}, {INFINITY, kFails},
        {NAN, kFails}});
}

// The umlauts and the sharp s as bytes, so that the check does not depend on this file's encoding.
TEST(VgaColourTableTest, ObservableFacts) {
    const auto at = [&t = VgaColorTable](int i) { return std::tuple(t[i].name, t[i].value, t[i].tooltip); };
    ExpectTable<int, std::tuple<Text, ColourValue, Text>>(at, {{0, {"black", 0, "VGA-schwarz/black"}},
        {2, {"green", 32768, "VGA-gr\xC3\xBCn/green"}}, {6, {"teal", 8421376, "VGA-gr\xC3\xBCnblau/teal"}},
        {7, {"silver", 12632256, "VGA-silber/silver"}}, {10, {"lime", 65280, "VGA-hellgr\xC3\xBCn/lime"}},
        {14, {"aqua", 16776960, "VGA-t\xC3\xBCrkis/aqua"}}, {15, {"white", 16777215, "VGA-wei\xC3\x9F/white"}}});
    for (const VgaColour& c : VgaColorTable) {
        // red, green, and blue with anything above it
        for (const int v : {c.value & 0xFF, (c.value >> 8) & 0xFF, c.value >> 16})
            EXPECT_TRUE(v == 0 || v == 128 || v == 255 || (v == 192 && c.name == "silver")) << c.name;
        const bool lower = std::ranges::all_of(c.name, [](char ch) { return ch >= 'a' && ch <= 'z'; });
        EXPECT_TRUE(lower && c.name.size() >= 3 && c.name.size() <= 7) << c.name;
        EXPECT_TRUE(c.tooltip.starts_with("VGA-") && c.tooltip.ends_with("/" + Str(c.name))) << c.tooltip;
    }
}
