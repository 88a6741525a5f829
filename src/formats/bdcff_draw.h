#pragma once
// Parts shared by the drawing commands of bdcff_objects.cpp and
// bdcff_area_objects.cpp: reading their numbers and counting what they drew.
#include <cstddef>
#include <string>
#include <string_view>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_grid.h"
#include "formats/bdcff_objects.h"

namespace pyrovel::bdcff_draw {

using Kind = BdcffDrawResult::Kind;

// Coordinates further off than this are not walked along (a line from one
// of them would take millions of steps to reach the cave).
inline constexpr int kFarOff = 4096;

inline bool far(int v) {
  return v < -kFarOff || v > kFarOff;
}

// Reads `count` numbers from the front of `w`; false when one is not a number.
bool numbers(const Words& w, std::size_t count, int* out);

BdcffDrawResult unreadable(std::string_view what);

// Corners in order: a <= b.
void order(int& a, int& b);

// Draws one command into the grid, counting the coordinates it names that
// lie off the cave and the cells it drew, for the partly-off report.
class Drawer {
 public:
  explicit Drawer(BdcffGrid& grid) : grid_(grid) {}

  void named(int x, int y) {
    ++namedPoints_;
    if (!grid_.inside(x, y)) ++offPoints_;
  }
  BdcffDrawResult result() const;

  void put(int x, int y, BdcffGrid::Paint paint) { drawn_ += grid_.put(x, y, paint) ? 1 : 0; }
  void fill(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
    drawn_ += grid_.fill(x1, y1, x2, y2, paint);
  }
  void line(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint);
  void outline(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint);
  BdcffGrid& grid() { return grid_; }

 private:
  BdcffGrid& grid_;
  int namedPoints_ = 0, offPoints_ = 0;
  long drawn_ = 0;
};

// The commands of bdcff_area_objects.cpp.
BdcffDrawResult floodFill(BdcffGrid& grid, const Words& w);
BdcffDrawResult boundaryFill(BdcffGrid& grid, const Words& w);
BdcffDrawResult copyPaste(BdcffGrid& grid, const Words& w);
BdcffDrawResult randomFill(BdcffGrid& grid, const Words& w, bool c64);
BdcffDrawResult maze(BdcffGrid& grid, const Words& w);

}  // namespace pyrovel::bdcff_draw
