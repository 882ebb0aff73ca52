// Property checks of the fuzz targets: a violated property prints what was
// expected and aborts, which libFuzzer reports as a finding with its input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: property violated: %s\n", __FILE__, __LINE__,    \
                         #condition);                                                      \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

namespace fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

inline bool IsUpperHexDigit(char c) { return IsDecimalDigit(c) || (c >= 'A' && c <= 'F'); }

// Reads a value of type T from the input's bytes at offset, zeros where the
// input is shorter.
template <typename T>
T Take(const std::uint8_t* data, std::size_t size, std::size_t offset) {
    unsigned char bytes[sizeof(T)] = {};
    for (std::size_t i = 0; i < sizeof(T) && offset + i < size; ++i) bytes[i] = data[offset + i];
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

}  // namespace fuzz
