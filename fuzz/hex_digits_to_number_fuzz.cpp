// HexDigitsToNumber: the value of the upper-case hex digits the text holds,
// everything else skipped, modulo 2^64 beyond sixteen digits; up to six
// digits it is a colour value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::int64_t result = colour::HexDigitsToNumber(text);

    std::string kept;
    for (const char c : text) {
        if (fuzz::IsUpperHexDigit(c)) kept += c;
    }
    // The last sixteen digits carry the value modulo 2^64.
    const std::string last16 = kept.size() > 16 ? kept.substr(kept.size() - 16) : kept;
    const std::uint64_t expected = last16.empty() ? 0 : std::strtoull(last16.c_str(), nullptr, 16);
    FUZZ_CHECK(static_cast<std::uint64_t>(result) == expected);

    if (kept.size() <= 15) FUZZ_CHECK(result >= 0);
    if (kept.size() <= colour::kHexCodeLength) FUZZ_CHECK(result <= colour::kWhite);
    return 0;
}
