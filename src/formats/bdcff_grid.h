#pragma once
// One BDCFF cave's grid while it is read: the object of every cell and the
// file's element it was drawn with, so that the drawing commands that look
// at cells (Add, FloodFill, BoundaryFill) compare what the file said, not
// what it became, and the reader can say how many cells each element
// without an object left as Grover.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

// A cave of width x height cells (1..128 each), column by column like a
// level grid. It draws either into cells of its own or straight into a
// level grid of the levelmap, so a cave read is not copied again.
class BdcffGrid {
 public:
  // A grid with cells of its own, all `fill`.
  BdcffGrid(int width, int height, int fill);
  // A grid over `columns`: column x starts at columns + x * stride, and
  // stride is at least the height. The cells are left as they are.
  BdcffGrid(int width, int height, Cell* columns, std::size_t stride);
  BdcffGrid(BdcffGrid&&) = default;
  BdcffGrid(const BdcffGrid&) = delete;
  BdcffGrid& operator=(const BdcffGrid&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int at(int x, int y) const { return cells_[index(x, y)]; }

  // The cells of column x, to be written in place: cells written so have
  // no element known.
  Cell* column(int x) { return cells_ + index(x, 0); }
  // True while no element without an object was met: the cells may then be
  // written in place.
  bool withoutGrover() const {
    return std::all_of(sources_.begin(), sources_.end(), [](const Source& s) { return s.known; });
  }

  // What a drawing puts into cells: an object, and the file's element (or
  // map code) it stands for, -1 for none known.
  struct Paint {
    int object = 0;
    int element = -1;
  };
  // The paint for an element name (any case); a name without an object
  // becomes Grover.
  Paint paintFor(std::string_view element);
  // Registers an element or map code without an object by its label (found
  // again by its text); the first registration remembers the current line.
  int sourceFor(const std::string& label);
  // The file's line that the drawing in progress comes from.
  void setLine(std::size_t line) { line_ = line; }

  // What a cell holds, as a paint.
  Paint paintAt(int x, int y) const {
    const std::size_t i = index(x, y);
    return {cells_[i], element_[i]};
  }
  // True when the cell holds what `paint` puts: the same object, and the
  // same element where both are known.
  bool holds(int x, int y, Paint paint) const {
    const std::size_t i = index(x, y);
    return cells_[i] == paint.object &&
           (element_[i] < 0 || paint.element < 0 || element_[i] == paint.element);
  }

  // Calls visit(x, y) for every cell holding `object`, column by column.
  template <typename Visit>
  void forEachHolding(int object, Visit&& visit) const {
    for (int x = 0; x < width_; ++x) {
      for (int y = 0; y < height_; ++y) {
        if (cells_[index(x, y)] == object) visit(x, y);
      }
    }
  }

  // Puts paint into a cell inside the grid; a cell outside is left alone.
  // Returns whether it was inside.
  bool put(int x, int y, Paint paint) {
    if (!inside(x, y)) return false;
    set(index(x, y), paint);
    return true;
  }
  // Paints the cells of a rectangle, clipped to the grid; returns how many.
  long fill(int left, int top, int right, int bottom, Paint paint);
  // A cell by its index (index(x, y)), which must lie inside.
  void set(std::size_t i, Paint paint) {
    cells_[i] = static_cast<Cell>(paint.object);
    element_[i] = static_cast<std::int16_t>(paint.element);
  }

  // The Grover cells left by each element or code without an object, in
  // the order they were met.
  struct SourceCount {
    std::string label;
    std::size_t line;  // where the source was first used
    int cells;
  };
  std::vector<SourceCount> groverCounts() const;

  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(x) * stride_ + static_cast<std::size_t>(y);
  }

 private:
  struct Source {
    std::string key;    // the name in capitals, or the label
    std::string label;  // what a note calls it
    std::size_t line;
    bool known;            // has an object
    bool element = false;  // an element name (else a map code's label)
    int object = -1;       // an element's object
  };
  // The index of the source with `key`, registered (as `label`, the key
  // when empty) if it is new.
  int registerSource(std::string key, std::string_view label, bool known);

  int width_, height_;
  std::size_t stride_;
  std::vector<Cell> own_;  // the cells when the grid has its own
  Cell* cells_;
  std::vector<std::int16_t> element_;  // per cell: index into sources_, -1 for none
  std::vector<Source> sources_;
  std::size_t line_ = 0;
};

}  // namespace pyrovel
