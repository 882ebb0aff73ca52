// The numeric operations. Input bytes 0-7 are a double for NearestInteger
// (NaN and infinities included), bytes 8-15 a 64-bit integer for HexText,
// TwoDigitHex and DecimalText, bytes 16-19 a 32-bit colour value for
// HexCodeFromColourValue, whose low 24 bits also make a valid colour.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

void CheckNearestInteger(double x) {
    const std::optional<std::int32_t> result = colour::NearestInteger(x);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(!result);
        return;
    }
    const double expected = std::nearbyint(x);  // the default rounding: ties to even
    if (expected >= -2147483648.0 && expected <= 2147483647.0) {
        FUZZ_CHECK(result && *result == expected);
    } else {
        FUZZ_CHECK(!result);
    }
}

// Upper-case digits without leading zeros. Read back (HexDigitsToNumber wraps
// modulo 2^64), a number of 0 or more gives itself; a negative one that fits
// 32 bits has eight digits and gives its 32-bit two's complement, n + 2^32;
// a more negative one has sixteen digits, its 64-bit two's complement, which
// reads back as n.
void CheckHexText(std::int64_t n) {
    const std::string hex = colour::HexText(n);
    FUZZ_CHECK(!hex.empty() && std::all_of(hex.begin(), hex.end(), fuzz::IsUpperHexDigit));
    FUZZ_CHECK(hex == "0" || hex[0] != '0');
    const std::int64_t readBack = colour::HexDigitsToNumber(hex);
    if (n >= 0) {
        FUZZ_CHECK(readBack == n);
    } else if (n >= kInt32Min) {
        FUZZ_CHECK(hex.size() == 8 && readBack == n + (std::int64_t{1} << 32));
    } else {
        FUZZ_CHECK(hex.size() == 16 && readBack == n);
    }
    FUZZ_CHECK(colour::TwoDigitHex(n) == (hex.size() == 1 ? "0" + hex : hex));
    FUZZ_CHECK(colour::DecimalText(n) == std::to_string(n));
}

// A colour's code has six upper-case hex digits, the pairs red, green and
// blue (the low byte first), and reads back as the colour. Outside the
// colour range the code is the value's HexText.
void CheckHexCode(std::int64_t value) {
    const std::string code = colour::HexCodeFromColourValue(value);
    if (value < 0 || value > colour::kWhite) {
        FUZZ_CHECK(code == colour::HexText(value));
        return;
    }
    FUZZ_CHECK(code.size() == colour::kHexCodeLength);
    FUZZ_CHECK(std::all_of(code.begin(), code.end(), fuzz::IsUpperHexDigit));
    for (std::size_t k = 0; k < 3; ++k) {
        FUZZ_CHECK(colour::HexDigitsToNumber(code.substr(2 * k, 2)) == ((value >> (8 * k)) & 0xFF));
    }
    FUZZ_CHECK(colour::ColourValueFromCode(code) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckNearestInteger(fuzz::Take<double>(data, size, 0));
    const auto n = fuzz::Take<std::int64_t>(data, size, 8);
    CheckHexText(n);
    CheckHexCode(n);
    const auto v = fuzz::Take<std::int32_t>(data, size, 16);
    CheckHexCode(v);
    CheckHexCode(static_cast<std::uint32_t>(v) & 0xFFFFFFU);
    return 0;
}
