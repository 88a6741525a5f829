#pragma once
// The drawing tools of the level view: one of each registered tool, the one
// that is on, and the rules for switching them. The window forwards pointer
// events in level-view pixels with its cell size and paints what the
// answers and the state say.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "editor/drawing_tool.h"
#include "editor/tool_context.h"

namespace pyrovel {

class ToolController {
 public:
  ToolController(EditorSession& session, RandomSource& random);

  // --- the level view ---------------------------------------------------------
  // `held` is the set of HeldState bits, the pressed button's among them.
  // Besides the tool that is on, a press may start one of two gestures that
  // last until its button comes up and change no cell: the middle button,
  // or the left one while the pan key is held, drags the view (a pan); Alt
  // and the left button pick the object under the pointer.
  ViewUpdate press(int px, int py, MouseButton button, int cellSize, unsigned held = 0);
  // The pointer moved.
  ViewUpdate move(int px, int py, unsigned held, int cellSize);
  ViewUpdate release(MouseButton button);
  // The pointer left the view: a paste goes where the floating selection is.
  void pointerLeft() { pointer_.reset(); }
  // The key that turns the left button into a pan (Space) went down or up.
  ViewUpdate setPanKeyHeld(bool held);
  bool panKeyHeld() const { return panKeyHeld_; }
  bool panning() const { return gesture_ == Gesture::Pan; }

  // --- the tool buttons -------------------------------------------------------
  // Each toggles its tool; switching one on switches the others off, and
  // switching it off puts the default tool back.
  ViewUpdate toggle(std::string_view id);
  // A press at (x, y) on a tool's 24 x 24 button, before its click.
  ViewUpdate pressButton(std::string_view id, int x, int y);
  // A tool's letter key: switches it on (the pen's, the default tool); a
  // tool already on stays on. Case does not matter; false for a letter of no tool.
  bool hasKey(char key) const { return findByKey(key) != nullptr; }
  ViewUpdate pressKey(char key);

  // --- the tools ----------------------------------------------------------------
  const std::vector<std::unique_ptr<DrawingTool>>& tools() const { return tools_; }
  const DrawingTool& defaultTool() const { return *tools_.front(); }
  const DrawingTool& activeTool() const { return *active_; }
  bool isOn(std::string_view id) const { return active_->id() == id; }
  // The registered tool of class T, for its options.
  template <class T>
  T& tool() {
    for (const auto& t : tools_) {
      DrawingTool& candidate = *t;  // typeid of a plain reference: clang warns on a call inside
      if (typeid(candidate) == typeid(T)) return static_cast<T&>(candidate);
    }
    throw std::logic_error("drawing tool not registered");
  }

  // --- what the window shows ------------------------------------------------
  CursorKind cursor() const;
  OptionBar optionBar() const { return active_->optionBar(); }
  std::string usageHint() const { return active_->usageHint(context_); }
  // The icon id a tool's button shows now.
  std::string_view buttonIcon(std::string_view id) const;
  // Whether a tool's button shows it is on, highlighted or held down.
  bool buttonHighlighted(std::string_view id) const {
    return isOn(id) && active_->buttonLook() == ButtonLook::Highlighted;
  }
  bool buttonDown(std::string_view id) const {
    return isOn(id) && active_->buttonLook() == ButtonLook::Down;
  }
  // The rubber band's frame to draw over the view, while one is dragged.
  std::optional<ViewRect> rubberBand() const {
    const RubberBand& band = context_.band();
    return band.active() && active_->showsFrame() ? std::optional<ViewRect>(band.frame())
                                                  : std::nullopt;
  }
  // The cells the tool being dragged will draw, shown before it does.
  std::vector<CellPos> previewCells() const { return active_->preview(context_); }
  std::optional<CellArea> previewArea() const { return active_->previewArea(context_); }

  ToolContext& context() { return context_; }
  const ToolContext& context() const { return context_; }

  // --- the clipboard and the floating selection --------------------------------
  SelectionClipboard& clipboard() { return context_.clipboard(); }
  const SelectionClipboard& clipboard() const { return context_.clipboard(); }
  // Pastes where the floating selection is.
  ViewUpdate paste();
  // Ctrl+V: while the pointer is over the level beside the floating
  // selection, pastes with the copy's top-left cell under the pointer (the
  // floating selection goes there too); else as paste().
  ViewUpdate pasteAtPointer();
  // Select All: the whole level floats, ready to copy or cut.
  ViewUpdate selectAll();
  // Esc: drops the floating selection, or the area being dragged. Nothing
  // to drop answers an update that names nothing.
  ViewUpdate dropSelection();
  // A level is shown: the floating selection and a drag belong to the
  // level they were made on and go when another level comes.
  ViewUpdate levelShown(int slot);
  ViewUpdate copySelection();
  ViewUpdate cutSelection();
  // Press, moves and release on the floating selection (in level-view pixels).
  ViewUpdate pressSelection(int px, int py, int cellSize);
  ViewUpdate dragSelection(int px, int py, int cellSize);
  ViewUpdate releaseSelection();

 private:
  enum class Gesture { Tool, Pan, Pick };

  DrawingTool* find(std::string_view id) const;
  DrawingTool* findByKey(char key) const;
  void setTool(DrawingTool& tool, ViewUpdate& u);
  void endLostGesture(unsigned held, ViewUpdate& u);

  ToolContext context_;
  std::vector<std::unique_ptr<DrawingTool>> tools_;
  DrawingTool* active_ = nullptr;
  int shownSlot_ = 0;
  // What the press that is down does, and its button.
  Gesture gesture_ = Gesture::Tool;
  MouseButton gestureButton_ = MouseButton::Left;
  CellPos panAnchor_;  // the view pixel that stays under the pointer while panning
  bool panKeyHeld_ = false;
  // A press on the button of the tool that is on chose another style: its click keeps it on.
  bool keepOnAtClick_ = false;
  std::optional<CellPos> pointer_;  // the cell under the pointer, while over the view
};

}  // namespace pyrovel
