#include "render/view_zoom.h"

#include <algorithm>
#include <cmath>

#include "render/sprite_strip.h"

namespace pyrovel {

int cellSizeAtPercent(int percent) {
  return std::max(1, kSpriteSide * percent / 100);
}

int percentOfCellSize(int cellSize) {
  return (cellSize * 100 + kSpriteSide / 2) / kSpriteSide;
}

int nextZoomCellSize(int cellSize, int direction) {
  if (direction > 0) {
    for (int percent : kZoomPercents) {
      if (cellSizeAtPercent(percent) > cellSize) return cellSizeAtPercent(percent);
    }
  } else {
    for (auto it = kZoomPercents.rbegin(); it != kZoomPercents.rend(); ++it) {
      if (cellSizeAtPercent(*it) < cellSize) return cellSizeAtPercent(*it);
    }
  }
  return cellSize;
}

int scrollKeepingPoint(int scroll, int anchor, int oldCell, int newCell) {
  if (oldCell <= 0 || newCell <= 0) return std::max(0, scroll);
  const double point = static_cast<double>(scroll) + anchor;
  const double moved = point * newCell / oldCell;
  return std::max(0, static_cast<int>(std::lround(moved - anchor)));
}

}  // namespace pyrovel
