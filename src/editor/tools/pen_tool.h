#pragma once
// The pen, on whenever no other tool is: the left button draws the drawing
// object on every cell the pointer passes, the right button erases. A
// stroke from press to release is one undo entry.
#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class PenTool : public DrawingTool {
 public:
  static constexpr std::string_view kId = "penTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return {}; }
  std::string_view icon(const ToolContext&, bool) const override { return {}; }

  std::string usageHint(const ToolContext& context) const override {
    if (context.clipboard().visible()) {
      return "Drag the floating selection where it should go, then Paste (Ctrl+V); Esc drops it";
    }
    return "Pen: the left button draws the drawing object, the right button erases";
  }

  void press(ToolContext& context, CellPos cell, MouseButton button, int, ViewUpdate& u) override {
    if (button == MouseButton::Right) context.erase(cell, u);
    if (button == MouseButton::Left) stroke(context, cell, u);
  }

  void move(ToolContext& context, CellPos cell, unsigned held, ViewUpdate& u) override {
    if (context.propertiesDragActive) return;
    context.readOut(cell, u);
    if (held == kHeldLeft && !context.strokeBroken()) stroke(context, cell, u);
    if (held == kHeldRight) context.erase(cell, u);
  }

  AfterRelease release(ToolContext&, MouseButton, ViewUpdate&) override {
    return AfterRelease::StayOn;
  }

 protected:
  // The stroke's undo step, as the Undo item names it.
  virtual std::string_view stepName() const { return "Draw"; }
  // What the left button does at a cell inside the level, within the stroke's undo step.
  virtual void drawAt(ToolContext& context, CellPos cell, ViewUpdate& u) {
    context.placeObject(cell, u);
  }

 private:
  void stroke(ToolContext& context, CellPos cell, ViewUpdate& u) {
    context.session().map.modified = true;
    if (!context.insideLevel(cell)) return;
    context.session().beginStep(stepName());
    drawAt(context, cell, u);
  }
};

}  // namespace pyrovel
