#pragma once
// One BDCFF cave's grid and the drawing commands of an [objects] section,
// applied in order. Nothing is ever written outside the grid: a command
// with coordinates off the cave draws the part inside it and says so.
//
// The commands, with coordinates from the cave's top left corner:
//   Point=x y E
//   Line=x1 y1 x2 y2 E              every cell of the straight line, both ends included
//   Rectangle=x1 y1 x2 y2 E         the outline
//   FillRect=x1 y1 x2 y2 E [F]      outline E, inside F (E when F is left out)
//   Raster=x y nx ny dx dy E        nx x ny points, dx and dy apart
//   Add=dx dy S E                   E at (x+dx, y+dy) of every S, scanned from the top left
//   AddBackward=dx dy S E           the same, scanned from the bottom right
//   Maze=x1 y1 x2 y2 wall path horizontal% seed1..seed5 WALL PATH [type]
//                                   a maze of the editor's own (the game's generator is not
//                                   public): walls and paths of the given widths
#include <algorithm>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <string>
#include <string_view>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

// A cave of width x height cells (1..128 each), column by column like a
// level grid. It draws either into cells of its own or straight into a
// level grid of the levelmap, so a cave read is not copied again. Cells that
// hold Grover because of a name or code without an object remember which,
// so the reader can say how many cells each one left.
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
  // The cells of column x, to be written in place (of objects without a source).
  Cell* column(int x) { return cells_ + index(x, 0); }
  // True while no cell holds a source: cells may be written directly.
  bool withoutSources() const { return source_.empty(); }

  // What a drawing puts into cells: an object, and for Grover the source
  // it stands for (-1 for none).
  struct Paint {
    int object = 0;
    int source = -1;
  };
  // The paint for an element name; a name without an object becomes
  // Grover and is registered as a source ("element NAME").
  Paint paintFor(std::string_view element);
  // Registers a source label (found again by its text) for Grover cells;
  // the first registration remembers the current line.
  int sourceFor(const std::string& label);
  // The file's line that the drawing in progress comes from.
  void setLine(std::size_t line) { line_ = line; }

  // The raw cells for loops that write many of them: column x starts at
  // cells + x * stride; `sources` is null while no cell holds a source. Taken
  // once every paint of a drawing is known, since a new source allocates the
  // sources and moves them.
  struct Canvas {
    Cell* cells;
    std::int16_t* sources;
    std::size_t stride;
    int width, height;
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void set(int x, int y, Paint paint) const {
      const std::size_t i = static_cast<std::size_t>(x) * stride + static_cast<std::size_t>(y);
      cells[i] = static_cast<Cell>(paint.object);
      if (sources != nullptr) sources[i] = static_cast<std::int16_t>(paint.source);
    }
  };
  Canvas canvas() {
    return {cells_, source_.empty() ? nullptr : source_.data(), stride_, width_, height_};
  }

  // Calls visit(x, y) for every cell holding `object`, column by column.
  template <typename Visit>
  void forEachHolding(int object, Visit&& visit) const;

  // Puts paint into a cell inside the grid; a cell outside is left alone.
  void put(int x, int y, Paint paint) {
    if (inside(x, y)) set(index(x, y), paint);
  }
  // Paints the cells of a rectangle, clipped to the grid; returns how many.
  long fill(int left, int top, int right, int bottom, Paint paint);
  // A cell by its index (index(x, y)), which must lie inside.
  void set(std::size_t i, Paint paint) {
    cells_[i] = static_cast<Cell>(paint.object);
    if (!source_.empty()) source_[i] = static_cast<std::int16_t>(paint.source);
  }

  // The Grover cells left by each registered source, in registration order.
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
  int width_, height_;
  std::size_t stride_;
  std::vector<Cell> own_;  // the cells when the grid has its own
  Cell* cells_;
  std::vector<std::int16_t> source_;  // per cell, -1 for none; empty while there is no source
  std::vector<std::string> sources_;
  std::vector<std::size_t> sourceLines_;
  std::size_t line_ = 0;
};

