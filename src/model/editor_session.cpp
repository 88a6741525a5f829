#include "model/editor_session.h"

#include <algorithm>

namespace pyrovel {

EditorSession::EditorSession(Frontend& ui) : ui_(&ui) {}

// --- levels -----------------------------------------------------------------

void EditorSession::showLevel(int slot, bool resetUndo) {
  slot = std::clamp(slot, kFirstSlot, kLastSlot);
  if (resetUndo) undo_.reset();
  map.CurrentLevel = slot;
  LevelHeader& h = map.current();
  if (h.Width() < 3) h.setWidth(3);
  if (h.Height() < 3) h.setHeight(3);
  notify(kLevelShown | kUndoState | kProperties);
}

void EditorSession::SelectLevel(int slot) { showLevel(slot, true); }

void EditorSession::nextlevel() {
  if (map.CurrentLevel < kLastSlot) SelectLevel(map.CurrentLevel + 1);
}

void EditorSession::Prevlevel() {
  if (map.CurrentLevel > kFirstSlot) SelectLevel(map.CurrentLevel - 1);
}

int EditorSession::GoLevel(int number) {
  if (number < 0) number = 0;
  if (number >= 100) number = 100;
  SelectLevel(std::min(number, 99) + 1);
  return number;
}

void EditorSession::UpdateLevelList() {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    if (h.Title().empty()) h.setTitle("Level " + std::to_string(Levelmap::levelNumber(slot)));
    if (h.Width() <= 3 && h.Height() <= 3) h.setTitle("Empty");
  }
  notify(kLevelList);
}

void EditorSession::setLevelTitle(int slot, const std::string& title) {
  if (slot < kFirstSlot || slot > kLastSlot) return;
  map.header(slot).setTitle(title);
  map.Modified = true;
  notify(kLevelList | kProperties | kLevelShown);
}

bool EditorSession::DeleteLEvel() {
  if (ui_->ask("Are you sure you want to remove this level from the levelmap ?") != Answer::Yes) {
    return false;
  }
  for (int s = map.CurrentLevel; s < kLastSlot; ++s) map.copySlot(s + 1, s);
  // The last slot becomes empty rather than a second copy of the last level.
  LevelHeader& last = map.header(kLastSlot);
  last.clear();
  last.setWidth(1);
  last.setHeight(1);
  map.BdcffMemo[kLastSlot].clear();
  map.Modified = true;
  UpdateLevelList();
  showLevel(map.CurrentLevel, true);
  return true;
}

bool EditorSession::Insertlevel1Click() {
  if (map.header(kLastSlot).Width() > 3 &&
      ui_->ask("Level 99 is not Empty. It will be overwritten. Are you sure you want to "
               "continue ?") != Answer::Yes) {
    return false;
  }
  for (int s = kLastSlot; s > map.CurrentLevel; --s) map.copySlot(s - 1, s);
  // The inserted level keeps the header of the level that was current.
  map.clearLayer(map.CurrentLayer, map.CurrentLevel);
  map.Modified = true;
  UpdateLevelList();
  showLevel(map.CurrentLevel, true);
  return true;
}

void EditorSession::MoveLevel(int target) {
  const int c = map.CurrentLevel;
  const int t = std::clamp(target, 0, 99) + 1;
  // Rotating through neighbouring slots moves the level and shifts the rest.
  for (int s = c; s < t; ++s) map.swapSlots(s, s + 1);
  for (int s = c; s > t; --s) map.swapSlots(s, s - 1);
  if (c != t) map.Modified = true;
  SelectLevel(t);
  UpdateLevelList();
}

void EditorSession::dragLevel(int fromNumber, int toNumber) {
  map.CurrentLevel = std::clamp(fromNumber, 0, 99) + 1;
  MoveLevel(toNumber);
}

// --- undo ---------------------------------------------------------------------

void EditorSession::RecordUndo() {
  undo_.record(map, map.CurrentLevel, map.CurrentLayer);
  strokeUndoMark = true;
  notify(kUndoState);
}

bool EditorSession::Undo1Click() {
  if (!undo_.undo(map, map.CurrentLevel)) return false;
  map.Modified = true;
  notify(kCellsChanged | kUndoState);
  return true;
}

bool EditorSession::Redo1click() {
  if (!undo_.redo(map, map.CurrentLevel)) return false;
  map.Modified = true;
  notify(kCellsChanged | kUndoState);
  return true;
}

// --- cells --------------------------------------------------------------------

void EditorSession::ClearLevel() {
  recordStrokeUndo();
  strokeUndoMark = false;
  map.clearLayer(map.CurrentLayer, map.CurrentLevel);
  map.Modified = true;
  // Shown again without forgetting the step just recorded, so a clear can be undone.
  showLevel(map.CurrentLevel, false);
  notify(kCellsChanged);
}

EditorSession::Placed EditorSession::placeObject(int x, int y, int object) {
  Placed result;
  if (!Levelmap::inGrid(x, y)) return result;
  std::int32_t& target = map.at(x, y);
  LevelHeader& h = map.current();
  if (object == obj::LittleFellow && target != obj::LittleFellow && allowOnlyOneLittleFellow) {
    if (ui_->ask("You can only have 1 Little Fellow, Do you want to move it here ?") !=
        Answer::Yes) {
      return result;
    }
    result.oldX = h.PlayerX();
    result.oldY = h.PlayerY();
    // The stored position may be stale (erased, shrunk away, a foreign file
    // with any byte there): only a Little Fellow found there is taken away,
    // and never outside the level or the grid.
    if (result.oldX < h.Width() && result.oldY < h.Height() &&
        Levelmap::inGrid(result.oldX, result.oldY) &&
        map.at(result.oldX, result.oldY) == obj::LittleFellow) {
      map.at(result.oldX, result.oldY) = obj::EmptySpace;
    }
    result.movedPlayer = true;
    h.setPlayerX(x);
    h.setPlayerY(y);
  } else if (object == obj::Fellow2 && target != obj::Fellow2) {
    h.setPlayer2X(x);
    h.setPlayer2Y(y);
  }
  if (target != object || result.movedPlayer) result.changed = true;
  target = object;
  if (result.changed) map.Modified = true;
  return result;
}

std::string EditorSession::levelCaption() const {
  const LevelHeader& h = map.current();
  return map.FileName + " Level " + std::to_string(Levelmap::levelNumber(map.CurrentLevel)) +
         ": " + h.Title() + " by " + h.Author();
}

}  // namespace pyrovel
