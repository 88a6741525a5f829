#pragma once
// Cells, rectangles of cells and rectangles of level-view pixels.
#include <algorithm>

#include "model/int_math.h"
#include "model/level_header.h"
#include "model/levelmap.h"

namespace pyrovel {

struct CellPos {
  int x = 0;
  int y = 0;
  bool operator==(const CellPos&) const = default;
};

// Columns c1..c2 and rows r1..r2, both inclusive; empty when c2 < c1 or r2 < r1.
struct CellArea {
  int c1 = 0, r1 = 0, c2 = -1, r2 = -1;

  bool empty() const { return c2 < c1 || r2 < r1; }
  int width() const { return empty() ? 0 : c2 - c1 + 1; }
  int height() const { return empty() ? 0 : r2 - r1 + 1; }
  bool contains(int x, int y) const { return x >= c1 && x <= c2 && y >= r1 && y <= r2; }
  bool onBorder(int x, int y) const { return x == c1 || x == c2 || y == r1 || y == r2; }
  // The cells this area shares with another one.
  CellArea intersected(const CellArea& o) const {
    const CellArea a{std::max(c1, o.c1), std::max(r1, o.r1), std::min(c2, o.c2),
                     std::min(r2, o.r2)};
    return a.empty() ? CellArea{} : a;
  }
  bool operator==(const CellArea&) const = default;
};

// A rectangle in level-view pixels; right and bottom exclusive.
struct ViewRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ViewRect&) const = default;
};

// The editable cells of a level: its Width x Height, and never beyond the grid.
inline CellArea levelArea(const LevelHeader& h) {
  return CellArea{0, 0, std::min(h.width(), kGridSide) - 1, std::min(h.height(), kGridSide) - 1};
}
inline bool insideLevel(const LevelHeader& h, int x, int y) {
  return levelArea(h).contains(x, y);
}

}  // namespace pyrovel
