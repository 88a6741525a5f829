#include "formats/bdcff_objects.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_elements.h"
#include "formats/bdcff_random.h"
#include "model/int_math.h"
#include "model/straight_line.h"

namespace pyrovel {

BdcffGrid::BdcffGrid(int width, int height, int fill)
    : width_(std::clamp(width, 1, 128)),
      height_(std::clamp(height, 1, 128)),
      stride_(static_cast<std::size_t>(height_)),
      own_(static_cast<std::size_t>(width_) * stride_, static_cast<Cell>(fill)),
      cells_(own_.data()) {}

BdcffGrid::BdcffGrid(int width, int height, Cell* columns, std::size_t stride)
    : width_(std::clamp(width, 1, 128)),
      height_(std::clamp(height, 1, 128)),
      stride_(std::max(stride, static_cast<std::size_t>(height_))),
      cells_(columns) {}

int BdcffGrid::sourceFor(const std::string& label) {
  const auto it = std::find(sources_.begin(), sources_.end(), label);
  if (it != sources_.end()) return static_cast<int>(it - sources_.begin());
  // Cells painted so far have no source.
  if (source_.empty()) source_.assign(static_cast<std::size_t>(width_) * stride_, -1);
  sources_.push_back(label);
  sourceLines_.push_back(line_);
  return static_cast<int>(sources_.size() - 1);
}

BdcffGrid::Paint BdcffGrid::paintFor(std::string_view element) {
  if (const int object = bdcffElementObjectOrNone(element); object >= 0) return {object, -1};
  return {kBdcffGrover, sourceFor("element " + std::string(element))};
}

long BdcffGrid::fill(int left, int top, int right, int bottom, Paint paint) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_ - 1);
  bottom = std::min(bottom, height_ - 1);
  if (left > right || top > bottom) return 0;
  const auto rows = static_cast<std::ptrdiff_t>(bottom - top + 1);
  const long columns = right - left + 1;
  if (rows == 1 && source_.empty()) {
    // One row: a cell in each column, the stride apart; four at a time, the
    // cells depend on nothing but the loop.
    const auto object = static_cast<Cell>(paint.object);
    const std::size_t stride = stride_;
    Cell* cell = cells_ + index(left, top);
    long x = 0;
    for (; x + 4 <= columns; x += 4, cell += 4 * stride) {
      cell[0] = object;
      cell[stride] = object;
      cell[2 * stride] = object;
      cell[3 * stride] = object;
    }
    for (; x < columns; ++x, cell += stride) *cell = object;
    return columns;
  }
  for (int x = left; x <= right; ++x) {
    const std::size_t first = index(x, top);
    std::fill_n(cells_ + first, rows, static_cast<Cell>(paint.object));
    if (source_.empty()) continue;
    std::fill_n(source_.begin() + static_cast<std::ptrdiff_t>(first), rows,
                static_cast<std::int16_t>(paint.source));
  }
  return columns * rows;
}

std::vector<BdcffGrid::SourceCount> BdcffGrid::groverCounts() const {
  std::vector<SourceCount> counts;
  if (sources_.empty()) return counts;
  for (std::size_t s = 0; s < sources_.size(); ++s) {
    counts.push_back({sources_[s], sourceLines_[s], 0});
  }
  for (int x = 0; x < width_; ++x) {
    for (int y = 0; y < height_; ++y) {
      const std::size_t i = index(x, y);
      if (source_[i] >= 0 && cells_[i] == kBdcffGrover) {
        ++counts[static_cast<std::size_t>(source_[i])].cells;
      }
    }
  }
  return counts;
}

