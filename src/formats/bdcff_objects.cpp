#include "formats/bdcff_objects.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "formats/bdcff_draw.h"
#include "model/int_math.h"
#include "model/straight_line.h"

namespace pyrovel {

namespace bdcff_draw {

bool numbers(const Words& w, std::size_t count, int* out) {
  if (w.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const LooseInt n = w.number(i);
    if (!n.whole) return false;
    out[i] = n.value;
  }
  return true;
}

BdcffDrawResult unreadable(std::string_view what) {
  return {Kind::Unreadable, "cannot be read (" + std::string(what) + "), nothing drawn"};
}

void order(int& a, int& b) {
  if (a > b) std::swap(a, b);
}

BdcffDrawResult Drawer::result() const {
  if (offPoints_ == 0) return {Kind::Drawn, {}};
  if (offPoints_ == namedPoints_ && drawn_ == 0) return {Kind::Off, "off the cave, nothing drawn"};
  return {Kind::PartlyOff, "partly off the cave, the part inside drawn"};
}

void Drawer::line(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
  forEachLinePoint(x1, y1, x2, y2, [&](int x, int y) { put(x, y, paint); });
}

void Drawer::outline(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
  fill(x1, y1, x2, y1, paint);
  fill(x1, y2, x2, y2, paint);
  fill(x1, y1, x1, y2, paint);
  fill(x2, y1, x2, y2, paint);
}

}  // namespace bdcff_draw

namespace {

using namespace bdcff_draw;

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

BdcffDrawResult raster(BdcffGrid& grid, const Words& w) {
  int v[6];
  if (w.size() != 7 || !numbers(w, 6, v)) return unreadable("Raster=x y nx ny dx dy element");
  const int x = v[0], y = v[1];
  if (far(v[2]) || far(v[3])) return unreadable("counts out of range");
  // A negative count goes the other way round: towards the left or the top.
  const int nx = std::abs(v[2]), ny = std::abs(v[3]);
  const long stepX = v[2] < 0 ? -static_cast<long>(v[4]) : v[4];
  const long stepY = v[3] < 0 ? -static_cast<long>(v[5]) : v[5];
  if (nx == 0 || ny == 0) return {};
  const long lastX = x + (nx - 1) * stepX, lastY = y + (ny - 1) * stepY;
  if (far(x) || far(y) || lastX < -kFarOff || lastX > kFarOff || lastY < -kFarOff ||
      lastY > kFarOff) {
    return {Kind::Off, "far off the cave, nothing drawn"};
  }
  // Both ends lie near the cave, so a step taken is small.
  const int dx = nx > 1 ? static_cast<int>(stepX) : 0, dy = ny > 1 ? static_cast<int>(stepY) : 0;
  const BdcffGrid::Paint paint = grid.paintFor(w[6]);
  Drawer d(grid);
  d.named(x, y);
  d.named(static_cast<int>(lastX), static_cast<int>(lastY));
  // The points inside the cave are a range of columns times a range of rows.
  const auto [firstColumn, endColumn] = stepsInside(x, dx, nx, grid.width());
  const auto [firstRow, endRow] = stepsInside(y, dy, ny, grid.height());
  for (int j = firstRow; j < endRow; ++j) {
    for (int i = firstColumn; i < endColumn; ++i) d.put(x + i * dx, y + j * dy, paint);
  }
  return d.result();
}

// Add and AddBackward scan the cave row by row as the game does: a cell
// added ahead of the scan is found again, one covered before the scan
// reaches it is not. A cell is found when it holds the file's element, not
// merely the object that element became.
BdcffDrawResult add(BdcffGrid& grid, const Words& w, bool backward) {
  int v[2];
  if (w.size() != 4 || !numbers(w, 2, v)) return unreadable("Add=dx dy search element");
  const int dx = v[0], dy = v[1];
  const BdcffGrid::Paint search = grid.paintFor(w[2]);
  const BdcffGrid::Paint paint = grid.paintFor(w[3]);
  const int width = grid.width(), height = grid.height();
  for (int n = 0; n < height; ++n) {
    const int y = backward ? height - 1 - n : n;
    for (int m = 0; m < width; ++m) {
      const int x = backward ? width - 1 - m : m;
      if (grid.holds(x, y, search)) grid.put(x + dx, y + dy, paint);
    }
  }
  return {};
}

}  // namespace

BdcffDrawResult applyBdcffObject(BdcffGrid& grid, std::string_view text) {
  const std::string_view trimmed = trimLine(text);
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return {Kind::Unknown, "not a drawing command"};
  const std::string_view name = trimLine(trimmed.substr(0, eq));
  const Words w = splitWords(trimmed.substr(eq + 1));
  if (name == "Point") return point(grid, w);
  if (name == "Line") return straightLine(grid, w);
  if (name == "Rectangle") return rectangle(grid, w, false);
  if (name == "FillRect") return rectangle(grid, w, true);
  if (name == "Raster") return raster(grid, w);
  if (name == "Add") return add(grid, w, false);
  if (name == "AddBackward") return add(grid, w, true);
  if (name == "FloodFill") return floodFill(grid, w);
  if (name == "BoundaryFill") return boundaryFill(grid, w);
  if (name == "CopyPaste") return copyPaste(grid, w);
  if (name == "RandomFillC64") return randomFill(grid, w, true);
  if (name == "RandomFill") return randomFill(grid, w, false);
  if (name == "Maze") return maze(grid, w);
  return {Kind::Unknown, "unknown drawing command " + std::string(name) + ", nothing drawn"};
}

}  // namespace pyrovel
