#pragma once
// The pick (eyedropper): a click makes the object in the clicked cell of
// the layer shown the drawing object; then the pen is on again to draw it.
// Alt and a click do the same with any tool.
#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class PickTool : public DrawingTool {
 public:
  static constexpr std::string_view kId = "pickTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Pick an object from the level"; }
  char key() const override { return 'I'; }
  std::string_view icon(const ToolContext&, bool) const override { return "pick"; }
  CursorKind cursor() const override { return CursorKind::Cross; }
  bool edits() const override { return false; }
  std::string usageHint(const ToolContext&) const override {
    return "Pick: click a cell to draw with its object (Alt+click picks with any tool)";
  }

  void press(ToolContext& context, CellPos cell, MouseButton button, int, ViewUpdate& u) override {
    picked_ = button == MouseButton::Left && context.pickObject(cell, u);
  }
  void move(ToolContext& context, CellPos cell, unsigned, ViewUpdate& u) override {
    if (!context.propertiesDragActive) context.readOut(cell, u);
  }
  // A pick hands over to the pen; a click beside the level leaves the pick on.
  AfterRelease release(ToolContext&, MouseButton button, ViewUpdate&) override {
    if (button != MouseButton::Left || !picked_) return AfterRelease::StayOn;
    picked_ = false;
    return AfterRelease::SwitchOff;
  }
  void cancel(ToolContext&, ViewUpdate&) override { picked_ = false; }

 private:
  bool picked_ = false;
};

}  // namespace pyrovel
