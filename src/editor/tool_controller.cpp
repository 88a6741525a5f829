#include "editor/tool_controller.h"

#include <algorithm>

#include "editor/status_readout.h"
#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

CellPos cellAt(int px, int py, int cellSize) {
  return CellPos{floorDiv(px, cellSize), floorDiv(py, cellSize)};
}

}  // namespace

ToolController::ToolController(EditorSession& session, RandomSource& random)
    : session_(session), random_(random), clipboard_(session) {}

// --- the level view -------------------------------------------------------------

ViewUpdate ToolController::press(int px, int py, MouseButton button, int cellSize) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  const CellPos cell = cellAt(px, py, cellSize);
  strokeBroken_ = false;
  if (button == MouseButton::Left && rubberBandToolOn()) {
    session_.map.modified = true;
    if (!band_.active() && insideLevel(session_.map.current(), cell.x, cell.y)) {
      band_.start(cell, cellSize);
      u.overlay = true;
    }
    return u;
  }
  drawBlock(cell, button, u);
  return u;
}

void ToolController::drawBlock(CellPos cell, MouseButton button, ViewUpdate& u) {
  Levelmap& map = session_.map;
  map.modified = true;  // every press on the view counts as an edit
  const bool inside = insideLevel(map.current(), cell.x, cell.y);
  if (button == MouseButton::Right) {
    // The eraser works whatever tool is on, on the cell under the pointer.
    pointer_ = cell;
    if (!inside) return;
    session_.recordStrokeUndo();
    map.at(cell.x, cell.y) = obj::EmptySpace;
    u.cells.push_back(cell);
    return;
  }
  if (button != MouseButton::Left || !inside) return;
  session_.recordStrokeUndo();
  if (isOn(Tool::Spray)) {
    spray(cell, u);
  } else {
    paint(cell, u);
  }
}

void ToolController::paint(CellPos cell, ViewUpdate& u) {
  Levelmap& map = session_.map;
  const int object = session_.drawingObject;
  if (object == obj::LittleFellow && session_.allowOnlyOneLittleFellow &&
      map.at(cell.x, cell.y) != obj::LittleFellow) {
    // placeObject asks before it moves the Little Fellow; a modal question
    // ends the drag, so later moves must not ask again and again.
    strokeBroken_ = true;
  }
  const EditorSession::Placed placed = session_.placeObject(cell.x, cell.y, object);
  // The release of a press that opened a question goes to the question box,
  // never to the view: the stroke ends here, or the next one would record
  // no undo entry of its own.
  if (strokeBroken_) session_.endStroke();
  if (map.at(cell.x, cell.y) == object) u.cells.push_back(cell);
  if (placed.movedPlayer && insideLevel(map.current(), placed.oldX, placed.oldY)) {
    u.cells.push_back(CellPos{placed.oldX, placed.oldY});
  }
}

void ToolController::spray(CellPos cell, ViewUpdate& u) {
  Levelmap& map = session_.map;
  LevelHeader& h = map.current();
  const int object = session_.drawingObject;
  const int pressed = map.at(cell.x, cell.y);
  if (object == obj::LittleFellow && session_.allowOnlyOneLittleFellow &&
      pressed != obj::LittleFellow) {
    paint(cell, u);  // the question decides, nothing is sprayed
    return;
  }
  if (object == obj::Fellow2 && pressed != obj::Fellow2) {
    h.setPlayer2X(cell.x);
    h.setPlayer2Y(cell.y);
  }
  // The outer ring of the level is never sprayed.
  const CellArea level = levelArea(h);
  const CellArea inner{1, 1, level.c2 - 1, level.r2 - 1};
  const int amount = std::min(sprayOptions.objectsPerEvent, SprayOptions::kMax);
  const int size = std::clamp(sprayOptions.squareSide, SprayOptions::kMin, SprayOptions::kMax);
  random_.reseed();
  for (int k = 0; k < amount; ++k) {
    const int x = cell.x - size / 2 + random_.below(size);
    const int y = cell.y - size / 2 + random_.below(size);
    if (!inner.contains(x, y)) continue;
    std::int32_t& target = map.at(x, y);
    if (sprayOptions.onlySpaceAndDirt && target != obj::EmptySpace && target != obj::Dirt) continue;
    target = object;
    u.cells.push_back(CellPos{x, y});
  }
}

