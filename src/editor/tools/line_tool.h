#pragma once
// The line: a straight line of the drawing object from the pressed cell to
// the cell under the pointer at release, shown while it is dragged.
#include "editor/cell_shapes.h"
#include "editor/tools/area_tool.h"

namespace pyrovel {

class LineTool : public AreaTool {
 public:
  static constexpr std::string_view kId = "lineTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Line tool"; }
  char key() const override { return 'L'; }
  std::string_view icon(const ToolContext&, bool) const override { return "line"; }
  std::string usageHint(const ToolContext&) const override {
    return "Line: drag from one end to the other to draw the drawing object";
  }
  bool showsFrame() const override { return false; }
  std::vector<CellPos> preview(const ToolContext& context) const override {
    const RubberBand& band = context.band();
    return band.active() ? lineCells(band.anchor(), band.pointer()) : std::vector<CellPos>{};
  }

  AfterRelease release(ToolContext& context, MouseButton button, ViewUpdate& u) override {
    // The ends are needed, not only the area they span.
    if (context.band().active() && button == MouseButton::Left) {
      from_ = context.band().anchor();
      to_ = context.band().pointer();
    }
    return AreaTool::release(context, button, u);
  }

 protected:
  void apply(ToolContext& context, const CellArea&, ViewUpdate& u) override {
    if (context.playerRulesAt(from_, u)) return;
    const int object = context.session().drawingObject;
    Levelmap& map = context.session().map;
    context.session().beginStep("Line");
    for (const CellPos cell : lineCells(from_, to_)) {
      if (!context.insideLevel(cell)) continue;
      map.at(cell.x, cell.y) = object;
      u.cells.push_back(cell);
    }
    map.modified = true;
  }

 private:
  CellPos from_, to_;
};

}  // namespace pyrovel
