// The drawing commands that work on areas of the cave: the fills that
// follow what the cells hold, the copy of a rectangle, the random fill of a
// rectangle and the maze.
#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "formats/bdcff_draw.h"
#include "formats/bdcff_random.h"

namespace pyrovel::bdcff_draw {

namespace {

// Paints every cell reached from (x, y) side by side through cells that
// `enter` accepts; returns how many.
template <typename Enter>
long spread(BdcffGrid& grid, int x, int y, BdcffGrid::Paint paint, Enter&& enter) {
  const int width = grid.width(), height = grid.height();
  std::vector<char> seen(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const auto at = [&](int cx, int cy) {
    return static_cast<std::size_t>(cy) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(cx);
  };
  std::vector<std::pair<int, int>> todo;
  if (!enter(x, y)) return 0;
  seen[at(x, y)] = 1;
  todo.emplace_back(x, y);
  long painted = 0;
  constexpr std::array<std::pair<int, int>, 4> kSides{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
  while (!todo.empty()) {
    const auto [cx, cy] = todo.back();
    todo.pop_back();
    grid.put(cx, cy, paint);
    ++painted;
    for (const auto& [ox, oy] : kSides) {
      const int nx = cx + ox, ny = cy + oy;
      if (!grid.inside(nx, ny) || seen[at(nx, ny)] != 0) continue;
      seen[at(nx, ny)] = 1;
      if (enter(nx, ny)) todo.emplace_back(nx, ny);
    }
  }
  return painted;
}

// The start of a fill: on the cave, or why not.
std::optional<BdcffDrawResult> startOff(const BdcffGrid& grid, int x, int y) {
  if (grid.inside(x, y)) return std::nullopt;
  return BdcffDrawResult{Kind::Off, "starts off the cave, nothing drawn"};
}

}  // namespace

BdcffDrawResult floodFill(BdcffGrid& grid, const Words& w) {
  int v[2];
  if ((w.size() != 3 && w.size() != 4) || !numbers(w, 2, v)) {
    return unreadable("FloodFill=x y fill element [element replaced]");
  }
  if (auto off = startOff(grid, v[0], v[1])) return *off;
  const BdcffGrid::Paint fill = grid.paintFor(w[2]);
  const BdcffGrid::Paint replaced = w.size() == 4 ? grid.paintFor(w[3]) : grid.paintAt(v[0], v[1]);
  spread(grid, v[0], v[1], fill, [&](int x, int y) { return grid.holds(x, y, replaced); });
  return {};
}

BdcffDrawResult boundaryFill(BdcffGrid& grid, const Words& w) {
  int v[2];
  if (w.size() != 4 || !numbers(w, 2, v)) {
    return unreadable("BoundaryFill=x y fill element border element");
  }
  if (auto off = startOff(grid, v[0], v[1])) return *off;
  const BdcffGrid::Paint fill = grid.paintFor(w[2]);
  const BdcffGrid::Paint border = grid.paintFor(w[3]);
  spread(grid, v[0], v[1], fill, [&](int x, int y) { return !grid.holds(x, y, border); });
  return {};
}

BdcffDrawResult copyPaste(BdcffGrid& grid, const Words& w) {
  int v[6];
  constexpr std::string_view kForm = "CopyPaste=x1 y1 x2 y2 x y [mirror|nomirror] [flip|noflip]";
  if (w.size() < 6 || w.size() > 8 || !numbers(w, 6, v)) return unreadable(kForm);
  bool mirror = false, flip = false;
  for (std::size_t i = 6; i < w.size(); ++i) {
    const std::string_view word = w[i];
    if (word == "mirror" || word == "nomirror") {
      mirror = word == "mirror";
    } else if (word == "flip" || word == "noflip") {
      flip = word == "flip";
    } else {
      return unreadable(kForm);
    }
  }
  if (std::any_of(v, v + 6, far)) return {Kind::Off, "far off the cave, nothing drawn"};
  int x1 = v[0], y1 = v[1], x2 = v[2], y2 = v[3];
  order(x1, x2);
  order(y1, y2);
  const int toX = v[4], toY = v[5], w1 = x2 - x1, h1 = y2 - y1;
  Drawer d(grid);
  d.named(x1, y1);
  d.named(x2, y2);
  d.named(toX, toY);
  d.named(toX + w1, toY + h1);
  // Everything is read before anything is written: the two may overlap.
  struct Copied {
    int x, y;
    BdcffGrid::Paint paint;
  };
  std::vector<Copied> copied;
  // Only the part of the rectangle inside the cave is copied.
  const int firstI = std::max(0, -x1), lastI = std::min(w1, grid.width() - 1 - x1);
  const int firstJ = std::max(0, -y1), lastJ = std::min(h1, grid.height() - 1 - y1);
  for (int i = firstI; i <= lastI; ++i) {
    for (int j = firstJ; j <= lastJ; ++j) {
      copied.push_back(
          {toX + (mirror ? w1 - i : i), toY + (flip ? h1 - j : j), grid.paintAt(x1 + i, y1 + j)});
    }
  }
  for (const Copied& c : copied) d.put(c.x, c.y, c.paint);
  return d.result();
}

BdcffDrawResult randomFill(BdcffGrid& grid, const Words& w, bool c64) {
  const std::string form = std::string(c64 ? "RandomFillC64" : "RandomFill") +
                           "=x1 y1 x2 y2 seeds initial element, element probability pairs";
  int v[4];
  if (!numbers(w, 4, v)) return unreadable(form);
  // One seed per difficulty level, then the initial element and the pairs.
  std::size_t i = 4;
  std::vector<int> seeds;
  for (; i < w.size() && seeds.size() < 5 && w.number(i).whole; ++i)
    seeds.push_back(w.number(i).value);
  const std::size_t pairWords = w.size() > i ? w.size() - i - 1 : 0;
  if (seeds.empty() || i >= w.size() || pairWords % 2 != 0 || pairWords == 0) {
    return unreadable(form);
  }
  if (std::any_of(v, v + 4, far)) return {Kind::Off, "far off the cave, nothing drawn"};
  std::string notes;
  const auto note = [&](const std::string& text) { notes += (notes.empty() ? "" : "; ") + text; };
  std::array<BdcffGrid::Paint, 5> paints{grid.paintFor(w[i])};
  std::array<RandomFillEntry, 4> entries{};
  std::size_t n = 0;
  for (std::size_t k = i + 1; k + 1 < w.size(); k += 2) {
    if (n == entries.size()) {
      note("only the first four pairs of element and probability are used");
      break;
    }
    const LooseInt p = w.number(k + 1);
    int probability = p.whole ? p.value : -1;
    if (probability < 0 || probability > 255) {
      probability = std::clamp(p.whole ? p.value : 0, 0, 255);
      note("probability " + std::string(w[k + 1]) +
           " is not 0..255: " + std::to_string(probability) + " used");
    }
    paints[n + 1] = grid.paintFor(w[k]);
    entries[n] = {static_cast<int>(n + 1), probability};
    ++n;
  }
  int seed = seeds.front();
  if (seed < 0 || seed > 255) {
    note("seed " + std::to_string(seed) +
         (seed < 0 ? " asks for a new fill at each play: seed 0 used"
                   : " is more than a byte: " + std::to_string(seed & 0xFF) + " used"));
    seed = seed < 0 ? 0 : seed & 0xFF;
  }
  int x1 = v[0], y1 = v[1], x2 = v[2], y2 = v[3];
  order(x1, x2);
  order(y1, y2);
  Drawer d(grid);
  d.named(x1, y1);
  d.named(x2, y2);
  const std::array<Cell, 256> pick = randomFillPick(0, entries);
  // Every cell of the rectangle takes a value, row by row; those off the
  // cave are passed over without walking each (rows below it need none).
  C64Random random(seed);
  const long across = static_cast<long>(x2) - x1 + 1;
  const int left = std::max(x1, 0), right = std::min(x2, grid.width() - 1);
  for (int y = y1; y <= std::min(y2, grid.height() - 1); ++y) {
    if (y < 0) {
      skipC64Random(random, across * (std::min(y2, -1) - y + 1));
      y = std::min(y2, -1);
      continue;
    }
    if (left > right) {
      skipC64Random(random, across);
      continue;
    }
    skipC64Random(random, left - x1);
    for (int x = left; x <= right; ++x) {
      d.put(x, y, paints[pick[static_cast<std::size_t>(random.next())]]);
    }
    skipC64Random(random, x2 - right);
  }
  BdcffDrawResult r = d.result();
  if (!c64) {
    note(
        "drawn with the original game's generator; the file's own program may put its "
        "random elements into other cells");
    if (r.kind == Kind::Drawn) r.kind = Kind::Approximated;
  }
  if (!notes.empty()) {
    if (r.kind == Kind::Drawn) r.kind = Kind::Approximated;
    r.detail = r.detail.empty() ? notes : r.detail + "; " + notes;
  }
  return r;
}

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

}  // namespace pyrovel::bdcff_draw
