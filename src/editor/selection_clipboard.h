#pragma once
// The editor's own clipboard: a grid of copied cells and the floating
// selection that shows it over the level view, dragged in whole cells.
// Its position is a cell of the level, so neither scrolling nor zooming
// changes where a paste lands; the window draws it at the current zoom.
#include <cstdint>
#include <vector>

#include "editor/cell_geometry.h"
#include "model/editor_session.h"

namespace pyrovel {

class SelectionClipboard {
 public:
  explicit SelectionClipboard(EditorSession& session);

  // The selection tool's area (or Copy's): copies the cells of the current
  // layer that lie inside the level and shows the floating selection over
  // them. An area with nothing inside the level empties the clipboard.
  void completeSelection(const CellArea& area);

  int width() const { return width_; }
  int height() const { return height_; }
  // Clipboard cell (i, j): column i, row j of the copy.
  Cell cell(int i, int j) const { return cells_[static_cast<std::size_t>(i * kGridSide + j)]; }

  // --- the floating selection ---------------------------------------------
  bool visible() const { return visible_; }
  void hide() { visible_ = false; }
  // The level cell under its top-left corner: where "Paste" writes.
  CellPos position() const { return position_; }
  // Its rectangle at the given zoom: the copied cells plus a one-pixel border.
  ViewRect rect(int cellSize) const;
  bool contains(int px, int py, int cellSize) const;
  // Whether it is shown over this level cell.
  bool covers(CellPos cell) const { return visible_ && coveredArea().contains(cell.x, cell.y); }

  // Dragging: a press on the floating selection, moves, a release. Every
  // move snaps it to the nearest cell (a remainder of half a cell snaps back).
  void startDrag(int px, int py, int cellSize);
  bool dragTo(int px, int py, int cellSize);  // true when it moved
  void endDrag() { dragging_ = false; }
  bool dragging() const { return dragging_; }
  // Puts the floating selection's top-left corner on a level cell.
  void moveTo(CellPos cell) { position_ = cell; }
  // A pixel position snapped to the cell grid as a drag does.
  static int snapToCell(int pixel, int cellSize);

  // --- the Edit actions -----------------------------------------------------
  // Writes the clipboard at the floating selection's cell (only inside the
  // level) as one undo step; the selection stays where it was put. True
  // when cells were written.
  bool paste();
  // Select All: the whole level, copied and floating over itself.
  void selectAll() { completeSelection(levelArea(session_.map.current())); }
  // Copy the cells under the visible floating selection into the clipboard;
  // Cut also empties them (one undo entry). Without a selection, nothing.
  bool copySelection();
  bool cutSelection();

 private:
  CellArea coveredArea() const {
    return CellArea{position_.x, position_.y, position_.x + width_ - 1, position_.y + height_ - 1};
  }

  EditorSession& session_;
  std::vector<Cell> cells_;
  int width_ = 0, height_ = 0;
  bool visible_ = false;
  CellPos position_;
  bool dragging_ = false;
  CellPos grab_;  // pointer offset from the selection's top-left pixel while dragging
};

}  // namespace pyrovel
