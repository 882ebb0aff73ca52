// LeadingNumber: never NaN; plain decimal texts read as an independent
// reference reads them; "&H" with up to four digits is a 16-bit value, with
// up to eight a 32-bit one, and prefixed numbers beyond 32 bits do not wrap;
// a character that cannot continue a number, appended, changes nothing.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

namespace {

// The reference reading of a text that, blanks, tabs and line feeds removed,
// is an optional sign and decimal digits, ended by the text's end or by a
// character that continues no decimal number. Nothing for any other text.
std::optional<double> ReferenceReading(const std::string& compact) {
    std::size_t i = 0;
    const bool negative = !compact.empty() && compact[0] == '-';
    if (!compact.empty() && (compact[0] == '-' || compact[0] == '+')) ++i;
    const std::size_t first = i;
    while (i < compact.size() && fuzz::IsDecimalDigit(compact[i])) ++i;
    if (i == first) return std::nullopt;
    if (i < compact.size() && (compact[i] == '.' || compact[i] == 'e' || compact[i] == 'E')) {
        return std::nullopt;
    }
    std::string digits = compact.substr(first, i - first);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    double magnitude = 0.0;
    if (digits.size() <= 19) {  // exact in 64 bits; the conversion rounds once
        std::uint64_t exact = 0;
        for (const char c : digits) exact = exact * 10 + static_cast<std::uint64_t>(c - '0');
        magnitude = static_cast<double>(exact);
    } else {
        magnitude = std::strtod(digits.c_str(), nullptr);  // HUGE_VAL beyond the range
    }
    return negative ? -magnitude : magnitude;
}

bool HasPrefix(const std::string& compact, char upper) {
    return compact.size() >= 2 && compact[0] == '&' &&
           std::toupper(static_cast<unsigned char>(compact[1])) == upper;
}

// "&H" and "&O": the digits after the prefix up to the first one that is
// not of the base. Up to eight hex digits are a bit pattern, a 16-bit signed
// number for up to four digits and a 32-bit one for more; octal digits whose
// value fits 32 bits are that value or its signed 16- or 32-bit reading; a
// value beyond 32 bits keeps its magnitude and does not wrap.
void CheckPrefixed(const std::string& compact, int base, double value) {
    constexpr std::uint64_t kLimit32 = 0xFFFFFFFFU;
    std::size_t digits = 0;
    std::uint64_t exact = 0;  // saturated just beyond 32 bits
    for (std::size_t i = 2; i < compact.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[i])));
        const int d = fuzz::IsUpperHexDigit(c) ? (c <= '9' ? c - '0' : c - 'A' + 10) : base;
        if (d >= base) break;
        ++digits;
        if (exact <= kLimit32) {
            exact = exact * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        }
    }
    if (exact > kLimit32) {
        FUZZ_CHECK(value >= 4294967296.0);
    } else if (base == 16 && digits <= 8) {
        const auto bits = static_cast<std::uint32_t>(exact);
        const double expected = digits <= 4
                                    ? static_cast<std::int16_t>(static_cast<std::uint16_t>(bits))
                                    : static_cast<std::int32_t>(bits);
        FUZZ_CHECK(value == expected);
    } else if (base == 16) {
        FUZZ_CHECK(value == static_cast<double>(exact));  // leading zeros
    } else {  // octal: the value, or its 16- or 32-bit two's complement reading
        const auto e = static_cast<double>(exact);
        const bool as16 = exact >= 0x8000 && exact <= 0xFFFF && value == e - 65536.0;
        const bool as32 = exact >= 0x80000000U && value == e - 4294967296.0;
        FUZZ_CHECK(value == e || as16 || as32);
        FUZZ_CHECK(value >= -2147483648.0 && value <= 2147483647.0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const double value = colour::LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    }

    if (const std::optional<double> expected = ReferenceReading(compact)) {
        FUZZ_CHECK(value == *expected);
    }

    if (HasPrefix(compact, 'H')) CheckPrefixed(compact, 16, value);
    if (HasPrefix(compact, 'O')) CheckPrefixed(compact, 8, value);

    // 'x' continues no number, decimal, hexadecimal or octal.
    std::string extended(text);
    extended += 'x';
    const double extendedValue = colour::LeadingNumber(extended);
    FUZZ_CHECK(extendedValue == value || (std::isnan(extendedValue) && std::isnan(value)));
    return 0;
}
