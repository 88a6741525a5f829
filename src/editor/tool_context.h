#pragma once
// What the drawing tools share: the session they draw into, the random
// source, the clipboard, the rubber band, the eraser, the one-Little-Fellow
// rule, filling an area and the status bar readout of the pointer's cell.
#include <functional>
#include <string>
#include <string_view>

#include "editor/drawing_tool.h"
#include "editor/random_source.h"
#include "editor/rubber_band.h"
#include "editor/selection_clipboard.h"
#include "editor/view_events.h"
#include "model/editor_session.h"

namespace pyrovel {

enum class FillStyle { Filled, Outline };

class ToolContext {
 public:
  ToolContext(EditorSession& session, RandomSource& random)
      : session_(session), random_(random), clipboard_(session) {}

  EditorSession& session() { return session_; }
  const EditorSession& session() const { return session_; }
  RandomSource& random() { return random_; }
  SelectionClipboard& clipboard() { return clipboard_; }
  const SelectionClipboard& clipboard() const { return clipboard_; }
  RubberBand& band() { return band_; }
  const RubberBand& band() const { return band_; }
  bool insideLevel(CellPos cell) const;

  // Set by the window while the Properties window is dragged: pointer moves
  // over the level view then neither draw nor update the status bar.
  bool propertiesDragActive = false;
  // The old way of the area tools: each switches itself off after one use.
  bool oneShotTools = false;
  AfterRelease afterUse() const {
    return oneShotTools ? AfterRelease::SwitchOff : AfterRelease::StayOn;
  }

  // Chosen by where the rectangle or chaos button is pressed: the upper-left
  // half of its 24 x 24 face chooses filled, the rest outline.
  FillStyle fillStyle() const { return fillStyle_; }
  // True when the style changed.
  bool chooseFillStyle(int x, int y) {
    const FillStyle before = fillStyle_;
    fillStyle_ = x + y < 25 ? FillStyle::Filled : FillStyle::Outline;
    return fillStyle_ != before;
  }

  // A new press starts a stroke that no question has broken off yet.
  void startStroke() { strokeBroken_ = false; }
  bool strokeBroken() const { return strokeBroken_; }

  // The right button: the cell under the pointer becomes Empty Space.
  void erase(CellPos cell, ViewUpdate& u);
  // Puts the drawing object at a cell inside the level; a Little Fellow may
  // ask first whether to move the one there is.
  void placeObject(CellPos cell, ViewUpdate& u);
  // Before a tool puts the drawing object on many cells from `cell`: under
  // the one-Little-Fellow rule the Little Fellow goes to `cell` only, as the
  // pen puts it (true: the tool's work is done); Fellow2's position becomes
  // `cell`.
  bool playerRulesAt(CellPos cell, ViewUpdate& u);
  // The object in `cell` of the layer shown becomes the drawing object
  // (the eyedropper). False outside the level and for a number that is no
  // object, which leave the drawing object as it was.
  bool pickObject(CellPos cell, ViewUpdate& u);
  // Writes `object()` into the cells of `area` inside the level, as one
  // undo step. An outline writes only the cells on the dragged area's border,
  // even where the level cuts the area off.
  void fillArea(std::string_view stepName, const CellArea& area, FillStyle style,
                const std::function<int()>& object, ViewUpdate& u);

  // Status bar panel 0 ("Co: x,y", and while an area is dragged its size,
  // "Co: 5,4  (3 x 2)") and panel 3 (the object under the pointer).
  void readOut(CellPos cell, ViewUpdate& u, const CellArea* dragged = nullptr);
  const std::string& statusCoordinates() const { return statusCoordinates_; }
  const std::string& statusObject() const { return statusObject_; }

 private:
  EditorSession& session_;
  RandomSource& random_;
  SelectionClipboard clipboard_;
  RubberBand band_;
  FillStyle fillStyle_ = FillStyle::Filled;
  // A question broke off the stroke: moves draw again only after a new press.
  bool strokeBroken_ = false;
  std::string statusCoordinates_, statusObject_;
};

}  // namespace pyrovel
