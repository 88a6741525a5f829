#include "editor/selection_clipboard.h"

namespace pyrovel {

SelectionClipboard::SelectionClipboard(EditorSession& session)
    : session_(session), cells_(static_cast<std::size_t>(kGridSide * kGridSide), 0) {}

void SelectionClipboard::completeSelection(const CellArea& area) {
  const Levelmap& map = session_.map;
  const CellArea inside = area.intersected(levelArea(map.current()));
  width_ = inside.width();
  height_ = inside.height();
  for (int i = 0; i < width_; ++i) {
    for (int j = 0; j < height_; ++j) {
      cells_[static_cast<std::size_t>(i * kGridSide + j)] = map.at(inside.c1 + i, inside.r1 + j);
    }
  }
  visible_ = !inside.empty();
  dragging_ = false;
  position_ = CellPos{inside.c1, inside.r1};
}

ViewRect SelectionClipboard::rect(int cellSize) const {
  const int left = position_.x * cellSize, top = position_.y * cellSize;
  return ViewRect{left, top, left + width_ * cellSize + 1, top + height_ * cellSize + 1};
}

bool SelectionClipboard::contains(int px, int py, int cellSize) const {
  const ViewRect r = rect(cellSize);
  return visible_ && px >= r.left && px < r.right && py >= r.top && py < r.bottom;
}

int SelectionClipboard::snapToCell(int pixel, int cellSize) {
  const int r = floorMod(pixel, cellSize);
  if (r == 0) return pixel;
  return r <= cellSize / 2 ? pixel - r : pixel + cellSize - r;
}

void SelectionClipboard::startDrag(int px, int py, int cellSize) {
  if (!visible_ || cellSize <= 0) return;
  dragging_ = true;
  grab_ = CellPos{px - position_.x * cellSize, py - position_.y * cellSize};
}

bool SelectionClipboard::dragTo(int px, int py, int cellSize) {
  if (!dragging_ || cellSize <= 0) return false;
  const CellPos before = position_;
  position_.x = floorDiv(snapToCell(px - grab_.x, cellSize), cellSize);
  position_.y = floorDiv(snapToCell(py - grab_.y, cellSize), cellSize);
  return !(position_ == before);
}

bool SelectionClipboard::paste() {
  Levelmap& map = session_.map;
  const CellArea target = coveredArea().intersected(levelArea(map.current()));
  if (target.empty()) return false;
  session_.beginStep("Paste");
  for (int x = target.c1; x <= target.c2; ++x) {
    for (int y = target.r1; y <= target.r2; ++y) {
      map.at(x, y) = cell(x - position_.x, y - position_.y);
    }
  }
  session_.endStep();
  map.modified = true;
  return true;
}

bool SelectionClipboard::copySelection() {
  if (!visible_) return false;
  completeSelection(coveredArea());
  return true;
}

bool SelectionClipboard::cutSelection() {
  if (!copySelection() || width_ == 0) return false;
  session_.beginStep("Cut");
  Levelmap& map = session_.map;
  for (int i = 0; i < width_; ++i) {
    for (int j = 0; j < height_; ++j) map.at(position_.x + i, position_.y + j) = obj::EmptySpace;
  }
  session_.endStep();
  map.modified = true;
  return true;
}

}  // namespace pyrovel
