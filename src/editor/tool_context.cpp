#include "editor/tool_context.h"

#include "editor/status_readout.h"
#include "model/object_catalogue.h"

namespace pyrovel {

bool ToolContext::insideLevel(CellPos cell) const {
  return pyrovel::insideLevel(session_.map.current(), cell.x, cell.y);
}

void ToolContext::erase(CellPos cell, ViewUpdate& u) {
  session_.map.modified = true;
  if (!insideLevel(cell)) return;
  session_.beginStep("Erase");
  session_.map.at(cell.x, cell.y) = obj::EmptySpace;
  u.cells.push_back(cell);
}

void ToolContext::placeObject(CellPos cell, ViewUpdate& u) {
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
  if (strokeBroken_) session_.endStep();
  if (map.at(cell.x, cell.y) == object) u.cells.push_back(cell);
  if (placed.movedPlayer && insideLevel(CellPos{placed.oldX, placed.oldY})) {
    u.cells.push_back(CellPos{placed.oldX, placed.oldY});
  }
}

bool ToolContext::playerRulesAt(CellPos cell, ViewUpdate& u) {
  Levelmap& map = session_.map;
  const int object = session_.drawingObject;
  const int there = map.at(cell.x, cell.y);
  if (object == obj::LittleFellow && session_.allowOnlyOneLittleFellow &&
      there != obj::LittleFellow) {
    placeObject(cell, u);
    return true;
  }
  if (object == obj::Fellow2 && there != obj::Fellow2) {
    map.current().setPlayer2X(cell.x);
    map.current().setPlayer2Y(cell.y);
  }
  return false;
}

bool ToolContext::pickObject(CellPos cell, ViewUpdate& u) {
  if (!insideLevel(cell)) return false;
  const int object = session_.map.at(cell.x, cell.y);
  if (object < 0 || object > 255) return false;  // files may hold numbers beyond the objects
  if (object != session_.drawingObject) {
    session_.drawingObject = object;
    u.drawingObject = true;
  }
  return true;
}

void ToolContext::fillArea(std::string_view stepName, const CellArea& area, FillStyle style,
                           const std::function<int()>& object, ViewUpdate& u) {
  Levelmap& map = session_.map;
  const CellArea inside = area.intersected(levelArea(map.current()));
  if (inside.empty()) return;
  session_.beginStep(stepName);
  for (int x = inside.c1; x <= inside.c2; ++x) {
    for (int y = inside.r1; y <= inside.r2; ++y) {
      if (style == FillStyle::Outline && !area.onBorder(x, y)) continue;
      map.at(x, y) = object();
      u.cells.push_back(CellPos{x, y});
    }
  }
  map.modified = true;
}

void ToolContext::readOut(CellPos cell, ViewUpdate& u, const CellArea* dragged) {
  statusCoordinates_ = coordinatesText(cell);
  if (dragged) {
    statusCoordinates_ +=
        "  (" + std::to_string(dragged->width()) + " x " + std::to_string(dragged->height()) + ")";
  }
  statusObject_ = objectText(session_, cell);
  u.status = true;
}

}  // namespace pyrovel
