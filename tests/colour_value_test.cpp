#include "colour_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>
#include <string_view>

// Counts heap allocations so the tests can check that converting between a
// colour value and its hex code stays inside the small-string buffer.
namespace {
std::size_t g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// Kept out of line so the compiler does not pair the free with a new expression.
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace colour {
namespace {

constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
const double kInf = std::numeric_limits<double>::infinity();

TEST(ColourHexTest, HexDigitsToNumber) {
    const struct {
        std::string_view text;
        std::int64_t expected;
    } cases[] = {
        {"", 0},           {"FF", 255},          {"0C", 12},         {"0080FF", 33023},
        {"00FF00", 65280}, {"FFFFFF", 16777215}, {"ff", 0},          {"1G2", 18},
        {"#FF", 255},      {"F F", 255},         {"F\xC3\xBC" "F", 255},
        {"7FFFFFFFFFFFFFFF", kInt64Max},
        {"FFFFFFFFFFFFFFFF", -1},      // wraps modulo 2^64
        {"10000000000000001", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(HexDigitsToNumber(c.text), c.expected) << c.text;
}

TEST(ColourHexTest, HexTextAndTwoDigitHex) {
    const struct {
        std::int64_t n;
        std::string_view hex;
        std::string_view two_digit;
    } cases[] = {
        {0, "0", "00"},        {9, "9", "09"},           {10, "A", "0A"},
        {255, "FF", "FF"},     {256, "100", "100"},      {16777215, "FFFFFF", "FFFFFF"},
        {-1, "FFFFFFFF", "FFFFFFFF"},
        {kInt32Min, "80000000", "80000000"},
        {kInt32Min - 1, "FFFFFFFF7FFFFFFF", "FFFFFFFF7FFFFFFF"},
        {kInt64Min, "8000000000000000", "8000000000000000"},
        {kInt64Max, "7FFFFFFFFFFFFFFF", "7FFFFFFFFFFFFFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexText(c.n), c.hex) << c.n;
        EXPECT_EQ(TwoDigitHex(c.n), c.two_digit) << c.n;
    }
}

TEST(ColourHexTest, SwapOuterPairsForEveryLength) {
    const struct {
        std::string_view code;
        std::string_view swapped;
    } cases[] = {
        {"", ""},           {"A", "AA"},          {"AB", "ABAB"},        {"ABC", "BCCAB"},
        {"ABCD", "CDCDAB"}, {"ABCDE", "DECDAB"},  {"FF8000", "0080FF"},  {"ABCDEFGH", "GHCDAB"},
    };
    for (const auto& c : cases) EXPECT_EQ(SwapOuterPairs(c.code), c.swapped) << c.code;
    EXPECT_EQ(SwapOuterPairs(SwapOuterPairs("12AB9F")), "12AB9F");
}

// Codes of colours follow from HexCodeFromColourValue's examples and the round
// trip of every value below; here texts that no colour gives.
TEST(ColourHexTest, ColourValueFromCodeOfOtherTexts) {
    EXPECT_EQ(ColourValueFromCode(""), 0);
    EXPECT_EQ(ColourValueFromCode("ff0000"), 0);
    EXPECT_EQ(ColourValueFromCode("FF00"), 255);  // read as "0000FF"
}

TEST(ColourHexTest, HexCodeFromColourValue) {
    const struct {
        std::int64_t value;
        std::string_view code;
    } cases[] = {
        {0, "000000"},        {1, "010000"},        {15, "0F0000"},       {255, "FF0000"},
        {256, "000100"},      {4096, "001000"},     {65535, "FFFF00"},    {65536, "000001"},
        {33023, "FF8000"},    {1048576, "000010"},  {16777215, "FFFFFF"}, {16714247, "070AFF"},
        // outside the colour range the hex text is returned as it is
        {16777216, "1000000"}, {-1, "FFFFFFFF"},    {kInt64Max, "7FFFFFFFFFFFFFFF"},
        {kInt64Min, "8000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(HexCodeFromColourValue(c.value), c.code) << c.value;
}

TEST(ColourHexTest, EveryColourValueRoundTripsWithoutAllocating) {
    std::int64_t failures = 0;
    std::int64_t first_failure = -1;
    const std::size_t allocations_before = g_allocations;
    for (std::int64_t v = 0; v <= kWhite; ++v) {
        const std::string code = HexCodeFromColourValue(v);
        if (code.size() != kHexCodeLength ||
            code.find_first_not_of("0123456789ABCDEF") != std::string::npos ||
            ColourValueFromCode(code) != v) {
            if (failures++ == 0) first_failure = v;
        }
    }
    const std::size_t allocations = g_allocations - allocations_before;
    EXPECT_EQ(failures, 0) << "first failing value " << first_failure;
    EXPECT_EQ(allocations, 0U);
}

TEST(ColourHexTest, CodePair) {
    const struct {
        std::string_view code;
        int k;
        std::string_view pair;
    } cases[] = {
        {"FF8000", 0, "FF"},  {"FF8000", 1, "80"},  {"FF8000", 2, "00"},  {"FF80", 2, ""},
        {"FF8", 1, "8"},      {"", 0, ""},          {"FF8000", -1, ""},   {"FF8000", 3, ""},
        {"FF8000", std::numeric_limits<int>::max(), ""},
        {"FF8000", std::numeric_limits<int>::min(), ""},
        {"\u05D0\u05D1 12", 0, "\u05D0\u05D1"},  // pasted right-to-left text: characters, not bytes
        {"\u05D0\u05D1 12", 1, " 1"},
        {"\u05D0\u05D1 12", 2, "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(CodePair(c.code, c.k), c.pair) << c.code << " " << c.k;
}

TEST(ColourHexTest, HexCodeFromComponents) {
    const struct {
        std::string_view red, green, blue;
        std::optional<std::string> code;
    } cases[] = {
        {"255", "128", "0", "FF8000"},  {"007", "10", "255", "070AFF"},
        {"0", "0", "0", "000000"},      {" 12 ", "\t1.5", "254.5", "0C02FE"},
        {"255", "", "0", std::nullopt}, {"255", "128", "x", std::nullopt},
        {"1,5", "0", "0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexCodeFromComponents(c.red, c.green, c.blue), c.code)
            << c.red << "/" << c.green << "/" << c.blue;
    }
}

TEST(ColourDecimalTest, DecimalText) {
    const struct {
        std::int64_t n;
        std::string_view text;
    } cases[] = {
        {0, "0"}, {7, "7"}, {-5, "-5"}, {1234567890, "1234567890"},
        {kInt64Max, "9223372036854775807"}, {kInt64Min, "-9223372036854775808"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecimalText(c.n), c.text);
}

TEST(ColourLeadingNumberTest, DecimalTexts) {
    const std::string ten_kb_of_nines(10000, '9');
    const std::string leading_zeros = std::string(10000, '0') + "42";
    std::string tiny_times_huge = "0.";
    tiny_times_huge.append(10000, '0').append("5e10001");
    const struct {
        std::string_view text;
        double expected;
    } cases[] = {
        {"", 0},           {"  12 3", 123},     {"1e3", 1000},           {"12,5", 12},
        {"abc", 0},        {"12.5", 12.5},      {"007", 7},              {"12abc", 12},
        {"-5", -5},        {"+5", 5},           {"255x", 255},           {".", 0},
        {"-", 0},          {"-0", 0},           {".5", 0.5},             {"5.", 5},
        {"1e", 1},         {"1e+", 1},          {"1E-2", 0.01},          {"-1.5e1x", -15},
        {"\t1\n2 ", 12},   {"+-5", 0},          {"e5", 0},               {"1.2.3", 1.2},
        {"inf", 0},        {"nan", 0},          {"0x1A", 0},             {"1e400", kInf},
        {"-1e400", -kInf}, {"1e-400", 0},       {"-1e-400", 0},          {"1e99999999999999999999", kInf},
        {"\xEF\xBC\x91\xEF\xBC\x92", 0},        // full-width digits
        {"\xF0\x9F\x8E\xA8" "5", 0},            // an emoji first
        {std::string_view("12\0" "3", 4), 12},  // reading stops at NUL
        {ten_kb_of_nines, kInf},
        {leading_zeros, 42},
        {tiny_times_huge, 5},
    };
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.expected) << c.text.substr(0, 40);
}

TEST(ColourLeadingNumberTest, HexAndOctalPrefixes) {
    const struct {
        std::string_view text;
        double expected;
    } cases[] = {
        {"&HFFFF", -1},         {"&H8000", -32768},     {"&H7FFF", 32767},       {"&hff", 255},
        {"&H 7F FF", 32767},    {"&HFFFFFFFF", -1},     {"&H10000", 65536},      {"&H0000FFFF", 65535},
        {"&H80000000", -2147483648.0},                  {"&HFFFFFFFFFFFF", 281474976710655.0},
        {"&H000000001", 1},     {"&H12G4", 18},         {"&H", 0},               {"&H-1", 0},
        {"&O177777", -1},       {"&o777", 511},         {"&O200000", 65536},     {"&O0000177777", 65535},
        {"&O37777777777", -1},  {"&O40000000000", 4294967296.0},                 {"&O8", 0},
        {"&", 0},               {"&X12", 0},            {"&12", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(ColourTextToIntegerTest, Texts) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"007", 7},           {" 42 ", 42},          {"\t42\t", 42},        {"-5", -5},
        {"+5", 5},            {"2.5", 2},            {"3.5", 4},            {"-2.5", -2},
        {"1e2", 100},         {"2147483647", 2147483647},                   {"-2147483648", kInt32Min},
        {"12abc", std::nullopt},  {"1,5", std::nullopt},   {"abc", std::nullopt},
        {"", std::nullopt},       {"  ", std::nullopt},    {"99999999999", std::nullopt},
        {"2147483648", std::nullopt}, {"1 2", std::nullopt}, {"1e", std::nullopt},
        {".", std::nullopt},      {"-", std::nullopt},     {"&HFF", std::nullopt},
        {"\n5", std::nullopt},    {"1e400", std::nullopt}, {"nan", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToInteger(c.text), c.expected) << c.text;
}

TEST(ColourTextToIntegerTest, NearestInteger) {
    const struct {
        double x;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {0.5, 0},           {1.5, 2},        {2.5, 2},           {3.5, 4},
        {-0.5, 0},          {-2.5, -2},      {-3.5, -4},         {2.4999999999999996, 2},
        {0.49999999999999994, 0},            {-0.49999999999999994, 0},
        {-1.4999999999999998, -1},           {16777215.0, 16777215},
        {2147483647.0, 2147483647},          {2147483647.4, 2147483647},
        {2147483647.6, std::nullopt},        {-2147483648.4, kInt32Min},
        {-2147483648.5, kInt32Min},          {-2147483648.6, std::nullopt},
        {1e300, std::nullopt}, {kInf, std::nullopt}, {-kInf, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestInteger(c.x), c.expected) << c.x;
}

}  // namespace
}  // namespace colour
