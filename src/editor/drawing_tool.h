#pragma once
// One drawing tool of the level view: what its button shows and what it
// does with the pointer while it is on. The tool controller owns one of
// each registered tool and hands every event to the tool that is on; the
// parts tools share (the session, the rubber band, the eraser, filling an
// area) are in the ToolContext they are given.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/view_events.h"

namespace pyrovel {

class ToolContext;

// Open and closed hand: the view is ready to be dragged, and is being dragged.
enum class CursorKind { Default, Cross, OpenHand, ClosedHand };
// The option bar the window shows while a tool is on.
enum class OptionBar { None, Spray, Chaos };
// How a tool's button shows that the tool is on.
enum class ButtonLook { Highlighted, Down };
enum class AfterRelease { StayOn, SwitchOff };

class DrawingTool {
 public:
  virtual ~DrawingTool() = default;

  // The object name of its button, e.g. "sprayTool".
  virtual std::string_view id() const = 0;
  // The tooltip of its button (without its key).
  virtual std::string_view buttonHint() const = 0;
  // The letter key that switches it on, an upper-case letter.
  virtual char key() const = 0;
  // The id of the icon its button shows; the window draws the icon.
  virtual std::string_view icon(const ToolContext& context, bool on) const = 0;
  // An unavailable tool's button is shown disabled and never switches it on.
  virtual bool available() const { return true; }
  virtual ButtonLook buttonLook() const { return ButtonLook::Highlighted; }
  // Whether a press with it counts as an edit of the levelmap (a pick does not).
  virtual bool edits() const { return true; }

  // What the window shows while the tool is on.
  virtual CursorKind cursor() const { return CursorKind::Default; }
  virtual OptionBar optionBar() const { return OptionBar::None; }
  // The line that tells how to use it; empty where its option bar shows instead.
  virtual std::string usageHint(const ToolContext& /*context*/) const { return {}; }
  // What the window draws over the level while the tool is dragged: the
  // rubber band's frame, and the cells the release will draw.
  virtual bool showsFrame() const { return true; }
  virtual std::vector<CellPos> preview(const ToolContext& /*context*/) const { return {}; }
  // A whole area the release will fill with the drawing object, shown as
  // such (a filled rectangle would be thousands of single cells).
  virtual std::optional<CellArea> previewArea(const ToolContext& /*context*/) const {
    return std::nullopt;
  }

  // The pointer on the level view, at `cell` (which may lie outside the level).
  virtual void press(ToolContext& context, CellPos cell, MouseButton button, int cellSize,
                     ViewUpdate& u) = 0;
  // `held` is the set of HeldState bits.
  virtual void move(ToolContext& context, CellPos cell, unsigned held, ViewUpdate& u) = 0;
  virtual AfterRelease release(ToolContext& context, MouseButton button, ViewUpdate& u) = 0;
  // Switched off, by another tool or its own button: drop what is half done.
  virtual void cancel(ToolContext& /*context*/, ViewUpdate& /*u*/) {}
  // A press at (x, y) on its 24 x 24 button, before the click. True when
  // the press chose another way for the tool to work: a click on the button
  // of a tool that is on then keeps it on.
  virtual bool pressButton(ToolContext& /*context*/, int /*x*/, int /*y*/) { return false; }
};

}  // namespace pyrovel
