#pragma once
// The colours that more than one chart paints, each under one name. A colour
// that only one chart uses stays beside that chart's marking.
#include "core/resultgrid.h"

namespace corvessa::charts {

inline constexpr Rgb kRed = rgb(255, 0, 0);          // hit marks
inline constexpr Rgb kSkyBlue = rgb(43, 218, 255);   // the sum and width columns
inline constexpr Rgb kAzure = rgb(43, 145, 255);     // highlights of a pressed cell
inline constexpr Rgb kMint = rgb(42, 219, 167);
inline constexpr Rgb kPeach = rgb(249, 212, 194);
inline constexpr Rgb kSage = rgb(182, 219, 170);
inline constexpr Rgb kTeal = rgb(0, 206, 188);
inline constexpr Rgb kSand = rgb(255, 223, 157);     // recommended and region digits a draw holds
inline constexpr Rgb kPink = rgb(255, 212, 255);
inline constexpr Rgb kAmber = rgb(255, 194, 0);
inline constexpr Rgb kPaleBlue = rgb(140, 219, 255);

}  // namespace corvessa::charts