namespace {

using Kind = BdcffDrawResult::Kind;

// Coordinates further off than this are not walked along (a line from one
// of them would take millions of steps to reach the cave).
constexpr int kFarOff = 4096;

// Reads `count` numbers from the front of `w`; false when one is not a number.
bool numbers(const Words& w, std::size_t count, int* out) {
  if (w.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const LooseInt n = w.number(i);
    if (!n.whole) return false;
    out[i] = n.value;
  }
  return true;
}

bool far(int v) {
  return v < -kFarOff || v > kFarOff;
}

// a / b rounded up.
int ceilDiv(int a, int b) {
  return -floorDiv(-a, b);
}

// The steps i in [0, count) at which start + i * step lies in [0, limit),
// as [first, end): they follow each other, whichever way the steps go.
std::pair<int, int> stepsInside(int start, int step, int count, int limit) {
  if (count <= 1) step = 0;  // one point: its step is never taken, however large
  int first = 0, end = count;
  if (step > 0) {
    first = std::max(first, ceilDiv(-start, step));
    end = std::min(end, floorDiv(limit - 1 - start, step) + 1);
  } else if (step < 0) {
    first = std::max(first, ceilDiv(start - limit + 1, -step));
    end = std::min(end, floorDiv(start, -step) + 1);
  } else if (start < 0 || start >= limit) {
    end = 0;
  }
  return {first, end};
}

// Draws one command. Made once the command's paints are known (see
// BdcffGrid::canvas()).
class Drawer {
 public:
  explicit Drawer(BdcffGrid& grid) : grid_(grid), canvas_(grid.canvas()) {}

  // Counts a coordinate the command names, for the partly-off report.
  void named(int x, int y) {
    ++namedPoints_;
    if (!canvas_.inside(x, y)) ++offPoints_;
  }

  BdcffDrawResult result() const {
    if (offPoints_ == 0) return {Kind::Drawn, {}};
    if (offPoints_ == namedPoints_ && drawn_ == 0) {
      return {Kind::Off, "off the cave, nothing drawn"};
    }
    return {Kind::PartlyOff, "partly off the cave, the part inside drawn"};
  }

  void put(int x, int y, BdcffGrid::Paint paint) {
    if (!canvas_.inside(x, y)) return;
    canvas_.set(x, y, paint);
    ++drawn_;
  }

  // The loops below work on copies, which stay in registers while cells are
  // written.
  void line(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
    // A level or upright line is a rectangle one cell wide.
    if (x1 == x2 || y1 == y2) {
      fill(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), paint);
      return;
    }
    const BdcffGrid::Canvas c = canvas_;
    if (c.sources == nullptr && c.inside(x1, y1) && c.inside(x2, y2)) {
      // Every point lies between the ends, so inside the cave too; the
      // walk makes one point per step along the longer axis.
      Cell* const cells = c.cells;
      const std::size_t stride = c.stride;
      const auto object = static_cast<Cell>(paint.object);
      forEachLinePoint(x1, y1, x2, y2, [&](int x, int y) {
        cells[static_cast<std::size_t>(x) * stride + static_cast<std::size_t>(y)] = object;
      });
      drawn_ += std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1;
      return;
    }
    long drawn = 0;
    forEachLinePoint(x1, y1, x2, y2, [&](int x, int y) {
      if (!c.inside(x, y)) return;
      c.set(x, y, paint);
      ++drawn;
    });
    drawn_ += drawn;
  }

  // nx x ny points from (x, y), dx and dy apart: those inside the cave are
  // a range of columns times a range of rows of the raster.
  void raster(int x, int y, int nx, int ny, int dx, int dy, BdcffGrid::Paint paint) {
    const BdcffGrid::Canvas c = canvas_;
    const auto [firstColumn, endColumn] = stepsInside(x, dx, nx, c.width);
    const auto [firstRow, endRow] = stepsInside(y, dy, ny, c.height);
    if (firstColumn >= endColumn || firstRow >= endRow) return;
    for (int j = firstRow; j < endRow; ++j) {
      for (int i = firstColumn; i < endColumn; ++i) c.set(x + i * dx, y + j * dy, paint);
    }
    drawn_ += static_cast<long>(endColumn - firstColumn) * (endRow - firstRow);
  }

  // The cells of a rectangle, clipped to the grid first.
  void fill(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
    drawn_ += grid_.fill(x1, y1, x2, y2, paint);
  }

