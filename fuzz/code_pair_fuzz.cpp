// CodePair: the pairs k = 0, 1, 2, ... of any text, put together, give the
// text back; each holds at most two characters (UTF-8 sequences) and only the
// last may hold fewer; a negative k gives nothing.
// The first four bytes of the input are k, the rest is the code.
#include <cstdint>
#include <string>

#include "colour_value.h"
#include "fuzz_check.h"

namespace {

int Characters(std::string_view text) {
    int count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto k = fuzz::Take<std::int32_t>(data, size, 0);
    const std::string_view code = size > 4 ? fuzz::AsText(data + 4, size - 4) : std::string_view{};
    if (k < 0) FUZZ_CHECK(colour::CodePair(code, k).empty());

    std::string joined;
    bool shortSeen = false;
    for (int pair = 0; joined.size() < code.size(); ++pair) {
        const std::string part = colour::CodePair(code, pair);
        FUZZ_CHECK(!part.empty());
        FUZZ_CHECK(!shortSeen);
        FUZZ_CHECK(Characters(part) <= 2);
        shortSeen = Characters(part) < 2;
        joined += part;
    }
    FUZZ_CHECK(joined == code);
    return 0;
}
