// The numeric operations. Input bytes 0-7 are a double for NearestInteger
// (NaN and infinities included), bytes 8-15 a 64-bit integer for HexText,
// TwoDigitHex and DecimalText, bytes 16-19 a 32-bit colour value for
// HexCodeFromColourValue, whose low 24 bits also make a valid colour.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

namespace {

bool IsHexText(const std::string& hex) {
    return !hex.empty() && hex.size() <= 16 &&
           std::all_of(hex.begin(), hex.end(), fuzz::IsUpperHexDigit) &&
           (hex == "0" || hex[0] != '0');
}

// The digits HexText must show: the 32-bit pattern of a negative number that
// fits 32 bits, the 64-bit one otherwise.
std::uint64_t HexBits(std::int64_t n) {
    if (n < 0 && n >= std::numeric_limits<std::int32_t>::min()) {
        return static_cast<std::uint32_t>(static_cast<std::int32_t>(n));
    }
    return static_cast<std::uint64_t>(n);
}

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

void CheckHexText(std::int64_t n) {
    const std::string hex = colour::HexText(n);
    FUZZ_CHECK(IsHexText(hex));
    FUZZ_CHECK(std::strtoull(hex.c_str(), nullptr, 16) == HexBits(n));
    FUZZ_CHECK(colour::TwoDigitHex(n) == (hex.size() == 1 ? "0" + hex : hex));
    FUZZ_CHECK(colour::DecimalText(n) == std::to_string(n));
}

void CheckHexCode(std::int64_t value) {
    const std::string code = colour::HexCodeFromColourValue(value);
    if (value < 0 || value > colour::kWhite) {
        FUZZ_CHECK(code == colour::HexText(value));
        return;
    }
    FUZZ_CHECK(code.size() == colour::kHexCodeLength);
    FUZZ_CHECK(std::all_of(code.begin(), code.end(), fuzz::IsUpperHexDigit));
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
