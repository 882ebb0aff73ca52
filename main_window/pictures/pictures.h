// The program's pictures, drawn in code at every device pixel ratio the screen
// may ask for, so that they stay crisp on high-resolution screens.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace pictures {

// The window icon: vertical stripes one pixel wide (of 16), red, green, blue,
// repeated from the left edge.
QIcon StripesIcon();
QImage StripesImage(int pixels);

// The counting buttons: a black triangle on white, 16 x 8.
inline constexpr QSize kTriangleSize{16, 8};
QIcon UpTriangle();
QIcon DownTriangle();

// The save button: an arrowhead pointing left, light grey above, black below,
// its right edge grey, on a transparent ground.
inline constexpr QSize kSaveArrowSize{32, 32};
QIcon SaveArrow();

}  // namespace pictures
