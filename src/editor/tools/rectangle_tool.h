#pragma once
// The rectangle: fills the dragged area with the drawing object, or only
// frames it, as chosen by where its button was pressed.
#include "editor/tools/area_tool.h"

namespace pyrovel {

class RectangleTool : public AreaTool {
 public:
  static constexpr std::string_view kId = "rectangleTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Rectangle tool"; }
  std::string_view icon(const ToolContext& context, bool on) const override {
    if (!on) return "rectangleOff";
    return context.fillStyle() == FillStyle::Filled ? "rectangleFilled" : "rectangleOutline";
  }
  std::string usageHint(const ToolContext& context) const override {
    return context.fillStyle() == FillStyle::Filled
               ? "Rectangle (filled): drag over the area to fill with the drawing object"
               : "Rectangle (outline): drag over the area to frame with the drawing object";
  }
  void pressButton(ToolContext& context, int x, int y) override { context.chooseFillStyle(x, y); }

 protected:
  void apply(ToolContext& context, const CellArea& area, ViewUpdate& u) override {
    const int object = context.session().drawingObject;
    context.fillArea(
        "Rectangle", area, context.fillStyle(), [object] { return object; }, u);
  }
};

}  // namespace pyrovel
