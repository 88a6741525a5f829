#pragma once
// Helpers that more than one sprite_art_*.cpp draws with; nothing else
// includes this.
#include "render/sprite_canvas.h"

namespace pyrovel::art {

inline constexpr double kPi = 3.14159265358979;

// The time gate and the clock show the same face.
inline void clockFace(Canvas& c, double cx, double cy, double r) {
  c.disc(cx, cy, r + 1, shade(Hue::Red, 4));
  c.disc(cx, cy, r, shade(Hue::Pearl, 6));
  const int x = static_cast<int>(cx), y = static_cast<int>(cy);
  c.line(x, y, x, y - static_cast<int>(r) + 1, outlineInk());
  c.line(x, y, x + static_cast<int>(r) - 2, y, outlineInk());
}

}  // namespace pyrovel::art