  void outline(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
    fill(x1, y1, x2, y1, paint);
    fill(x1, y2, x2, y2, paint);
    fill(x1, y1, x1, y2, paint);
    fill(x2, y1, x2, y2, paint);
  }

 private:
  BdcffGrid& grid_;
  BdcffGrid::Canvas canvas_;
  int namedPoints_ = 0, offPoints_ = 0;
  long drawn_ = 0;
};

BdcffDrawResult unreadable(std::string_view what) {
  return {Kind::Unreadable, "cannot be read (" + std::string(what) + "), nothing drawn"};
}

// Corners in order: left <= right, top <= bottom.
void order(int& a, int& b) {
  if (a > b) std::swap(a, b);
}

BdcffDrawResult point(BdcffGrid& grid, const Words& w) {
  int v[2];
  if (w.size() != 3 || !numbers(w, 2, v)) return unreadable("Point=x y element");
  const BdcffGrid::Paint paint = grid.paintFor(w[2]);
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.put(v[0], v[1], paint);
  return d.result();
}

BdcffDrawResult straightLine(BdcffGrid& grid, const Words& w) {
  int v[4];
  if (w.size() != 5 || !numbers(w, 4, v)) return unreadable("Line=x1 y1 x2 y2 element");
  if (std::any_of(v, v + 4, far)) return {Kind::Off, "far off the cave, nothing drawn"};
  const BdcffGrid::Paint paint = grid.paintFor(w[4]);
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.named(v[2], v[3]);
  d.line(v[0], v[1], v[2], v[3], paint);
  return d.result();
}

BdcffDrawResult rectangle(BdcffGrid& grid, const Words& w, bool filled) {
  int v[4];
  const bool sizeOk = filled ? (w.size() == 5 || w.size() == 6) : w.size() == 5;
  if (!sizeOk || !numbers(w, 4, v)) {
    return unreadable(filled ? "FillRect=x1 y1 x2 y2 element [fill element]"
                             : "Rectangle=x1 y1 x2 y2 element");
  }
  order(v[0], v[2]);
  order(v[1], v[3]);
  const BdcffGrid::Paint border = grid.paintFor(w[4]);
  const BdcffGrid::Paint inside = filled && w.size() == 6 ? grid.paintFor(w[5]) : border;
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.named(v[2], v[3]);
  if (filled) d.fill(v[0] + 1, v[1] + 1, v[2] - 1, v[3] - 1, inside);
  d.outline(v[0], v[1], v[2], v[3], border);
  return d.result();
}

BdcffDrawResult raster(BdcffGrid& grid, const Words& w) {
  int v[6];
  if (w.size() != 7 || !numbers(w, 6, v)) return unreadable("Raster=x y nx ny dx dy element");
  const int x = v[0], y = v[1], nx = v[2], ny = v[3], dx = v[4], dy = v[5];
  if (nx < 0 || ny < 0 || nx > kFarOff || ny > kFarOff) return unreadable("counts out of range");
  if (nx == 0 || ny == 0) return {};
  const long lastX = static_cast<long>(x) + static_cast<long>(nx - 1) * dx;
  const long lastY = static_cast<long>(y) + static_cast<long>(ny - 1) * dy;
  if (far(x) || far(y) || lastX < -kFarOff || lastX > kFarOff || lastY < -kFarOff ||
      lastY > kFarOff) {
    return {Kind::Off, "far off the cave, nothing drawn"};
  }
  const BdcffGrid::Paint paint = grid.paintFor(w[6]);
  Drawer d(grid);
  d.named(x, y);
  d.named(static_cast<int>(lastX), static_cast<int>(lastY));
  d.raster(x, y, nx, ny, dx, dy, paint);
  return d.result();
}

