#pragma once
// The window's designed positions and sizes are in twips (1/1440 inch); Qt places
// widgets in device-independent pixels of 1/96 inch, 15 twips each.
#include <cmath>

namespace tivra {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels, rounded to the nearest pixel.
inline int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace tivra
