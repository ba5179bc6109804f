#pragma once

#include <cstdint>

namespace tremaro {

// The units a form's layout is written in. Positions and sizes are stored in twips, a
// twentieth of a point: 1440 to the inch, 15 to the pixel at the 96 dots per inch the forms
// were laid out at.
inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPoint = 20;
inline constexpr double kTwipsPerPixel = 15;

// A container's ScaleMode: the unit its code, and the ends of the lines in it, are written in.
enum class ScaleMode : std::int32_t {
    User = 0,  // ScaleLeft, ScaleTop, ScaleWidth and ScaleHeight map its inner size
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Characters = 4,  // 120 twips across, 240 down
    Inches = 5,
    Millimeters = 6,
    Centimeters = 7,
};

}  // namespace tremaro