// Add and AddBackward scan the cave row by row as the game does: a cell
// added ahead of the scan is found again, one covered before the scan
// reaches it is not.
void addScanningEveryCell(const BdcffGrid::Canvas& c, int search, BdcffGrid::Paint paint, int dx,
                          int dy, bool backward) {
  for (int n = 0; n < c.height; ++n) {
    const int y = backward ? c.height - 1 - n : n;
    for (int m = 0; m < c.width; ++m) {
      const int x = backward ? c.width - 1 - m : m;
      if (c.cells[static_cast<std::size_t>(x) * c.stride + static_cast<std::size_t>(y)] != search) {
        continue;
      }
      if (c.inside(x + dx, y + dy)) c.set(x + dx, y + dy, paint);
    }
  }
}

BdcffDrawResult add(BdcffGrid& grid, const Words& w, bool backward) {
  int v[2];
  if (w.size() != 4 || !numbers(w, 2, v)) return unreadable("Add=dx dy search element");
  const int dx = v[0], dy = v[1];
  const int search = grid.paintFor(w[2]).object;
  const BdcffGrid::Paint paint = grid.paintFor(w[3]);
  const BdcffGrid::Canvas c = grid.canvas();
  if (paint.object == search) {
    addScanningEveryCell(c, search, paint, dx, dy, backward);
    return {};
  }
  // Adding another object never gives a cell the object searched for, it
  // can only cover one: the scan meets the cells that held it before, in
  // its order, each while it still holds it. They are found column by
  // column, the way the cells lie, and put into the scan's order.
  constexpr std::size_t kMostFound = 512;
  std::array<std::uint32_t, kMostFound> found;
  std::size_t count = 0;
  bool tooMany = false;
  grid.forEachHolding(search, [&](int x, int y) {
    if (count == kMostFound) {
      tooMany = true;
      return;
    }
    found[count++] = static_cast<std::uint32_t>(y) << 8 | static_cast<std::uint32_t>(x);
  });
  if (tooMany) {
    addScanningEveryCell(c, search, paint, dx, dy, backward);
    return {};
  }
  std::sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count));
  if (backward) std::reverse(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const int x = static_cast<int>(found[i] & 0xFF), y = static_cast<int>(found[i] >> 8);
    if (c.cells[static_cast<std::size_t>(x) * c.stride + static_cast<std::size_t>(y)] != search) {
      continue;  // covered by an earlier add
    }
    if (c.inside(x + dx, y + dy)) c.set(x + dx, y + dy, paint);
  }
  return {};
}

