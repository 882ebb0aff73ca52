// CodePair: at most two characters, taken from the code at position 2k, as
// many as the code has there; nothing for a negative k or one past the end.
// The first four bytes of the input are k, the rest is the code.
#include <algorithm>
#include <cstdint>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto k = fuzz::Take<std::int32_t>(data, size, 0);
    const std::string_view code = size > 4 ? fuzz::AsText(data + 4, size - 4) : std::string_view{};
    const std::string pair = colour::CodePair(code, k);

    FUZZ_CHECK(pair.size() <= 2);
    const std::int64_t start = 2 * static_cast<std::int64_t>(k);
    if (k < 0 || start >= static_cast<std::int64_t>(code.size())) {
        FUZZ_CHECK(pair.empty());
    } else {
        const auto index = static_cast<std::size_t>(start);
        FUZZ_CHECK(pair.size() == std::min<std::size_t>(2, code.size() - index));
        FUZZ_CHECK(code.compare(index, pair.size(), pair) == 0);
    }
    return 0;
}
