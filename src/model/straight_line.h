#pragma once
// The points of a straight line from (x1, y1) to (x2, y2), both ends
// included, each step one point to a neighbour (sideways or diagonal):
// Bresenham's walk, where the error term says when the shorter axis steps
// too. The cave drawing commands, the line tool and the sprite painter all
// draw their lines with it.
#include <cstdlib>

namespace pyrovel {

template <typename Visit>
void forEachLinePoint(int x1, int y1, int x2, int y2, Visit&& visit) {
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  for (int err = dx + dy;;) {
    visit(x1, y1);
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

}  // namespace pyrovel
