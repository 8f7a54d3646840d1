#pragma once
// The window's designed positions and sizes are in twips (1/1440 inch). Qt places widgets
// in logical pixels, so one inch of twips becomes the screen's logical dots per inch: 15
// twips per pixel at 96 dpi. Every conversion between the two goes through here.
#include <QRect>

namespace tivra {

inline constexpr double kTwipsPerInch = 1440.0;

// The primary screen's logical resolution; 96 when there is no screen (yet).
double logicalDpi();

// Twips to logical pixels, unrounded.
double pixelsOf(double twips);
// Twips to pixels, rounded to the nearest pixel.
int px(double twips);
// Pixels to twips.
double twipsOf(double pixels);

// The pixel rectangle of a box given in twips. Its edges are rounded, not its width, so
// boxes that meet or stand at equal distances in twips do so on screen too.
QRect pxRect(double left, double top, double width, double height);

} // namespace tivra
