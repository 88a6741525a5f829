#include "editor/cell_shapes.h"

#include <algorithm>
#include <cstdlib>

#include "model/straight_line.h"

namespace pyrovel {

std::vector<CellPos> lineCells(CellPos a, CellPos b) {
  std::vector<CellPos> cells;
  cells.reserve(static_cast<std::size_t>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) + 1));
  forEachLinePoint(a.x, a.y, b.x, b.y, [&](int x, int y) { cells.push_back({x, y}); });
  return cells;
}

std::vector<CellPos> connectedRegion(const Levelmap& map, const CellArea& area, CellPos start) {
  const CellArea inside = area.intersected(CellArea{0, 0, kGridSide - 1, kGridSide - 1});
  std::vector<CellPos> region;
  if (!inside.contains(start.x, start.y)) return region;
  const int object = map.at(start.x, start.y);
  std::vector<bool> seen(static_cast<std::size_t>(kGridSide * kGridSide), false);
  const auto mark = [&](CellPos c) {
    const auto i = static_cast<std::size_t>(c.x * kGridSide + c.y);
    if (seen[i]) return false;
    seen[i] = true;
    return true;
  };
  // A stack of its own: a whole 128 x 128 level would overflow recursion.
  std::vector<CellPos> todo{start};
  mark(start);
  while (!todo.empty()) {
    const CellPos c = todo.back();
    todo.pop_back();
    region.push_back(c);
    for (const CellPos n : {CellPos{c.x + 1, c.y}, CellPos{c.x - 1, c.y}, CellPos{c.x, c.y + 1},
                            CellPos{c.x, c.y - 1}}) {
      if (inside.contains(n.x, n.y) && map.at(n.x, n.y) == object && mark(n)) todo.push_back(n);
    }
  }
  return region;
}

}  // namespace pyrovel
