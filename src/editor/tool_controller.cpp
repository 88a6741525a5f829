#include "editor/tool_controller.h"

#include <utility>

#include "editor/drawing_tool_registry.h"

namespace pyrovel {

namespace {

CellPos cellAt(int px, int py, int cellSize) {
  return CellPos{floorDiv(px, cellSize), floorDiv(py, cellSize)};
}

unsigned heldBit(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return kHeldLeft;
    case MouseButton::Right:
      return kHeldRight;
    case MouseButton::Middle:
      return kHeldMiddle;
  }
  return 0;
}

constexpr unsigned kHeldButtons = kHeldLeft | kHeldRight | kHeldMiddle;

}  // namespace

ToolController::ToolController(EditorSession& session, RandomSource& random)
    : context_(session, random), tools_(drawingToolRegistry()), active_(tools_.front().get()) {}

// --- the level view -------------------------------------------------------------

ViewUpdate ToolController::press(int px, int py, MouseButton button, int cellSize,
                                 unsigned held) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  endLostGesture(held, u);
  if (gesture_ != Gesture::Tool) return u;
  const CellPos cell = cellAt(px, py, cellSize);
  // A gesture starts only from a press with no other button down: a middle
  // click in the middle of a stroke belongs to the stroke.
  const bool alone = (held & kHeldButtons & ~heldBit(button)) == 0;
  if (alone && (button == MouseButton::Middle || (button == MouseButton::Left && panKeyHeld_))) {
    gesture_ = Gesture::Pan;
    gestureButton_ = button;
    panAnchor_ = CellPos{px, py};
    u.tools = true;  // the cursor
    return u;
  }
  if (alone && button == MouseButton::Left && (held & kHeldAlt)) {
    gesture_ = Gesture::Pick;
    gestureButton_ = button;
    context_.pickObject(cell, u);
    return u;
  }
  context_.startStroke();
  // Every press on the view counts as an edit, but one that only looks.
  if (active_->edits()) context_.session().markModified();
  active_->press(context_, cell, button, cellSize, u);
  return u;
}

ViewUpdate ToolController::move(int px, int py, unsigned held, int cellSize) {
  ViewUpdate u;
  if (cellSize <= 0) return u;
  const CellPos cell = cellAt(px, py, cellSize);
  pointer_ = cell;
  endLostGesture(held, u);
  switch (gesture_) {
    case Gesture::Pan:
      // Scrolling by this much brings the anchor back under the pointer.
      u.scrollX = panAnchor_.x - px;
      u.scrollY = panAnchor_.y - py;
      context_.readOut(cell, u);
      break;
    case Gesture::Pick:
      context_.readOut(cell, u);
      break;
    case Gesture::Tool:
      active_->move(context_, cell, held, u);
      break;
  }
  return u;
}

ViewUpdate ToolController::release(MouseButton button) {
  ViewUpdate u;
  if (gesture_ != Gesture::Tool) {
    if (button == gestureButton_) {
      gesture_ = Gesture::Tool;
      u.tools = true;
    }
    return u;
  }
  const AfterRelease after = active_->release(context_, button, u);
  if (after == AfterRelease::SwitchOff) setTool(*tools_.front(), u);  // the default tool
  context_.session().endStep();
  return u;
}

void ToolController::endLostGesture(unsigned held, ViewUpdate& u) {
  // The release went elsewhere (the window lost the pointer mid-drag): the
  // gesture ends at the first event without its button.
  if (gesture_ == Gesture::Tool || (held & heldBit(gestureButton_))) return;
  gesture_ = Gesture::Tool;
  u.tools = true;
}

ViewUpdate ToolController::setPanKeyHeld(bool held) {
  ViewUpdate u;
  u.tools = held != panKeyHeld_;
  panKeyHeld_ = held;
  return u;
}

CursorKind ToolController::cursor() const {
  if (gesture_ == Gesture::Pan) return CursorKind::ClosedHand;
  if (panKeyHeld_) return CursorKind::OpenHand;
  return active_->cursor();
}

// --- the tool buttons -------------------------------------------------------------

DrawingTool* ToolController::find(std::string_view id) const {
  for (const auto& tool : tools_) {
    if (tool->id() == id) return tool.get();
  }
  return nullptr;
}

DrawingTool* ToolController::findByKey(char key) const {
  const char upper = key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
  for (const auto& tool : tools_) {
    if (tool->key() == upper) return tool.get();
  }
  return nullptr;
}

ViewUpdate ToolController::pressKey(char key) {
  ViewUpdate u;
  DrawingTool* tool = findByKey(key);
  if (!tool || !tool->available() || tool == active_) return u;
  setTool(*tool, u);
  return u;
}


void ToolController::setTool(DrawingTool& tool, ViewUpdate& u) {
  active_->cancel(context_, u);
  active_ = &tool;
  u.tools = true;
}

ViewUpdate ToolController::toggle(std::string_view id) {
  ViewUpdate u;
  DrawingTool* tool = find(id);
  const bool keepOn = std::exchange(keepOnAtClick_, false);
  if (!tool || !tool->available()) return u;
  if (tool == active_ && keepOn) {
    u.tools = true;  // the same tool in another style
    return u;
  }
  setTool(tool == active_ ? *tools_.front() : *tool, u);  // off: the default tool
  return u;
}

ViewUpdate ToolController::pressButton(std::string_view id, int x, int y) {
  ViewUpdate u;
  if (DrawingTool* tool = find(id)) {
    keepOnAtClick_ = tool->pressButton(context_, x, y) && tool == active_;
    u.tools = true;
  }
  return u;
}

std::string_view ToolController::buttonIcon(std::string_view id) const {
  const DrawingTool* tool = find(id);
  return tool ? tool->icon(context_, tool == active_) : std::string_view{};
}

// --- the clipboard -----------------------------------------------------------------

ViewUpdate ToolController::pasteAtPointer() {
  SelectionClipboard& clipboard = context_.clipboard();
  // Over the floating selection the paste goes where it was dragged to.
  if (pointer_ && context_.insideLevel(*pointer_) && clipboard.width() > 0 &&
      !clipboard.covers(*pointer_)) {
    clipboard.moveTo(*pointer_);
  }
  return paste();
}

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
  if (cellSize <= 0) return u;
  pointer_ = cellAt(px, py, cellSize);
  u.overlay = context_.clipboard().dragTo(px, py, cellSize);
  if (!context_.propertiesDragActive) context_.readOut(*pointer_, u);
  return u;
}

ViewUpdate ToolController::releaseSelection() {
  context_.clipboard().endDrag();
  return ViewUpdate{};
}

}  // namespace pyrovel
