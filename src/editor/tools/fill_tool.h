#pragma once
// The flood fill: a click puts the drawing object on the clicked cell and
// every cell joined to it (sideways, up or down) that holds the same
// object, in the current layer and within the level.
#include "editor/cell_shapes.h"
#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class FillTool : public DrawingTool {
 public:
  static constexpr std::string_view kId = "fillTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Flood fill"; }
  char key() const override { return 'F'; }
  std::string_view icon(const ToolContext&, bool) const override { return "fill"; }
  CursorKind cursor() const override { return CursorKind::Cross; }
  std::string usageHint(const ToolContext&) const override {
    return "Flood fill: click a cell to fill its area of the same object with the drawing object";
  }

  void press(ToolContext& context, CellPos cell, MouseButton button, int, ViewUpdate& u) override {
    if (button == MouseButton::Right) context.erase(cell, u);
    if (button != MouseButton::Left || !context.insideLevel(cell)) return;
    if (context.playerRulesAt(cell, u)) return;
    EditorSession& session = context.session();
    Levelmap& map = session.map;
    const int object = session.drawingObject;
    if (map.at(cell.x, cell.y) == object) return;
    session.beginStep("Fill");
    for (const CellPos c : connectedRegion(map, levelArea(map.current()), cell)) {
      map.at(c.x, c.y) = object;
      u.cells.push_back(c);
    }
    map.modified = true;
  }

  void move(ToolContext& context, CellPos cell, unsigned, ViewUpdate& u) override {
    if (!context.propertiesDragActive) context.readOut(cell, u);
  }

  AfterRelease release(ToolContext& context, MouseButton, ViewUpdate&) override {
    return context.afterUse();
  }
};

}  // namespace pyrovel
