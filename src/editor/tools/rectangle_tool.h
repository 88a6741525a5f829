#pragma once
// The rectangle: fills the dragged area with the drawing object, or only
// frames it, as chosen by where its button was pressed: the upper-left half
// of the button fills, the lower-right half frames. Pressing the other half
// while it is on switches to that style, pressing the same half switches it
// off. While it is dragged it shows the cells it will draw.
#include "editor/tools/area_tool.h"

namespace pyrovel {

class RectangleTool : public AreaTool {
 public:
  static constexpr std::string_view kId = "rectangleTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Rectangle tool"; }
  char key() const override { return 'R'; }
  std::string_view icon(const ToolContext& context, bool on) const override {
    if (!on) return "rectangleOff";
    return context.fillStyle() == FillStyle::Filled ? "rectangleFilled" : "rectangleOutline";
  }
  std::string usageHint(const ToolContext& context) const override {
    return context.fillStyle() == FillStyle::Filled
               ? "Rectangle (filled): drag over the area to fill with the drawing object"
               : "Rectangle (outline): drag over the area to frame with the drawing object";
  }
  bool pressButton(ToolContext& context, int x, int y) override {
    return context.chooseFillStyle(x, y);
  }
  std::optional<CellArea> previewArea(const ToolContext& context) const override {
    if (!context.band().active() || context.fillStyle() != FillStyle::Filled) return std::nullopt;
    const CellArea inside =
        context.band().area().intersected(levelArea(context.session().map.current()));
    return inside.empty() ? std::nullopt : std::optional<CellArea>(inside);
  }
  std::vector<CellPos> preview(const ToolContext& context) const override {
    std::vector<CellPos> cells;
    if (!context.band().active() || context.fillStyle() != FillStyle::Outline) return cells;
    const CellArea area = context.band().area();
    const CellArea inside = area.intersected(levelArea(context.session().map.current()));
    for (int x = inside.c1; x <= inside.c2; ++x) {
      for (int y = inside.r1; y <= inside.r2; ++y) {
        if (area.onBorder(x, y)) cells.push_back(CellPos{x, y});
      }
    }
    return cells;
  }

 protected:
  void apply(ToolContext& context, const CellArea& area, ViewUpdate& u) override {
    const int object = context.session().drawingObject;
    context.fillArea(
        "Rectangle", area, context.fillStyle(), [object] { return object; }, u);
  }
};

}  // namespace pyrovel
