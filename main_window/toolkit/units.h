// Units of the window design: twips for positions and sizes, colour values for colours.
#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

#include "colour_value.h"

namespace tk {

using colour::ColourValue;  // red + 256 * green + 65536 * blue
using colour::kWhite;       // also a new text box's background

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch

constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle given as Left, Top, Width, Height in twips.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

inline QColor ToQColor(ColourValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Colours of the design tables are written RRGGBB, red first.
constexpr ColourValue FromRrggbb(std::uint32_t rrggbb) {
    return static_cast<ColourValue>(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) |
                                    ((rrggbb & 0xFF) << 16));
}

}  // namespace tk
