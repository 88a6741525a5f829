#include "model/editor_session.h"

#include <algorithm>

namespace pyrovel {

EditorSession::EditorSession(Frontend& ui) : ui_(&ui) {}

// --- levels -----------------------------------------------------------------

void EditorSession::showLevel(int slot, bool resetUndo) {
  slot = std::clamp(slot, kFirstSlot, kLastSlot);
  if (resetUndo) undo_.reset();
  map.currentLevel = slot;
  LevelHeader& h = map.current();
  if (h.width() < 3) h.setWidth(3);
  if (h.height() < 3) h.setHeight(3);
  notify(kLevelShown | kUndoState | kProperties);
}

void EditorSession::selectLevel(int slot) {
  showLevel(slot, true);
}

void EditorSession::nextLevel() {
  if (map.currentLevel < kLastSlot) selectLevel(map.currentLevel + 1);
}

void EditorSession::previousLevel() {
  if (map.currentLevel > kFirstSlot) selectLevel(map.currentLevel - 1);
}

int EditorSession::goToLevel(int number) {
  if (number < 0) number = 0;
  if (number >= 100) number = 100;
  selectLevel(std::min(number, 99) + 1);
  return number;
}

void EditorSession::updateLevelList() {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    if (h.title().empty()) h.setTitle("Level " + std::to_string(Levelmap::levelNumber(slot)));
    if (h.width() <= 3 && h.height() <= 3) h.setTitle("Empty");
  }
  notify(kLevelList);
}

void EditorSession::setLevelTitle(int slot, const std::string& title) {
  if (slot < kFirstSlot || slot > kLastSlot) return;
  map.header(slot).setTitle(title);
  map.modified = true;
  notify(kLevelList | kProperties | kLevelShown);
}

bool EditorSession::deleteLevel() {
  if (ui_->ask("Are you sure you want to remove this level from the levelmap ?") != Answer::Yes) {
    return false;
  }
  for (int s = map.currentLevel; s < kLastSlot; ++s) map.copySlot(s + 1, s);
  // The last slot becomes empty rather than a second copy of the last level.
  LevelHeader& last = map.header(kLastSlot);
  last.clear();
  last.setWidth(1);
  last.setHeight(1);
  map.bdcffMemo[kLastSlot].clear();
  map.modified = true;
  updateLevelList();
  showLevel(map.currentLevel, true);
  return true;
}

bool EditorSession::insertLevel() {
  // A level only looked at is raised to 3 x 3; anything larger holds a level.
  if ((map.header(kLastSlot).width() > 3 || map.header(kLastSlot).height() > 3) &&
      ui_->ask("Level 99 is not Empty. It will be overwritten. Are you sure you want to "
               "continue ?") != Answer::Yes) {
    return false;
  }
  for (int s = kLastSlot; s > map.currentLevel; --s) map.copySlot(s - 1, s);
  // The inserted level keeps the size and settings of the level that was
  // current, but nothing of its content: a fresh title and cleared layers.
  const int slot = map.currentLevel;
  map.header(slot).setTitle("Empty");
  map.header(slot).setHasBackgroundLayer(0);
  map.grid(kBackgroundLayer, slot).fill(0);
  map.bdcffMemo[static_cast<std::size_t>(slot)].clear();
  map.clearLayer(kGameLayer, slot);
  map.modified = true;
  updateLevelList();
  showLevel(map.currentLevel, true);
  return true;
}

void EditorSession::moveLevel(int target) {
  const int c = map.currentLevel;
  const int t = std::clamp(target, 0, 99) + 1;
  // Rotating through neighbouring slots moves the level and shifts the rest.
  for (int s = c; s < t; ++s) map.swapSlots(s, s + 1);
  for (int s = c; s > t; --s) map.swapSlots(s, s - 1);
  if (c != t) map.modified = true;
  selectLevel(t);
  updateLevelList();
}

void EditorSession::dragLevel(int fromNumber, int toNumber) {
  map.currentLevel = std::clamp(fromNumber, 0, 99) + 1;
  moveLevel(toNumber);
}

// --- undo ---------------------------------------------------------------------

void EditorSession::recordUndo() {
  undo_.record(map, map.currentLevel, map.currentLayer);
  strokeUndoMark = true;
  notify(kUndoState);
}

bool EditorSession::undo() {
  if (!undo_.undo(map, map.currentLevel)) return false;
  map.modified = true;
  notify(kCellsChanged | kUndoState);
  return true;
}

bool EditorSession::redo() {
  if (!undo_.redo(map, map.currentLevel)) return false;
  map.modified = true;
  notify(kCellsChanged | kUndoState);
  return true;
}

// --- cells --------------------------------------------------------------------

void EditorSession::clearLevel() {
  recordStrokeUndo();
  strokeUndoMark = false;
  map.clearLayer(map.currentLayer, map.currentLevel);
  map.modified = true;
  // Shown again without forgetting the step just recorded, so a clear can be undone.
  showLevel(map.currentLevel, false);
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
    result.oldX = h.playerX();
    result.oldY = h.playerY();
    // The stored position may be stale (erased, shrunk away, a foreign file
    // with any byte there): only a Little Fellow found there is taken away,
    // and never outside the level or the grid.
    if (result.oldX < h.width() && result.oldY < h.height() &&
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
  if (result.changed) map.modified = true;
  return result;
}

// --- the whole levelmap --------------------------------------------------------

void EditorSession::clearLevelmap() {
  // The size fields' "Apply" takes the title and author the panel still shows.
  const std::string shownTitle = map.current().title();
  const std::string shownAuthor = map.current().author();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    map.header(slot).clear();
    map.grid(kGameLayer, slot).fill(0);
  }
  updateLevelList();
  map.currentLevel = 1;
  LevelHeader& h = map.current();
  h.setWidth(64);
  h.setHeight(32);
  h.setTitle(shownTitle);
  h.setAuthor(shownAuthor);
  map.fileName = "New.map";
  levelPath.clear();
  clearLevel();
  undo_.reset();
  map.modified = false;
  notify(kLevelList | kLevelShown | kUndoState | kProperties);
}

std::string EditorSession::levelCaption() const {
  const LevelHeader& h = map.current();
  return map.fileName + " Level " + std::to_string(Levelmap::levelNumber(map.currentLevel)) + ": " +
         h.title() + " by " + h.author();
}

}  // namespace pyrovel
