#pragma once
// The pen, on whenever no other tool is: the left button draws the drawing
// object on every cell the pointer passes, the right button erases. A
// stroke from press to release is one undo entry. The pointer may pass
// several cells between two moves: the straight line between them is
// drawn (or erased), so a fast stroke leaves no gaps.
#include <optional>

#include "editor/cell_shapes.h"
#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class PenTool : public DrawingTool {
 public:
  static constexpr std::string_view kId = "penTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Pen"; }
  char key() const override { return 'P'; }
  std::string_view icon(const ToolContext&, bool) const override { return {}; }

  std::string usageHint(const ToolContext& context) const override {
    if (context.clipboard().visible()) {
      return "Drag the floating selection where it should go, then Paste (Ctrl+V); Esc drops it";
    }
    return "Pen (P): the left button draws the drawing object, the right button erases";
  }

  void press(ToolContext& context, CellPos cell, MouseButton button, int, ViewUpdate& u) override {
    if (button == MouseButton::Right) context.erase(cell, u);
    if (button == MouseButton::Left) stroke(context, cell, u);
    last_ = cell;
  }

  void move(ToolContext& context, CellPos cell, unsigned held, ViewUpdate& u) override {
    if (context.propertiesDragActive) return;
    context.readOut(cell, u);
    const CellPos from = last_.value_or(cell);
    last_ = cell;
    if (held != kHeldLeft && held != kHeldRight) return;
    // The cells after the last one done, up to the pointer's.
    std::vector<CellPos> cells{cell};
    if (joinsMoves() && !(from == cell)) {
      cells = lineCells(from, cell);
      cells.erase(cells.begin());
    }
    for (const CellPos c : cells) {
      if (held == kHeldRight) {
        context.erase(c, u);
      } else if (!context.strokeBroken()) {
        stroke(context, c, u);
      }
    }
  }

  AfterRelease release(ToolContext&, MouseButton, ViewUpdate&) override {
    last_.reset();
    return AfterRelease::StayOn;
  }
  void cancel(ToolContext&, ViewUpdate&) override { last_.reset(); }

 protected:
  // The stroke's undo step, as the Undo item names it.
  virtual std::string_view stepName() const { return "Draw"; }
  // What the left button does at a cell inside the level, within the stroke's undo step.
  virtual void drawAt(ToolContext& context, CellPos cell, ViewUpdate& u) {
    context.placeObject(cell, u);
  }
  // Whether the cells between two moves are drawn too (the spray sprays
  // once a move).
  virtual bool joinsMoves() const { return true; }

 private:
  void stroke(ToolContext& context, CellPos cell, ViewUpdate& u) {
    context.session().map.modified = true;
    if (!context.insideLevel(cell)) return;
    context.session().beginStep(stepName());
    drawAt(context, cell, u);
  }

  // The cell of the last press or move while it was on, to join the next to.
  std::optional<CellPos> last_;
};

}  // namespace pyrovel