namespace bdcff_detail {

#if defined(__SSE2__)
// The rows among the first 32 of a column that hold `wanted` (eight copies
// of a cell), as bits; all 32 cells must be readable. Most columns hold
// none of what is looked for, so one test of all of them comes first.
inline std::uint32_t rowsAmongThirtyTwo(const Cell* column, __m128i wanted) {
  const auto equal = [&](int at) {
    return _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(column + at)), wanted);
  };
  const __m128i a = equal(0), b = equal(8), c = equal(16), d = equal(24);
  if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) == 0) return 0;
  const auto low = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(a, b)));
  const auto high = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(c, d)));
  return low | high << 16;
}
#endif

// The rows of one column that hold `value`, as bits: bit y of the result
// set where column[y] == value, for y < count (at most 64). Cells up to
// `readable` may be read (and are not counted). Sixteen cells are compared
// at a time where the compiler offers vectors.
inline std::uint64_t rowsHolding(const Cell* column, int count, std::size_t readable, Cell value) {
  std::uint64_t rows = 0;
  int y = 0;
#if defined(__SSE2__)
  // Sixteen or eight cells at a time, their comparisons packed into as many
  // bits. The last of them may read past `count` (not past `readable`);
  // what they find there is masked off.
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(value));
  const auto equal = [&](int at) {
    return _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(column + at)), wanted);
  };
  for (; y < count && static_cast<std::size_t>(y) + 16 <= readable; y += 16) {
    rows |= static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_packs_epi16(equal(y), equal(y + 8))) &
                                       0xFFFF)
            << y;
  }
  for (; y < count && static_cast<std::size_t>(y) + 8 <= readable; y += 8) {
    const auto bits = static_cast<std::uint64_t>(
        _mm_movemask_epi8(_mm_packs_epi16(equal(y), _mm_setzero_si128())) & 0xFF);
    rows |= bits << y;
  }
  if (y > count) {
    rows &= (std::uint64_t{1} << count) - 1;  // count < 64 here: y went past it
    return rows;
  }
#endif
  for (; y < count; ++y) rows |= std::uint64_t{column[y] == value} << y;
  return rows;
}

}  // namespace bdcff_detail

template <typename Visit>
void BdcffGrid::forEachHolding(int object, Visit&& visit) const {
  if (object < 0 || object > 0xFFFF) return;
  const auto value = static_cast<Cell>(object);
#if defined(__SSE2__)
  // Most caves are at most 32 rows high; with 32 cells to a column or more,
  // every column may be read 32 cells down.
  if (height_ <= 32 && stride_ >= 32) {
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(value));
    const std::uint32_t inside =
        height_ == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << height_) - 1;
    for (int x = 0; x < width_; ++x) {
      std::uint32_t rows = bdcff_detail::rowsAmongThirtyTwo(cells_ + index(x, 0), wanted) & inside;
      for (; rows != 0; rows &= rows - 1) visit(x, std::countr_zero(rows));
    }
    return;
  }
#endif
  for (int x = 0; x < width_; ++x) {
    const Cell* column = cells_ + index(x, 0);
    for (int top = 0; top < height_; top += 64) {
      // A column of a level grid may be read as far as the next one starts.
      std::uint64_t rows =
          bdcff_detail::rowsHolding(column + top, std::min(height_ - top, 64),
                                    (x + 1 < width_ ? stride_ : static_cast<std::size_t>(height_)) -
                                        static_cast<std::size_t>(top),
                                    value);
      while (rows != 0) {
        visit(x, top + std::countr_zero(rows));
        rows &= rows - 1;
      }
    }
  }
}

// What became of one drawing command.
struct BdcffDrawResult {
  enum class Kind {
    Drawn,         // as the file says
    PartlyOff,     // some coordinates lie off the cave; the part inside was drawn
    Off,           // all of it lies off the cave; nothing was drawn
    Approximated,  // drawn, but not the way the game would (the maze)
    Unknown,       // not a drawing command the reader knows; nothing was drawn
    Unreadable,    // a command with missing or bad numbers; nothing was drawn
  };
  Kind kind = Kind::Drawn;
  std::string detail;  // what the note says about it
};

// Applies one line of an [objects] section ("Name=values") to the grid.
BdcffDrawResult applyBdcffObject(BdcffGrid& grid, std::string_view line);

}  // namespace pyrovel
