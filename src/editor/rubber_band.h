#pragma once
// The rectangle dragged on the level view by the selection, rectangle,
// chaos and line tools: from the pressed cell to the cell under the
// pointer, both included, in whichever direction it is dragged. Its frame
// runs one pixel outside the cells it covers.
#include <algorithm>

#include "editor/cell_geometry.h"

namespace pyrovel {

class RubberBand {
 public:
  void start(CellPos cell, int cellSize) {
    cellSize_ = std::max(cellSize, 1);
    anchor_ = pointer_ = cell;
    active_ = true;
  }
  void follow(CellPos pointer) { pointer_ = pointer; }
  // Ends the drag; the cells it covered.
  CellArea finish() {
    active_ = false;
    return area();
  }
  void cancel() { active_ = false; }

  bool active() const { return active_; }
  CellPos anchor() const { return anchor_; }
  CellPos pointer() const { return pointer_; }
  CellArea area() const {
    return CellArea{std::min(anchor_.x, pointer_.x), std::min(anchor_.y, pointer_.y),
                    std::max(anchor_.x, pointer_.x), std::max(anchor_.y, pointer_.y)};
  }
  // The frame to draw while active, right and bottom exclusive.
  ViewRect frame() const {
    const CellArea a = area();
    return ViewRect{a.c1 * cellSize_ - 1, a.r1 * cellSize_ - 1, (a.c2 + 1) * cellSize_ + 1,
                    (a.r2 + 1) * cellSize_ + 1};
  }

 private:
  bool active_ = false;
  int cellSize_ = 1;
  CellPos anchor_, pointer_;
};

}  // namespace pyrovel
