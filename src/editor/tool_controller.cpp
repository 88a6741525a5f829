#include "editor/tool_controller.h"

#include "editor/drawing_tool_registry.h"

namespace pyrovel {

namespace {

CellPos cellAt(int px, int py, int cellSize) {
  return CellPos{floorDiv(px, cellSize), floorDiv(py, cellSize)};
}

}  // namespace

ToolController::ToolController(EditorSession& session, RandomSource& random)
    : context_(session, random), tools_(drawingToolRegistry()), active_(tools_.front().get()) {}

// --- the level view -------------------------------------------------------------

ViewUpdate ToolController::press(int px, int py, MouseButton button, int cellSize) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  context_.startStroke();
  context_.session().markModified();  // every press on the view counts as an edit
  active_->press(context_, cellAt(px, py, cellSize), button, cellSize, u);
  return u;
}

ViewUpdate ToolController::move(int px, int py, unsigned held, int cellSize) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  active_->move(context_, cellAt(px, py, cellSize), held, u);
  return u;
}

ViewUpdate ToolController::release(MouseButton button) {
  ViewUpdate u;
  const AfterRelease after = active_->release(context_, button, u);
  if (after == AfterRelease::SwitchOff) setTool(*tools_.front(), u);  // the default tool
  context_.session().endStep();
  return u;
}

// --- the tool buttons -------------------------------------------------------------

DrawingTool* ToolController::find(std::string_view id) const {
  for (const auto& tool : tools_) {
    if (tool->id() == id) return tool.get();
  }
  return nullptr;
}

void ToolController::setTool(DrawingTool& tool, ViewUpdate& u) {
  active_->cancel(context_, u);
  active_ = &tool;
  u.tools = true;
}

ViewUpdate ToolController::toggle(std::string_view id) {
  ViewUpdate u;
  DrawingTool* tool = find(id);
  if (!tool || !tool->available()) return u;
  setTool(tool == active_ ? *tools_.front() : *tool, u);  // off: the default tool
  return u;
}

ViewUpdate ToolController::pressButton(std::string_view id, int x, int y) {
  ViewUpdate u;
  if (DrawingTool* tool = find(id)) {
    tool->pressButton(context_, x, y);
    u.tools = true;
  }
  return u;
}

std::string_view ToolController::buttonIcon(std::string_view id) const {
  const DrawingTool* tool = find(id);
  return tool ? tool->icon(context_, tool == active_) : std::string_view{};
}

// --- the clipboard -----------------------------------------------------------------

ViewUpdate ToolController::paste() {
  context_.clipboard().paste();
  ViewUpdate u;
  u.redrawLevel = true;
  u.overlay = true;
  return u;
}

ViewUpdate ToolController::selectAll() {
  ViewUpdate u;
  active_->cancel(context_, u);
  context_.clipboard().selectAll();
  u.overlay = true;
  return u;
}

ViewUpdate ToolController::dropSelection() {
  ViewUpdate u;
  active_->cancel(context_, u);
  if (context_.clipboard().visible()) {
    context_.clipboard().hide();
    u.overlay = true;
  }
  return u;
}

ViewUpdate ToolController::levelShown(int slot) {
  if (slot == shownSlot_) return ViewUpdate{};
  shownSlot_ = slot;
  return dropSelection();
}

ViewUpdate ToolController::copySelection() {
  ViewUpdate u;
  u.overlay = context_.clipboard().copySelection();
  return u;
}

ViewUpdate ToolController::cutSelection() {
  ViewUpdate u;
  u.redrawLevel = u.overlay = context_.clipboard().cutSelection();
  return u;
}

ViewUpdate ToolController::pressSelection(int px, int py, int cellSize) {
  context_.clipboard().startDrag(px, py, cellSize);
  return ViewUpdate{};
}

ViewUpdate ToolController::dragSelection(int px, int py, int cellSize) {
  ViewUpdate u;
  u.overlay = context_.clipboard().dragTo(px, py, cellSize);
  return u;
}

ViewUpdate ToolController::releaseSelection() {
  context_.clipboard().endDrag();
  return ViewUpdate{};
}

}  // namespace pyrovel