// A perfect maze of cells `path` wide with walls `wall` wide between them,
// carved depth first; `horizontal` percent of the choices between a
// horizontal and a vertical way go horizontally.
BdcffDrawResult maze(BdcffGrid& grid, const Words& w) {
  int v[12];
  if ((w.size() != 14 && w.size() != 15) || !numbers(w, 12, v)) {
    return unreadable("Maze=x1 y1 x2 y2 wall path horizontal seed1..seed5 wall path [type]");
  }
  int x1 = v[0], y1 = v[1], x2 = v[2], y2 = v[3];
  const int wall = std::max(v[4], 1), path = std::max(v[5], 1), horizontal = v[6];
  order(x1, x2);
  order(y1, y2);
  if (std::any_of(v, v + 4, far)) return {Kind::Off, "far off the cave, nothing drawn"};
  const BdcffGrid::Paint wallPaint = grid.paintFor(w[12]), pathPaint = grid.paintFor(w[13]);
  Drawer d(grid);
  d.named(x1, y1);
  d.named(x2, y2);
  d.fill(x1, y1, x2, y2, wallPaint);
  const int pitch = wall + path;
  const int nx = (x2 - x1 + 1 + wall) / pitch, ny = (y2 - y1 + 1 + wall) / pitch;
  if (nx > 0 && ny > 0) {
    auto cellFill = [&](int cx, int cy) {
      d.fill(x1 + cx * pitch, y1 + cy * pitch, x1 + cx * pitch + path - 1,
             y1 + cy * pitch + path - 1, pathPaint);
    };
    // The gap between a cell and its neighbour in direction (ox, oy).
    auto gapFill = [&](int cx, int cy, int ox, int oy) {
      const int left = x1 + cx * pitch + (ox > 0 ? path : ox < 0 ? -wall : 0);
      const int top = y1 + cy * pitch + (oy > 0 ? path : oy < 0 ? -wall : 0);
      d.fill(left, top, left + (ox != 0 ? wall : path) - 1, top + (oy != 0 ? wall : path) - 1,
             pathPaint);
    };
    C64Random random(v[7]);
    std::vector<char> seen(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny), 0);
    std::vector<std::pair<int, int>> stack{{0, 0}};
    seen[0] = 1;
    cellFill(0, 0);
    constexpr std::array<std::pair<int, int>, 4> kWays{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    while (!stack.empty()) {
      const auto [cx, cy] = stack.back();
      std::array<int, 4> open{};
      int openCount = 0, openHorizontal = 0;
      for (int k = 0; k < 4; ++k) {
        const int tx = cx + kWays[k].first, ty = cy + kWays[k].second;
        if (tx < 0 || ty < 0 || tx >= nx || ty >= ny) continue;
        if (seen[static_cast<std::size_t>(ty * nx + tx)]) continue;
        open[static_cast<std::size_t>(openCount++)] = k;
        if (k < 2) ++openHorizontal;
      }
      if (openCount == 0) {
        stack.pop_back();
        continue;
      }
      const int openVertical = openCount - openHorizontal;
      bool goHorizontal = openVertical == 0;
      if (openHorizontal > 0 && openVertical > 0) {
        goHorizontal = random.next() * 100 < horizontal * 256;
      }
      int choices[4], n = 0;
      for (int i = 0; i < openCount; ++i) {
        if ((open[static_cast<std::size_t>(i)] < 2) == goHorizontal) {
          choices[n++] = open[static_cast<std::size_t>(i)];
        }
      }
      const int k = choices[n > 1 ? random.next() % n : 0];
      const int tx = cx + kWays[static_cast<std::size_t>(k)].first;
      const int ty = cy + kWays[static_cast<std::size_t>(k)].second;
      gapFill(cx, cy, kWays[static_cast<std::size_t>(k)].first,
              kWays[static_cast<std::size_t>(k)].second);
      cellFill(tx, ty);
      seen[static_cast<std::size_t>(ty * nx + tx)] = 1;
      stack.emplace_back(tx, ty);
    }
  }
  BdcffDrawResult r = d.result();
  if (r.kind == Kind::Drawn) {
    r = {Kind::Approximated,
         "a maze of the editor's own, not the game's (its generator is not public)"};
  }
  return r;
}

}  // namespace

BdcffDrawResult applyBdcffObject(BdcffGrid& grid, std::string_view text) {
  const std::string_view trimmed = trimLine(text);  // cheap when the caller trimmed it
  const auto eq = findByte(trimmed, '=');
  if (eq == std::string_view::npos) return {Kind::Unknown, "not a drawing command"};
  const std::string_view name = trimLine(trimmed.substr(0, eq));
  const Words w = splitWords(trimmed.substr(eq + 1));
  // By length first: every command is read for every cave.
  switch (name.size()) {
    case 3:
      if (name == "Add") return add(grid, w, false);
      break;
    case 4:
      if (name == "Line") return straightLine(grid, w);
      if (name == "Maze") return maze(grid, w);
      break;
    case 5:
      if (name == "Point") return point(grid, w);
      break;
    case 6:
      if (name == "Raster") return raster(grid, w);
      break;
    case 8:
      if (name == "FillRect") return rectangle(grid, w, true);
      break;
    case 9:
      if (name == "Rectangle") return rectangle(grid, w, false);
      break;
    case 11:
      if (name == "AddBackward") return add(grid, w, true);
      break;
    default:
      break;
  }
  return {Kind::Unknown, "unknown drawing command " + std::string(name) + ", nothing drawn"};
}

}  // namespace pyrovel
