#pragma once
// The drawing tools of the level view as a state machine: the pen (with the
// eraser on the right button), the spray, the rectangle and chaos tools and
// the selection tool with their rubber band, the tool switching rules and
// the status bar readout. The window forwards pointer events in level-view
// pixels with its cell size and paints what the answers and the state say.
#include <optional>
#include <string>

#include "editor/rubber_band.h"
#include "editor/random_source.h"
#include "editor/selection_clipboard.h"
#include "editor/tool_options.h"
#include "editor/view_events.h"
#include "model/editor_session.h"

namespace pyrovel {

enum class Tool { Pen, Selection, Rectangle, Chaos, Spray };
enum class RectangleStyle { Filled, Outline };
enum class CursorKind { Default, Cross };

class ToolController {
 public:
  ToolController(EditorSession& session, RandomSource& random);

  // --- the level view ---------------------------------------------------------
  // A button pressed at (px, py) (Drawblock).
  ViewUpdate press(int px, int py, MouseButton button, int cellSize);
  // The pointer moved; `held` is the set of HeldState bits (Mouse).
  ViewUpdate move(int px, int py, unsigned held, int cellSize);
  // A button released on the view (BackgroundMouseUp).
  ViewUpdate release(MouseButton button);

  // Set by the window while the Properties window is dragged: pointer moves
  // over the level view then neither draw nor update the status bar.
  bool propertiesDragActive = false;

  // --- the tool buttons -------------------------------------------------------
  // Each toggles its tool; switching one on switches the others off.
  ViewUpdate toggle(Tool tool);
  ViewUpdate toggleSelection() { return toggle(Tool::Selection); }
  ViewUpdate toggleRectangle() { return toggle(Tool::Rectangle); }
  ViewUpdate toggleChaos() { return toggle(Tool::Chaos); }
  ViewUpdate toggleSpray() { return toggle(Tool::Spray); }
  // A press at (x, y) on the 24 x 24 rectangle or chaos button, before its
  // click: the upper-left half chooses the filled style, the rest outline.
  ViewUpdate pressRectangleButton(int x, int y);
  // The line tool is not there yet; its button stays disabled.
  void toggleLine() {}

  SprayOptions sprayOptions;
  Chaosoptions chaosOptions;

  // --- what the window shows ------------------------------------------------
  Tool tool() const { return tool_; }
  bool isOn(Tool t) const { return tool_ == t; }
  // Selection, rectangle and chaos: the tools that drag a rubber band.
  bool rubberBandToolOn() const {
    return tool_ == Tool::Selection || tool_ == Tool::Rectangle || tool_ == Tool::Chaos;
  }
  RectangleStyle rectangleStyle() const { return style_; }
  // Image of `Glyphs` on the rectangle button: 0 off, 1 on filled, 2 on outline.
  int rectangleGlyph() const;
  CursorKind cursor() const { return rubberBandToolOn() ? CursorKind::Cross : CursorKind::Default; }
  // Selection, rectangle and chaos buttons turn white while on.
  bool buttonHighlighted(Tool t) const { return t != Tool::Spray && t != Tool::Pen && isOn(t); }
  // The spray button stays down while the spray is on.
  bool sprayButtonDown() const { return isOn(Tool::Spray); }
  bool sprayOptionsVisible() const { return isOn(Tool::Spray); }
  bool chaosOptionsVisible() const { return isOn(Tool::Chaos); }

  // The rubber band's frame to draw over the view, while one is dragged.
  std::optional<ViewRect> rubberBand() const {
    return band_.active() ? std::optional<ViewRect>(band_.frame()) : std::nullopt;
  }
  // Status bar panel 0 ("Co: x,y") and panel 3 (the object under the pointer).
  const std::string& statusCoordinates() const { return statusCoordinates_; }
  const std::string& statusObject() const { return statusObject_; }
  CellPos pointerCell() const { return pointer_; }

  // --- the clipboard and the floating selection --------------------------------
  SelectionClipboard& clipboard() { return clipboard_; }
  const SelectionClipboard& clipboard() const { return clipboard_; }
  ViewUpdate paste();
  ViewUpdate copySelection();
  ViewUpdate cutSelection();
  // Press, moves and release on the floating selection (in level-view pixels).
  ViewUpdate pressSelection(int px, int py, int cellSize);
  ViewUpdate dragSelection(int px, int py, int cellSize);
  ViewUpdate releaseSelection();

 private:
  void drawBlock(CellPos cell, MouseButton button, ViewUpdate& u);
  void paint(CellPos cell, ViewUpdate& u);
  void spray(CellPos cell, ViewUpdate& u);
  void fillArea(Tool tool, const CellArea& area, ViewUpdate& u);
  void setTool(Tool tool, ViewUpdate& u);

  EditorSession& session_;
  RandomSource& random_;
  SelectionClipboard clipboard_;
  Tool tool_ = Tool::Pen;
  RectangleStyle style_ = RectangleStyle::Filled;
  RubberBand band_;
  CellPos pointer_;
  // A question broke off the stroke: moves draw again only after a new press.
  bool strokeBroken_ = false;
  std::string statusCoordinates_, statusObject_;
};

}  // namespace pyrovel
