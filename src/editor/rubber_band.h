#pragma once
// The rectangle dragged on the level view by the selection, rectangle and
// chaos tools. Its frame runs one pixel outside the cells it covers: from
// the pressed cell up to, not including, the cell under the pointer.
#include "editor/cell_geometry.h"

namespace pyrovel {

class RubberBand {
 public:
  // Both corners start at the pressed cell (cellSize > 0).
  void start(CellPos cell, int cellSize) {
    cellSize_ = cellSize;
    frame_ = ViewRect{cell.x * cellSize - 1, cell.y * cellSize - 1, cell.x * cellSize + 1,
                      cell.y * cellSize + 1};
    active_ = true;
  }
  // The bottom-right corner follows the top-left pixel of the pointer's cell.
  void follow(CellPos pointer) {
    frame_.right = pointer.x * cellSize_ + 1;
    frame_.bottom = pointer.y * cellSize_ + 1;
  }
  // Ends the drag; the cells inside the frame (empty for a drag up or left).
  CellArea finish() {
    active_ = false;
    return area();
  }
  void cancel() { active_ = false; }

  bool active() const { return active_; }
  // The frame to draw while active, right and bottom exclusive.
  const ViewRect& frame() const { return frame_; }
  CellArea area() const {
    return CellArea{floorDiv(frame_.left, cellSize_) + 1, floorDiv(frame_.top, cellSize_) + 1,
                    floorDiv(frame_.right, cellSize_) - 1, floorDiv(frame_.bottom, cellSize_) - 1};
  }

 private:
  bool active_ = false;
  int cellSize_ = 1;
  ViewRect frame_;
};

}  // namespace pyrovel
