// SwapOuterPairs: the last two characters, the third and fourth, the first
// two, each where the code has them; twice gives a six-character code back.
// ColourValueFromCode reads the swapped code, and a six-digit hex code comes
// back from its colour value.
#include <algorithm>
#include <cstdint>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view code = fuzz::AsText(data, size);
    const std::string swapped = colour::SwapOuterPairs(code);
    const std::size_t n = code.size();

    const std::size_t outer = std::min<std::size_t>(n, 2);
    const std::size_t middle = n > 2 ? std::min<std::size_t>(n - 2, 2) : 0;
    FUZZ_CHECK(swapped.size() == 2 * outer + middle);
    FUZZ_CHECK(swapped.compare(0, outer, code.substr(n - outer)) == 0);
    FUZZ_CHECK(swapped.compare(outer, middle, code.substr(outer, middle)) == 0);
    FUZZ_CHECK(swapped.compare(outer + middle, outer, code.substr(0, outer)) == 0);

    if (n == colour::kHexCodeLength) FUZZ_CHECK(colour::SwapOuterPairs(swapped) == code);

    const std::int64_t value = colour::ColourValueFromCode(code);
    FUZZ_CHECK(value == colour::HexDigitsToNumber(swapped));
    const bool hexCode = std::all_of(code.begin(), code.end(), fuzz::IsUpperHexDigit);
    if (n == colour::kHexCodeLength && hexCode) {
        FUZZ_CHECK(value >= 0 && value <= colour::kWhite);
        FUZZ_CHECK(colour::HexCodeFromColourValue(value) == code);
    }
    return 0;
}