ViewUpdate ToolController::move(int px, int py, unsigned held, int cellSize) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  const CellPos cell = cellAt(px, py, cellSize);
  if (!propertiesDragActive && !rubberBandToolOn()) {
    pointer_ = cell;
    statusCoordinates_ = coordinatesText(cell);
    statusObject_ = objectText(session_, cell);
    u.status = true;
    if (held == kHeldLeft && !strokeBroken_) drawBlock(cell, MouseButton::Left, u);
    if (held == kHeldRight) drawBlock(cell, MouseButton::Right, u);
  }
  if (band_.active()) {
    band_.follow(cell);
    u.overlay = true;
  }
  return u;
}

ViewUpdate ToolController::release(MouseButton button) {
  ViewUpdate u;
  // A right click in the middle of a drag erased a cell; the band lives on
  // until the left button that started it comes up.
  if (band_.active() && button != MouseButton::Left) {
    session_.endStroke();
    return u;
  }
  if (rubberBandToolOn()) {
    const Tool finished = tool_;
    const bool completes = band_.active();
    const CellArea area = band_.finish();
    setTool(Tool::Pen, u);  // one-shot tools switch off at every release
    if (completes) fillArea(finished, area, u);
  }
  session_.endStroke();
  return u;
}

void ToolController::fillArea(Tool tool, const CellArea& area, ViewUpdate& u) {
  u.overlay = true;
  if (tool == Tool::Selection) {
    clipboard_.completeSelection(area);
    return;
  }
  Levelmap& map = session_.map;
  const CellArea inside = area.intersected(levelArea(map.current()));
  std::vector<int> chaos;
  if (tool == Tool::Chaos) chaos = chaosOptions.chaosList();
  if (inside.empty() || (tool == Tool::Chaos && chaos.empty())) return;
  session_.recordStrokeUndo();
  if (tool == Tool::Chaos) random_.reseed();
  const bool outline = tool == Tool::Rectangle && style_ == RectangleStyle::Outline;
  for (int x = inside.c1; x <= inside.c2; ++x) {
    for (int y = inside.r1; y <= inside.r2; ++y) {
      // The outline follows the dragged area, even where the level cuts it off.
      if (outline && !area.onBorder(x, y)) continue;
      map.at(x, y) = tool == Tool::Chaos
                         ? chaos[static_cast<std::size_t>(random_.below(static_cast<int>(chaos.size())))]
                         : session_.drawingObject;
      u.cells.push_back(CellPos{x, y});
    }
  }
  map.modified = true;
}

// --- the tool buttons -------------------------------------------------------------

void ToolController::setTool(Tool tool, ViewUpdate& u) {
  if (band_.active()) {
    band_.cancel();
    u.overlay = true;
  }
  tool_ = tool;
  u.tools = true;
}

ViewUpdate ToolController::toggle(Tool tool) {
  ViewUpdate u;
  setTool(tool_ == tool ? Tool::Pen : tool, u);
  return u;
}

ViewUpdate ToolController::pressRectangleButton(int x, int y) {
  style_ = x + y < 25 ? RectangleStyle::Filled : RectangleStyle::Outline;
  ViewUpdate u;
  u.tools = true;
  return u;
}

int ToolController::rectangleGlyph() const {
  if (!isOn(Tool::Rectangle)) return 0;
  return style_ == RectangleStyle::Filled ? 1 : 2;
}

// --- the clipboard -----------------------------------------------------------------

ViewUpdate ToolController::paste() {
  clipboard_.paste();
  ViewUpdate u;
  u.redrawLevel = true;
  u.overlay = true;
  return u;
}

ViewUpdate ToolController::copySelection() {
  ViewUpdate u;
  u.overlay = clipboard_.copySelection();
  return u;
}

ViewUpdate ToolController::cutSelection() {
  ViewUpdate u;
  u.redrawLevel = u.overlay = clipboard_.cutSelection();
  return u;
}

ViewUpdate ToolController::pressSelection(int px, int py, int cellSize) {
  clipboard_.startDrag(px, py, cellSize);
  return ViewUpdate{};
}

ViewUpdate ToolController::dragSelection(int px, int py, int cellSize) {
  ViewUpdate u;
  u.overlay = clipboard_.dragTo(px, py, cellSize);
  return u;
}

ViewUpdate ToolController::releaseSelection() {
  clipboard_.endDrag();
  return ViewUpdate{};
}

}  // namespace pyrovel
