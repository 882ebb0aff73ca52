// The colour value and its notations.
//
// A colour value packs the three components as red + 256 * green + 65536 * blue,
// so red is the lowest byte. The hex code shows the same colour red first
// ("FF8000" is red 255, green 128, blue 0); reversed (blue first) and read in
// base 16 it is the colour value. Every operation here is a pure function;
// nothing depends on a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace colour {

using ColourValue = std::int32_t;

inline constexpr ColourValue kWhite = 16777215;      // FFFFFF, also the largest colour value
inline constexpr int kComponentMax = 255;
inline constexpr std::size_t kHexCodeLength = 6;

// A decimal digit, as a character or a character code.
constexpr bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Reads the text digit by digit in base 16 over the alphabet "0123456789ABCDEF".
// Characters outside it (lower-case letters included) are skipped without
// shifting the result. The empty text gives 0. Texts of more than fifteen
// digits wrap modulo 2^64 rather than overflow.
std::int64_t HexDigitsToNumber(std::string_view text);

// Upper-case hexadecimal digits without leading zeros; 0 gives "0".
// A negative number is written as its 32-bit two's complement ("FFFFFFFF" for -1),
// or its 64-bit one where it does not fit 32 bits.
std::string HexText(std::int64_t n);

// HexText with a "0" in front when it has a single digit.
std::string TwoDigitHex(std::int64_t n);

// The hex code of three component texts, red first. Fails when a text does
// not convert with TextToInteger.
std::optional<std::string> HexCodeFromComponents(std::string_view red, std::string_view green,
                                                 std::string_view blue);

// The last two characters, the third and fourth, then the first two.
// Turns red-green-blue order into blue-green-red and back.
std::string SwapOuterPairs(std::string_view code);

// The colour value of a hex code: HexDigitsToNumber of SwapOuterPairs of it.
std::int64_t ColourValueFromCode(std::string_view code);

// The six-digit hex code of a colour value (red first). Values above FFFFFF,
// and negative ones, give their HexText unchanged.
std::string HexCodeFromColourValue(std::int64_t value);

// The two characters of component k (0 red, 1 green, 2 blue); fewer where the
// code ends inside or before the pair. A code is ASCII: its field takes
// nothing else.
std::string CodePair(std::string_view code, int k);

// Decimal digits, a minus sign for a negative number, nothing else.
std::string DecimalText(std::int64_t n);

// The number at the start of an input field's text: ASCII white space (blank,
// tab, line feed, vertical tab, form feed, carriage return) removed from the
// whole text first; "&H"/"&O" prefixes read hexadecimal or octal; otherwise
// sign, digits, full stop, fraction, exponent. No number reads 0.
double LeadingNumber(std::string_view text);

// The integer value of a decimal text (ASCII white space before and after it
// allowed, as in "200\r\n" pasted from elsewhere, but not inside it; a fraction
// rounded to the even neighbour); empty text, anything not a number, or a
// value outside 32 bits is a failure.
std::optional<std::int32_t> TextToInteger(std::string_view text);

// The nearest integer, ties to the even neighbour; failure outside the
// 32-bit signed range or for a number that is not finite.
std::optional<std::int32_t> NearestInteger(double x);

}  // namespace colour
