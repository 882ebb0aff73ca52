#include "colour_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace colour {

namespace {

constexpr std::string_view kHexAlphabet = "0123456789ABCDEF";

// The two upper-case hexadecimal digits of every byte value: every hex digit
// the program writes is taken from here.
constexpr std::array<std::array<char, 2>, 256> kHexPairs = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    for (std::size_t n = 0; n < pairs.size(); ++n) pairs[n] = {kHexAlphabet[n >> 4U], kHexAlphabet[n & 0xFU]};
    return pairs;
}();

// Longest HexText: sixteen digits for a negative number below the 32-bit range.
using HexBuffer = std::array<char, 16>;

// Writes the digits of n to the end of the buffer, two for each byte from the
// lowest up to the highest one that is not 0, and returns them. Negative
// numbers as their 32-bit two's complement where they fit.
std::string_view WriteHexPairs(std::int64_t n, HexBuffer& buffer) {
    std::uint64_t u = (n < 0 && n >= std::numeric_limits<std::int32_t>::min())
                          ? static_cast<std::uint32_t>(n)
                          : static_cast<std::uint64_t>(n);
    std::size_t pos = buffer.size();
    do {
        const auto& pair = kHexPairs[u & 0xFFU];
        buffer[--pos] = pair[1];
        buffer[--pos] = pair[0];
        u >>= 8U;
    } while (u != 0);
    return {buffer.data() + pos, buffer.size() - pos};
}

// Hands the characters of a code to `take` in the order SwapOuterPairs puts
// them: the last two, the third and fourth, then the first two, each part
// shorter where the code is.
template <class Take>
void InSwappedOrder(std::string_view code, Take take) {
    const std::size_t n = code.size();
    for (std::size_t i = n >= 2 ? n - 2 : 0; i < n; ++i) take(code[i]);
    for (std::size_t i = 2; i < n && i < 4; ++i) take(code[i]);
    for (std::size_t i = 0; i < n && i < 2; ++i) take(code[i]);
}

// ASCII white space: blank, tab, line feed, vertical tab, form feed, carriage return.
bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of each byte as a digit of the alphabet "0123456789ABCDEF", or -1:
// every hexadecimal digit the program reads is looked up here.
constexpr std::array<std::int8_t, 256> kDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t d = 0; d < kHexAlphabet.size(); ++d) {
        values[static_cast<unsigned char>(kHexAlphabet[d])] = static_cast<std::int8_t>(d);
    }
    return values;
}();

int DigitValue(char c) { return kDigitValues[static_cast<unsigned char>(c)]; }

// The number read so far followed by one more character read in base 16: an
// upper-case digit shifts it, anything else is skipped. Modulo 2^64.
std::uint64_t AppendHexDigit(std::uint64_t number, char c) {
    const int digit = DigitValue(c);
    return digit >= 0 ? number << 4U | static_cast<std::uint64_t>(digit) : number;
}

// The same, lower-case letters read as upper-case ones ("&hff").
int AnyCaseDigitValue(char c) { return DigitValue(c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c); }

// A decimal number at the start of a text: sign, digits, full stop, fraction,
// exponent. `digits` is the part after the sign; `has_digits` is false when
// the mantissa has no digit at all, which is no number.
struct DecimalRun {
    bool negative = false;
    bool has_digits = false;
    std::string_view digits;
    std::size_t length = 0;  // sign included
};

DecimalRun ScanDecimal(std::string_view text) {
    DecimalRun run;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        run.negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    run.has_digits = i > start;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        run.has_digits = run.has_digits || i > fraction;
    }
    if (!run.has_digits) return run;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponent = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > exponent) i = j;
    }
    run.digits = text.substr(start, i - start);
    run.length = i;
    return run;
}

// Whether an unsigned decimal number (as accepted by ScanDecimal) is at least 1.
// Used only to tell overflow from underflow, so the exponent may saturate.
bool AtLeastOne(std::string_view number) {
    constexpr std::int64_t kSaturation = std::int64_t{1} << 40;
    std::int64_t position = 0;  // decimal exponent of the first significant digit
    bool found = false;
    bool after_point = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            after_point = true;
        } else if (!found && c != '0') {
            found = true;
            if (after_point) --position;
        } else if (!found && after_point) {
            --position;
        } else if (found && !after_point && position < kSaturation) {
            ++position;
        }
    }
    if (!found) return false;
    std::int64_t exponent = 0;
    bool exponent_negative = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            exponent_negative = number[i++] == '-';
        }
        for (; i < number.size(); ++i) {
            if (exponent < kSaturation) exponent = exponent * 10 + (number[i] - '0');
        }
    }
    return (exponent_negative ? position - exponent : position + exponent) >= 0;
}

// The value of a scanned run, out-of-range magnitudes as infinity or zero.
double DecimalValue(const DecimalRun& run) {
    double value = 0.0;
    const char* first = run.digits.data();
    const char* last = first + run.digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = AtLeastOne(run.digits) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != last) {
        value = 0.0;  // cannot happen for a scanned run
    }
    return run.negative ? -value : value;
}

