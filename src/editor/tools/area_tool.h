#pragma once
// A tool that drags a rubber band over the level and does its work on the
// cells inside when the left button comes up; then it switches itself off.
// The right button still erases, and a right click alone switches it off.
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
      u.overlay = true;
    }
  }

  void move(ToolContext& context, CellPos cell, unsigned, ViewUpdate& u) override {
    if (!context.band().active()) return;
    context.band().follow(cell);
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
    return AfterRelease::SwitchOff;
  }

  void cancel(ToolContext& context, ViewUpdate& u) override {
    if (!context.band().active()) return;
    context.band().cancel();
    u.overlay = true;
  }

 protected:
  // The dragged area: empty for a drag up or left.
  virtual void apply(ToolContext& context, const CellArea& area, ViewUpdate& u) = 0;
};

}  // namespace pyrovel
