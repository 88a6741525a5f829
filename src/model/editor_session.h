#pragma once
// The editor session: the one levelmap being edited and everything the
// editor keeps around it (current level and layer, undo, the drawing
// object, file names and history). The window owns one and forwards to it;
// the command line and the tests drive it directly. Readers and writers fill
// and read it; opening and saving are editor/levelmap_files.h's.
#include <array>
#include <string>
#include <vector>

#include "model/frontend.h"
#include "model/levelmap.h"
#include "model/object_catalogue.h"
#include "model/undo_ring.h"

namespace pyrovel {

class EditorSession {
 public:
  explicit EditorSession(Frontend& ui);
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  Frontend& ui() { return *ui_; }
  void setFrontend(Frontend& ui) { ui_ = &ui; }

  // --- the document -------------------------------------------------------
  Levelmap map;
  ObjectCatalogue catalogue;
  std::string levelPath;   // where the levelmap was opened from; empty when new
  std::string readerNote;  // the last reader's note for the information panel
  std::array<std::string, 4> history{"---", "---", "---", "---"};
  std::vector<std::string> messages;  // importers' notes, shown in the message panel
  bool startupComplete = false;

  // --- editing state ---------------------------------------------------------
  int drawingObject = 1;
  bool strokeUndoMark = false;
  bool allowOnlyOneLittleFellow = true;  // the options panel's check box

  // --- levels ---------------------------------------------------------------
  // The one way to show a level (slot 1..100).
  void selectLevel(int slot);
  void nextLevel();
  void previousLevel();
  // The "Go" button: returns the value the number field shows afterwards.
  int goToLevel(int number);
  // Titles empty slots "Empty" and untitled ones "Level n" (the records change).
  void updateLevelList();
  // Sets a title from the level list (cut to 20 characters).
  void setLevelTitle(int slot, const std::string& title);
  // Each asks its question first; false when the user said No.
  bool deleteLevel();
  bool insertLevel();
  // Moves the current level to level number `target` (0..99).
  void moveLevel(int target);
  // A level-list row dragged from row a to row b.
  void dragLevel(int fromNumber, int toNumber);

  // --- undo ---------------------------------------------------------------
  void recordUndo();
  // One step back to `before`, the game layer of the current level as it was
  // before a change already made (an import).
  void recordUndoOf(const LevelGrid& before) {
    undo_.recordCells(before, kGameLayer);
    notify(kUndoState);
  }
  // Records one step per stroke: only when the stroke undo mark is clear.
  void recordStrokeUndo() {
    if (!strokeUndoMark) recordUndo();
  }
  void endStroke() { strokeUndoMark = false; }
  bool undo();
  bool redo();
  bool canUndo() const { return undo_.canUndo(); }
  bool canRedo() const { return undo_.canRedo(); }
  const UndoRing& undoRing() const { return undo_; }

  // --- cells ----------------------------------------------------------------
  void clearLevel();
  // Puts `object` at (x, y) of the current layer following the player rules
  // (one Little Fellow with its question, Fellow2's position). Returns the
  // cells that changed: the target and, when the player moved, the old cell.
  struct Placed {
    bool changed = false;
    bool movedPlayer = false;
    int oldX = 0, oldY = 0;
  };
  Placed placeObject(int x, int y, int object);

  // --- the whole levelmap ----------------------------------------------------
  // Empties every level's game layer and leaves level 0 at 64 x 32 with the
  // title and author shown, as "New.map" without a path or undo steps.
  // (The save question before it is editor/levelmap_files.h's.)
  void clearLevelmap();

  // The level caption: "cave.map Level 3: Lava by Unknown".
  std::string levelCaption() const;

  void notify(unsigned what) { ui_->changed(what); }
  // For edits that tell the front end nothing else: the first one after a
  // save shows the unsaved mark.
  void markModified() {
    if (map.modified) return;
    map.modified = true;
    notify(kFileState);
  }

 private:
  void showLevel(int slot, bool resetUndo);

  Frontend* ui_;
  UndoRing undo_;
};

}  // namespace pyrovel