// "&H..." and "&O...": the digits after the prefix up to the first non-digit.
double PrefixedNumber(std::string_view digits, int base) {
    constexpr std::uint64_t kLimit32 = 0xFFFFFFFFU;
    std::uint64_t exact = 0;
    bool exact_fits = true;  // exact <= kLimit32
    double approximate = 0.0;
    std::size_t count = 0;
    for (const char c : digits) {
        const int d = AnyCaseDigitValue(c);
        if (d < 0 || d >= base) break;
        ++count;
        approximate = approximate * base + d;
        if (exact_fits) {
            exact = exact * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
            exact_fits = exact <= kLimit32;
        }
    }
    const bool short16 = base == 16 ? count <= 4 : (count <= 6 && exact <= 0xFFFFU);
    const bool fits32 = base == 16 ? count <= 8 : exact_fits;
    if (exact_fits && short16) return static_cast<std::int16_t>(static_cast<std::uint16_t>(exact));
    if (exact_fits && fits32) return static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
    return approximate;
}

}  // namespace

std::int64_t HexDigitsToNumber(std::string_view text) {
    std::uint64_t number = 0;
    for (const char c : text) number = AppendHexDigit(number, c);
    return static_cast<std::int64_t>(number);
}

std::string HexText(std::int64_t n) {
    HexBuffer buffer;
    const std::string_view pairs = WriteHexPairs(n, buffer);
    return std::string(pairs.substr(pairs.size() > 1 && pairs[0] == '0' ? 1 : 0));
}

std::string TwoDigitHex(std::int64_t n) {
    HexBuffer buffer;
    const std::string_view pairs = WriteHexPairs(n, buffer);
    return std::string(pairs.substr(pairs.size() > 2 && pairs[0] == '0' ? 1 : 0));
}

std::optional<std::string> HexCodeFromComponents(std::string_view red, std::string_view green,
                                                 std::string_view blue) {
    std::string code;
    for (const std::string_view component : {red, green, blue}) {
        const std::optional<std::int32_t> value = TextToInteger(component);
        if (!value) return std::nullopt;
        code += TwoDigitHex(*value);
    }
    return code;
}

std::string SwapOuterPairs(std::string_view code) {
    std::string swapped;
    InSwappedOrder(code, [&swapped](char c) { swapped += c; });
    return swapped;
}

// HexDigitsToNumber of SwapOuterPairs of the code, read in place.
std::int64_t ColourValueFromCode(std::string_view code) {
    std::uint64_t number = 0;
    InSwappedOrder(code, [&number](char c) { number = AppendHexDigit(number, c); });
    return static_cast<std::int64_t>(number);
}

std::string HexCodeFromColourValue(std::int64_t value) {
    if (value < 0 || value > kWhite) return HexText(value);
    // The six digits padded with zeros and the outer pairs swapped: red, green, blue.
    const auto v = static_cast<std::uint32_t>(value);
    const auto& red = kHexPairs[v & 0xFFU];
    const auto& green = kHexPairs[v >> 8U & 0xFFU];
    const auto& blue = kHexPairs[v >> 16U];
    const std::array<char, kHexCodeLength> code = {red[0], red[1], green[0], green[1], blue[0], blue[1]};
    return std::string(code.data(), code.size());
}

std::string CodePair(std::string_view code, int k) {
    const std::size_t first = 2 * static_cast<std::size_t>(k);
    return k >= 0 && first < code.size() ? std::string(code.substr(first, 2)) : std::string();
}

std::string DecimalText(std::int64_t n) {
    std::array<char, 20> buffer;  // nineteen digits and a sign
    std::uint64_t magnitude =
        n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    std::size_t pos = buffer.size();
    do {
        buffer[--pos] = static_cast<char>('0' + magnitude % 10U);
        magnitude /= 10U;
    } while (magnitude != 0);
    if (n < 0) buffer[--pos] = '-';
    return std::string(buffer.data() + pos, buffer.size() - pos);
}

double LeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!IsWhiteSpace(c)) compact += c;
    }
    const std::string_view s = compact;
    if (!s.empty() && s[0] == '&') {
        if (s.size() < 2) return 0.0;
        if (s[1] == 'H' || s[1] == 'h') return PrefixedNumber(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return PrefixedNumber(s.substr(2), 8);
        return 0.0;
    }
    const DecimalRun run = ScanDecimal(s);
    return run.has_digits ? DecimalValue(run) : 0.0;
}

std::optional<std::int32_t> TextToInteger(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    const DecimalRun run = ScanDecimal(text);
    if (!run.has_digits || run.length != text.size()) return std::nullopt;
    return NearestInteger(DecimalValue(run));
}

std::optional<std::int32_t> NearestInteger(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double rounded = std::floor(x);
    // Exact, except for -0.5 < x < 0 where it may round to 0.5; 0 is the answer either way.
    const double fraction = x - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace colour
