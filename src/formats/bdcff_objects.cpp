#include "formats/bdcff_objects.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_elements.h"
#include "formats/bdcff_random.h"
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
  if (const std::optional<int> object = bdcffElementObject(element)) return {*object, -1};
  return {kBdcffGrover, sourceFor("element " + std::string(element))};
}

long BdcffGrid::fill(int left, int top, int right, int bottom, Paint paint) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_ - 1);
  bottom = std::min(bottom, height_ - 1);
  if (left > right || top > bottom) return 0;
  const auto rows = static_cast<std::ptrdiff_t>(bottom - top + 1);
  for (int x = left; x <= right; ++x) {
    const std::size_t first = index(x, top);
    std::fill_n(cells_ + first, rows, static_cast<Cell>(paint.object));
    if (source_.empty()) continue;
    std::fill_n(source_.begin() + static_cast<std::ptrdiff_t>(first), rows,
                static_cast<std::int16_t>(paint.source));
  }
  return static_cast<long>(right - left + 1) * rows;
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

// The values of a command: no command takes more than 15, so a line with
// more is unreadable for every command (size 16 says "too many").
// Only the first `count` items are ever set or read, so they are left
// uninitialised: a command is read for every line of every cave.
struct Words {
  static constexpr std::size_t kMost = 16;
  const char* begin[kMost];
  std::size_t length[kMost];
  std::size_t count = 0;
  std::size_t size() const { return count; }
  std::string_view operator[](std::size_t i) const { return {begin[i], length[i]}; }
};

Words words(std::string_view text) {
  Words out;
  std::size_t i = 0;
  while (i < text.size() && out.count < Words::kMost) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= text.size() || text[i] == ';') break;  // a comment ends the values
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\t') ++j;
    out.begin[out.count] = text.data() + i;
    out.length[out.count++] = j - i;
    i = j;
  }
  return out;
}

std::optional<int> number(std::string_view word) {
  const LooseInt n = readLooseInt(word);
  if (!n.whole) return std::nullopt;
  return n.value;
}

// Reads `count` numbers from the front of `w`; false when one is not a number.
bool numbers(const Words& w, std::size_t count, int* out) {
  if (w.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const auto n = number(w[i]);
    if (!n) return false;
    out[i] = *n;
  }
  return true;
}

bool far(int v) {
  return v < -kFarOff || v > kFarOff;
}

class Drawer {
 public:
  explicit Drawer(BdcffGrid& grid) : grid_(grid) {}

  // Counts a coordinate the command names, for the partly-off report.
  void named(int x, int y) {
    ++namedPoints_;
    if (!grid_.inside(x, y)) ++offPoints_;
  }

  BdcffDrawResult result() const {
    if (offPoints_ == 0) return {Kind::Drawn, {}};
    if (offPoints_ == namedPoints_ && drawn_ == 0) {
      return {Kind::Off, "off the cave, nothing drawn"};
    }
    return {Kind::PartlyOff, "partly off the cave, the part inside drawn"};
  }

  void put(int x, int y, BdcffGrid::Paint paint) {
    if (!grid_.inside(x, y)) return;
    grid_.put(x, y, paint);
    ++drawn_;
  }

  void line(int x1, int y1, int x2, int y2, BdcffGrid::Paint paint) {
    forEachLinePoint(x1, y1, x2, y2, [&](int x, int y) { put(x, y, paint); });
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
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.put(v[0], v[1], grid.paintFor(w[2]));
  return d.result();
}

BdcffDrawResult straightLine(BdcffGrid& grid, const Words& w) {
  int v[4];
  if (w.size() != 5 || !numbers(w, 4, v)) return unreadable("Line=x1 y1 x2 y2 element");
  if (std::any_of(v, v + 4, far)) return {Kind::Off, "far off the cave, nothing drawn"};
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.named(v[2], v[3]);
  d.line(v[0], v[1], v[2], v[3], grid.paintFor(w[4]));
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
  Drawer d(grid);
  d.named(v[0], v[1]);
  d.named(v[2], v[3]);
  const BdcffGrid::Paint border = grid.paintFor(w[4]);
  if (filled) {
    const BdcffGrid::Paint inside = w.size() == 6 ? grid.paintFor(w[5]) : border;
    d.fill(v[0] + 1, v[1] + 1, v[2] - 1, v[3] - 1, inside);
  }
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
  Drawer d(grid);
  d.named(x, y);
  d.named(static_cast<int>(lastX), static_cast<int>(lastY));
  const BdcffGrid::Paint paint = grid.paintFor(w[6]);
  for (int j = 0; j < ny; ++j) {
    for (int i = 0; i < nx; ++i) d.put(x + i * dx, y + j * dy, paint);
  }
  return d.result();
}

BdcffDrawResult add(BdcffGrid& grid, const Words& w, bool backward) {
  int v[2];
  if (w.size() != 4 || !numbers(w, 2, v)) return unreadable("Add=dx dy search element");
  const int dx = v[0], dy = v[1];
  const int search = grid.paintFor(w[2]).object;
  const BdcffGrid::Paint paint = grid.paintFor(w[3]);
  const int width = grid.width(), height = grid.height();
  // Row by row as the game scans: a cell added ahead of the scan is found
  // again, one overwritten before the scan reaches it is not.
  const Cell* cells = grid.column(0);
  const std::size_t step = grid.index(1, 0);
  // Rows without the object are left out, found by a pass down the columns
  // (the cells in the order they lie). Only adding the object searched for
  // can give a row one it had not, and then every row is scanned.
  std::array<bool, 128> rowHolds{};
  if (paint.object == search) {
    rowHolds.fill(true);
  } else {
    for (int x = 0; x < width; ++x) {
      const Cell* column = grid.column(x);
      const Cell* end = column + height;
      for (const Cell* at = std::find(column, end, search); at != end;
           at = std::find(at + 1, end, search)) {
        rowHolds[static_cast<std::size_t>(at - column)] = true;
      }
    }
  }
  for (int n = 0; n < height; ++n) {
    const int y = backward ? height - 1 - n : n;
    if (!rowHolds[static_cast<std::size_t>(y)]) continue;
    std::size_t at = grid.index(backward ? width - 1 : 0, y);
    for (int m = 0; m < width; ++m, at = backward ? at - step : at + step) {
      if (cells[at] != search) continue;
      const int x = backward ? width - 1 - m : m;
      grid.put(x + dx, y + dy, paint);
    }
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
  Drawer d(grid);
  d.named(x1, y1);
  d.named(x2, y2);
  const BdcffGrid::Paint wallPaint = grid.paintFor(w[12]), pathPaint = grid.paintFor(w[13]);
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
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return {Kind::Unknown, "not a drawing command"};
  const std::string_view name = trimLine(trimmed.substr(0, eq));
  const Words w = words(trimmed.substr(eq + 1));
  if (name == "Point") return point(grid, w);
  if (name == "Line") return straightLine(grid, w);
  if (name == "Rectangle") return rectangle(grid, w, false);
  if (name == "FillRect") return rectangle(grid, w, true);
  if (name == "Raster") return raster(grid, w);
  if (name == "Add") return add(grid, w, false);
  if (name == "AddBackward") return add(grid, w, true);
  if (name == "Maze") return maze(grid, w);
  return {Kind::Unknown, "unknown drawing command " + std::string(name) + ", nothing drawn"};
}

}  // namespace pyrovel
