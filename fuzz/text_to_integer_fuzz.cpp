// TextToInteger: a success comes only from a decimal number with blanks
// around it and equals NearestInteger of LeadingNumber of the text; a plain
// integer (optional sign, digits) converts exactly when it lies in 32 bits.
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "colour_value.h"
#include "fuzz_check.h"

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsNumberCharacter(char c) {
    return fuzz::IsDecimalDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

// Sign and digits only: their value, saturated just outside 32 bits.
std::optional<std::int64_t> PlainInteger(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (!fuzz::IsDecimalDigit(c)) return std::nullopt;
        if (magnitude <= kMax + 1) magnitude = magnitude * 10 + (c - '0');
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::optional<std::int32_t> result = colour::TextToInteger(text);
    const std::string_view trimmed = TrimBlanks(text);

    if (result) {
        FUZZ_CHECK(!trimmed.empty());
        for (const char c : trimmed) FUZZ_CHECK(IsNumberCharacter(c));
        const std::optional<std::int32_t> viaReading =
            colour::NearestInteger(colour::LeadingNumber(text));
        FUZZ_CHECK(viaReading == result);
    }

    if (const std::optional<std::int64_t> plain = PlainInteger(trimmed)) {
        if (*plain >= kMin && *plain <= kMax) {
            FUZZ_CHECK(result && *result == *plain);
        } else {
            FUZZ_CHECK(!result);
        }
        FUZZ_CHECK(colour::NearestInteger(colour::LeadingNumber(text)) == result);
    }
    return 0;
}
