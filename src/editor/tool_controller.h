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
  ViewUpdate press(int px, int py, MouseButton button, int cellSize);
  // The pointer moved; `held` is the set of HeldState bits.
  ViewUpdate move(int px, int py, unsigned held, int cellSize);
  ViewUpdate release(MouseButton button);

  // --- the tool buttons -------------------------------------------------------
  // Each toggles its tool; switching one on switches the others off, and
  // switching it off puts the default tool back.
  ViewUpdate toggle(std::string_view id);
  // A press at (x, y) on a tool's 24 x 24 button, before its click.
  ViewUpdate pressButton(std::string_view id, int x, int y);

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
  CursorKind cursor() const { return active_->cursor(); }
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

  ToolContext& context() { return context_; }
  const ToolContext& context() const { return context_; }

  // --- the clipboard and the floating selection --------------------------------
  SelectionClipboard& clipboard() { return context_.clipboard(); }
  const SelectionClipboard& clipboard() const { return context_.clipboard(); }
  ViewUpdate paste();
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
  DrawingTool* find(std::string_view id) const;
  void setTool(DrawingTool& tool, ViewUpdate& u);

  ToolContext context_;
  std::vector<std::unique_ptr<DrawingTool>> tools_;
  DrawingTool* active_ = nullptr;
  int shownSlot_ = 0;
};

}  // namespace pyrovel
