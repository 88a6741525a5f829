#pragma once
// A tool that drags a rubber band over the level and does its work on the
// cells from the pressed cell to the one under the pointer when the left
// button comes up. It stays on for the next area (unless tools are
// one-shot); the right button still erases.
#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class AreaTool : public DrawingTool {
 public:
  CursorKind cursor() const override { return CursorKind::Cross; }

  void press(ToolContext& context, CellPos cell, MouseButton button, int cellSize,
             ViewUpdate& u) override {
    if (button == MouseButton::Right) context.erase(cell, u);
    if (button != MouseButton::Left) return;
    RubberBand& band = context.band();
    if (!band.active() && context.insideLevel(cell)) {
      band.start(cell, cellSize);
      const CellArea area = band.area();
      context.readOut(cell, u, &area);
      u.overlay = true;
    }
  }

  void move(ToolContext& context, CellPos cell, unsigned, ViewUpdate& u) override {
    // While the Properties window is dragged the status bar stays as it is.
    const bool readOut = !context.propertiesDragActive;
    RubberBand& band = context.band();
    if (!band.active()) {
      if (readOut) context.readOut(cell, u);
      return;
    }
    band.follow(cell);
    const CellArea area = band.area();
    if (readOut) context.readOut(cell, u, &area);
    u.overlay = true;
  }

  AfterRelease release(ToolContext& context, MouseButton button, ViewUpdate& u) override {
    RubberBand& band = context.band();
    // A right click in the middle of a drag erased a cell; the band lives on
    // until the left button that started it comes up.
    if (band.active() && button != MouseButton::Left) return AfterRelease::StayOn;
    if (band.active()) {
      const CellArea area = band.finish();
      u.overlay = true;
      apply(context, area, u);
    }
    return context.afterUse();
  }

  void cancel(ToolContext& context, ViewUpdate& u) override {
    if (!context.band().active()) return;
    context.band().cancel();
    u.overlay = true;
  }

 protected:
  // The dragged area, the pressed cell and the pointer's both included.
  virtual void apply(ToolContext& context, const CellArea& area, ViewUpdate& u) = 0;
};

}  // namespace pyrovel
