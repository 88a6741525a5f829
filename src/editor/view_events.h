#pragma once
// What the level view tells the editing core (buttons, held keys) and what
// the core answers: which cells to repaint and which overlays, texts and
// tool controls to refresh. Positions are always level-view pixels, taken
// from the view's own top-left corner, so scrolling never changes them.
#include <vector>

#include "editor/cell_geometry.h"

namespace pyrovel {

enum class MouseButton { Left, Right, Middle };

// Buttons and keys held during a pointer move, as a set of bits.
enum HeldState : unsigned {
  kHeldLeft = 1u << 0,
  kHeldRight = 1u << 1,
  kHeldMiddle = 1u << 2,
  kHeldShift = 1u << 3,
  kHeldCtrl = 1u << 4,
  kHeldAlt = 1u << 5,
};

struct ViewUpdate {
  std::vector<CellPos> cells;  // cells of the current layer to draw again
  bool redrawLevel = false;    // the whole view
  bool overlay = false;        // the rubber band or the floating selection changed
  bool status = false;         // the status bar texts changed
  bool tools = false;          // tool buttons, glyph, cursor or option bars changed
  bool drawingObject = false;  // the session's drawing object changed (a pick)
  // Scroll the view by these pixels (a pan): the view's pixel under the
  // pointer moves by as much, so the level follows the pointer.
  int scrollX = 0, scrollY = 0;

  bool any() const {
    return !cells.empty() || redrawLevel || overlay || status || tools || drawingObject ||
           scrollX != 0 || scrollY != 0;
  }
  void merge(const ViewUpdate& o) {
    cells.insert(cells.end(), o.cells.begin(), o.cells.end());
    redrawLevel |= o.redrawLevel;
    overlay |= o.overlay;
    status |= o.status;
    tools |= o.tools;
    drawingObject |= o.drawingObject;
    scrollX += o.scrollX;
    scrollY += o.scrollY;
  }
};

}  // namespace pyrovel
