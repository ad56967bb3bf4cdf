// The colours of the panels' drawings.
#pragma once

#include "panel_models/canvas_types.h"

// From the Okabe-Ito palette: blue against orange stays distinct with the common
// colour-vision deficiencies, where red against green does not. The ground is
// always white, so the ink is dark.
namespace quadrix::panel_colours {

inline constexpr Colour kGround{0xFF, 0xFF, 0xFF};
inline constexpr Colour kText{0x20, 0x20, 0x20};
inline constexpr Colour kCurve{0x20, 0x20, 0x20};
inline constexpr Colour kOutline{0xA0, 0xA0, 0xA0};
inline constexpr Colour kGrid{0xE4, 0xE4, 0xE4};
inline constexpr Colour kReference{0x80, 0x80, 0x80};

inline constexpr Colour kHit{0x00, 0x72, 0xB2};   // blue
inline constexpr Colour kMiss{0xE6, 0x9F, 0x00};  // orange
inline constexpr Colour kPlotPoint{0x00, 0x72, 0xB2};

inline constexpr Colour kAbove{0xF3, 0xCF, 0x80};  // light orange: the excess
inline constexpr Colour kAboveEdge{0xE6, 0x9F, 0x00};
inline constexpr Colour kBelow{0x9C, 0xC8, 0xE2};  // light blue: inside
inline constexpr Colour kBelowEdge{0x00, 0x72, 0xB2};
inline constexpr Colour kBand{0xE6, 0x9F, 0x00};

}  // namespace quadrix::panel_colours
