#pragma once
// The cells of the shapes the line and fill tools draw.
#include <vector>

#include "editor/cell_geometry.h"

namespace pyrovel {

// The cells of a straight line from `a` to `b`, both included, each step
// one cell to a neighbour (sideways or diagonal).
std::vector<CellPos> lineCells(CellPos a, CellPos b);

// The cells within `area` that hold what `start` holds and are joined to it
// through such cells sideways or up and down (not diagonally), in the
// current layer of the current level. Empty when `start` is outside `area`.
std::vector<CellPos> connectedRegion(const Levelmap& map, const CellArea& area, CellPos start);

}  // namespace pyrovel
