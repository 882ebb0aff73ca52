// The colour operations under libFuzzer. Every input is tried whole as a text by the text readers, and its
// first eight bytes (zero-filled) as a 64-bit integer and as a double by the numeric operations. A violated
// property prints itself and aborts, which libFuzzer reports as a finding with its input: a wrong result
// counts as much as a crash.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "colour_value.h"

#define CHECK(c) ((c) ? void() : (std::fprintf(stderr, "property violated: %s\n", #c), std::abort()))

using namespace colour;
constexpr std::string_view kUpperHex = "0123456789ABCDEF", kBlank = " \t\n\v\f\r";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view t(reinterpret_cast<const char*>(data), size);
    std::int64_t n = 0;
    std::copy_n(data, std::min(size, sizeof n), reinterpret_cast<std::uint8_t*>(&n));
    const double x = std::bit_cast<double>(n), r = std::nearbyint(x);  // ties to even in the default rounding mode
    CHECK(NearestInteger(x) == (r >= -2147483648.0 && r <= 2147483647.0 ? std::optional(r) : std::nullopt));
    // Upper-case digits, at least two, HexText without the leading zero of a single digit; negative numbers in
    // 32-bit two's complement where they fit.
    const unsigned long long pattern = n < 0 && n >= INT32_MIN ? n & 0xFFFFFFFF : n;
    char two[17];
    std::snprintf(two, sizeof two, "%02llX", pattern);
    CHECK(TwoDigitHex(n) == two && HexText(n) == two + (two[0] == '0') && DecimalText(n) == std::to_string(n));

    std::string s(t), kept(t);  // t without ASCII white space; its upper-case hex digits
    std::erase_if(s, [](char c) { return kBlank.find(c) != kBlank.npos; });
    std::erase_if(kept, [](char c) { return kUpperHex.find(c) == kUpperHex.npos; });
    // Decimal numbers read as the C library reads them; a letter appended changes nothing.
    const double value = LeadingNumber(t);
    const std::string decimal = s.substr(0, s.find_first_not_of("0123456789+-.eE"));
    char* stop = nullptr;
    const double reference = std::strtod(decimal.c_str(), &stop);
    CHECK(!std::isnan(value) && LeadingNumber(std::string(t) + "x") == value && (s[0] == '&' || value == reference));
    // "&H"/"&O" and the digits of that base: up to four hex or six octal digits below 2^16 a 16-bit pattern,
    // up to eight hex digits or any octal value below 2^32 a 32-bit one; beyond that no number wraps.
    const bool hex = s[0] == '&' && (s[1] | 0x20) == 'h';
    if (hex || (s[0] == '&' && (s[1] | 0x20) == 'o')) {
        const std::string digits(s, 2, s.find_first_not_of(hex ? "0123456789ABCDEFabcdef" : "01234567", 2) - 2);
        const std::uint64_t exact = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8);
        const double wrapped = digits.size() <= (hex ? 4U : 6U) && exact <= 0xFFFF ? short(exact) : int(exact);
        CHECK(exact > 0xFFFFFFFFU ? value > 0xFFFFFFFF : value == (hex && digits.size() > 8 ? double(exact) : wrapped));
    }
    // An integer only from a whole decimal number with white space around it, none inside.
    const bool number = !decimal.empty() && decimal == s && *stop == '\0' && t.find(s) != t.npos;
    CHECK(TextToInteger(t) == (number ? NearestInteger(value) : std::nullopt));
    // The last sixteen hex digits make the number; a code reads as the number of its swapped digits.
    const std::string last16 = kept.substr(kept.size() - std::min<std::size_t>(kept.size(), 16));
    CHECK(static_cast<std::uint64_t>(HexDigitsToNumber(t)) == std::strtoull(last16.c_str(), nullptr, 16));
    CHECK(ColourValueFromCode(t) == HexDigitsToNumber(SwapOuterPairs(t)));
    return 0;
}
