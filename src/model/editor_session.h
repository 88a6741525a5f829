#pragma once
// The editor session: the one levelmap being edited and everything the
// editor keeps around it (current level and layer, undo, the drawing
// object, file names and history). The window owns one and forwards to it;
// the command line and the tests drive it directly. Readers and writers fill
// and read it; opening and saving are editor/levelmap_files.h's.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/frontend.h"
#include "model/levelmap.h"
#include "model/object_catalogue.h"
#include "model/undo_history.h"

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
  // The notes from `first` on (up to the next source's) are about `file`;
  // an empty name when no file was named.
  struct MessageSource {
    std::size_t first = 0;
    std::string file;
  };
  std::vector<MessageSource> messageSources;
  // Adds notes about `file` (empty: none named) after those there are.
  void addMessages(const std::string& file, const std::vector<std::string>& notes);
  // The notes from `first` on are about `file` (they were added without it).
  void nameMessageSource(std::size_t first, const std::string& file);
  void clearMessages();
  bool startupComplete = false;

  // --- editing state ---------------------------------------------------------
  int drawingObject = 1;
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

  // --- whole levels, within a levelmap or between two ----------------------
  // Copies of levels (records, both layers, kept lines), in slot order.
  std::vector<LevelSlot> copyLevels(std::vector<int> slots) const;
  // Takes the levels out, the levels after them moving up and empty levels
  // coming in at the end; the first slot is shown. One undo step.
  void cutLevels(std::vector<int> slots);
  // Puts levels in before the current level (the levels from it on moving
  // down), or with `intoEmpty` into the empty levels from the current one
  // on. Asks before a level that holds anything is pushed out of the
  // levelmap, or when not all of them fit; the first pasted level is
  // shown. One undo step. False when nothing was pasted.
  bool pasteLevels(std::vector<LevelSlot> levels, bool intoEmpty);

  // --- undo ---------------------------------------------------------------
  // The edits between beginStep and endStep are one step of the level's
  // history, named for the Undo item ("Rectangle"). A step already open
  // takes them in (a stroke's further cells); one that changed nothing is
  // dropped. `slot` 0 means the level shown.
  void beginStep(std::string_view name, int slot = 0);
  void endStep();
  // An edit that may go on in the same field (typing): its step stays open
  // while edits of the same `key` follow, and closes at any other step.
  void continueStep(std::string_view name, std::string_view key);
  // One step from the level as it was before a change already made (an import).
  // `stepNote`: the note of the reader that brought the level in (an
  // import), shown over the level while the step is done.
  void recordStepFrom(const LevelState& before, std::string_view name, std::string stepNote = {});
  bool undo();
  bool redo();
  bool canUndo() const;
  bool canRedo() const;
  // The name of the step Undo or Redo would take back; empty when none.
  std::string undoName() const;
  std::string redoName() const;
  const UndoHistory& undoHistory() const { return history_; }
  void setUndoLimit(int steps) { history_.setLimit(steps); }
  // A whole new levelmap: every history is forgotten.
  void replaceLevelmap(Levelmap next);
  // The same levelmap with levels changed in place (appended levels): each
  // level that differs gets a step `name` that takes it back.
  // Each changed level's step carries `stepNote` (the reader's note).
  void takeChangedLevels(Levelmap next, std::string_view name, const std::string& stepNote = {});

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
  // The reader's note of the level shown: that of the last import into it
  // that is not undone, else the levelmap's own (`readerNote`).
  std::string shownReaderNote() const;
  // For edits that tell the front end nothing else: the first one after a
  // save shows the unsaved mark.
  void markModified() {
    if (map.modified) return;
    map.modified = true;
    notify(kFileState);
  }

 private:
  void showLevel(int slot);
  // After undo or redo: the level the step belongs to, shown as it is now.
  void showStepDone(int slot);
  // The step being made is on the level shown and has changed something.
  bool openStepChanged() const;

  // The step being made: its level as it was when it began.
  struct OpenStep {
    std::string name, key;
    int slot = 0;
    LevelState before;
  };

  Frontend* ui_;
  UndoHistory history_;
  std::unique_ptr<OpenStep> open_;
};

}  // namespace pyrovel
