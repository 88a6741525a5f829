#include "model/editor_session.h"

#include <algorithm>

namespace pyrovel {

EditorSession::EditorSession(Frontend& ui) : ui_(&ui) {}

std::string EditorSession::shownReaderNote() const {
  const auto& done = history_.of(map.currentLevel).undo;
  for (auto step = done.rbegin(); step != done.rend(); ++step) {
    if (!step->readerNote.empty()) return step->readerNote;
  }
  return readerNote;
}

void EditorSession::addMessages(const std::string& file, const std::vector<std::string>& notes) {
  if (notes.empty()) return;
  if (messageSources.empty() || messageSources.back().file != file)
    messageSources.push_back({messages.size(), file});
  messages.insert(messages.end(), notes.begin(), notes.end());
}

void EditorSession::nameMessageSource(std::size_t first, const std::string& file) {
  if (first >= messages.size()) return;
  while (!messageSources.empty() && messageSources.back().first >= first) messageSources.pop_back();
  messageSources.push_back({first, file});
}

void EditorSession::clearMessages() {
  messages.clear();
  messageSources.clear();
}

// --- levels -----------------------------------------------------------------

void EditorSession::showLevel(int slot) {
  slot = std::clamp(slot, kFirstSlot, kLastSlot);
  if (open_ && open_->slot != slot) endStep();
  map.currentLevel = slot;
  LevelHeader& h = map.current();
  if (h.width() < 3) h.setWidth(3);
  if (h.height() < 3) h.setHeight(3);
  notify(kLevelShown | kUndoState | kProperties);
}

void EditorSession::selectLevel(int slot) {
  showLevel(slot);
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
  beginStep("Rename Level", slot);
  map.header(slot).setTitle(title);
  endStep();
  map.modified = true;
  notify(kLevelList | kProperties | kLevelShown);
}

bool EditorSession::deleteLevel() {
  endStep();
  if (ui_->ask("Are you sure you want to remove this level from the levelmap?") != Answer::Yes) {
    return false;
  }
  // The last slot becomes empty rather than a second copy of the last level.
  auto held = std::make_unique<StoredLevel>();
  held->level.header.setWidth(1);
  held->level.header.setHeight(1);
  const int slot = map.currentLevel;
  history_.shiftOut(map, slot, *held);
  held->history.redo.clear();
  history_.push(slot,
                UndoStep("Delete Level", UndoStep::Kind::Remove, slot, slot, std::move(held)));
  map.modified = true;
  updateLevelList();
  showLevel(slot);
  return true;
}

bool EditorSession::insertLevel() {
  endStep();
  // The last level is pushed out of the levelmap: ask whenever it holds anything.
  if (map.holdsAnything(kLastSlot) &&
      ui_->ask("Level 99 is not empty. It will be overwritten. Are you sure you want to "
               "continue?") != Answer::Yes) {
    return false;
  }
  // The inserted level keeps the size and settings of the level that was
  // current, but nothing of its content: a fresh title and cleared layers.
  const int slot = map.currentLevel;
  auto held = std::make_unique<StoredLevel>();
  held->level.header = map.header(slot);
  held->level.header.setTitle("Empty");
  held->level.header.setHasBackgroundLayer(0);
  history_.shiftIn(map, slot, *held);
  map.clearLayer(kGameLayer, slot);
  history_.push(slot,
                UndoStep("Insert Level", UndoStep::Kind::Insert, slot, slot, std::move(held)));
  map.modified = true;
  updateLevelList();
  showLevel(slot);
  return true;
}

void EditorSession::moveLevel(int target) {
  endStep();
  const int c = map.currentLevel;
  const int t = std::clamp(target, 0, 99) + 1;
  if (c != t) {
    history_.rotate(map, c, t);
    history_.push(t, UndoStep("Move Level", UndoStep::Kind::Move, c, t, nullptr));
    map.modified = true;
  }
  selectLevel(t);
  updateLevelList();
}

void EditorSession::dragLevel(int fromNumber, int toNumber) {
  endStep();
  map.currentLevel = std::clamp(fromNumber, 0, 99) + 1;
  moveLevel(toNumber);
}

// --- whole levels ---------------------------------------------------------------

namespace {
std::vector<int> validSlots(std::vector<int> slots) {
  std::erase_if(slots, [](int s) { return s < kFirstSlot || s > kLastSlot; });
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  return slots;
}

LevelSlot copyOfLevel(const Levelmap& map, int slot) {
  LevelSlot copy;
  copy.header = map.header(slot);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    if (map.holdsCells(layer, slot)) {
      copy.grids[static_cast<std::size_t>(layer)] =
          std::make_unique<LevelGrid>(map.grid(layer, slot));
    }
  }
  copy.memo = map.bdcffMemo[static_cast<std::size_t>(slot)];
  return copy;
}

std::unique_ptr<StoredLevel> emptyLevel() {
  auto held = std::make_unique<StoredLevel>();
  held->level.header.setWidth(1);
  held->level.header.setHeight(1);
  return held;
}

std::string levelRange(int first, int last) {
  const std::string a = std::to_string(Levelmap::levelNumber(first));
  return first == last ? "level " + a
                       : "levels " + a + " to " + std::to_string(Levelmap::levelNumber(last));
}
}  // namespace

std::vector<LevelSlot> EditorSession::copyLevels(std::vector<int> slots) const {
  std::vector<LevelSlot> out;
  for (int slot : validSlots(std::move(slots))) out.push_back(copyOfLevel(map, slot));
  return out;
}

void EditorSession::cutLevels(std::vector<int> slots) {
  slots = validSlots(std::move(slots));
  if (slots.empty()) return;
  endStep();
  std::vector<LevelShift> shifts;
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    auto held = emptyLevel();
    history_.shiftOut(map, *it, *held);
    held->history.redo.clear();
    shifts.emplace_back(LevelShift::Op::Out, *it, std::move(held));
  }
  const int home = slots.front();
  history_.push(home, UndoStep(slots.size() == 1 ? "Cut Level" : "Cut Levels", home,
                               std::move(shifts)));
  map.modified = true;
  updateLevelList();
  showLevel(home);
}

bool EditorSession::pasteLevels(std::vector<LevelSlot> levels, bool intoEmpty) {
  if (levels.empty()) return false;
  endStep();
  const int from = map.currentLevel;
  const int count = static_cast<int>(levels.size());
  const std::string what = count == 1 ? "the level" : "the " + std::to_string(count) + " levels";
  std::vector<int> targets;
  if (intoEmpty) {
    for (int slot = from; slot <= kLastSlot && static_cast<int>(targets.size()) < count; ++slot) {
      if (!map.holdsAnything(slot)) targets.push_back(slot);
    }
    if (targets.empty()) {
      ui_->inform("No level from level " + std::to_string(Levelmap::levelNumber(from)) +
                  " on is empty: nothing was pasted.");
      return false;
    }
  } else {
    for (int slot = from; slot <= kLastSlot && static_cast<int>(targets.size()) < count; ++slot) {
      targets.push_back(slot);
    }
  }
  const int fit = static_cast<int>(targets.size());
  std::string question;
  if (fit < count) {
    question = "Only " + std::to_string(fit) + " of " + what + " fit" +
               (intoEmpty ? " into empty levels" : " before level 99 ends the levelmap") + ". ";
  }
  if (!intoEmpty) {
    // The levels pushed past level 99 leave the levelmap.
    const int firstOut = kLastSlot - fit + 1;
    bool anyHeld = false;
    for (int slot = firstOut; slot <= kLastSlot; ++slot) anyHeld = anyHeld || map.holdsAnything(slot);
    if (anyHeld) {
      question += "Pasting pushes " + levelRange(firstOut, kLastSlot) +
                  " out of the levelmap, and not all of them are empty. ";
    }
  }
  if (!question.empty() && ui_->ask(question + "Do you want to paste?") != Answer::Yes) {
    return false;
  }
  std::vector<LevelShift> shifts;
  for (int i = 0; i < fit; ++i) {
    auto held = std::make_unique<StoredLevel>();
    held->level = std::move(levels[static_cast<std::size_t>(i)]);
    const int slot = targets[static_cast<std::size_t>(i)];
    const LevelShift::Op op = intoEmpty ? LevelShift::Op::Swap : LevelShift::Op::In;
    shifts.emplace_back(op, slot, std::move(held));
    history_.apply(map, shifts.back(), true);
  }
  const int home = targets.front();
  history_.push(home, UndoStep(fit == 1 ? "Paste Level" : "Paste Levels", home, std::move(shifts)));
  map.modified = true;
  updateLevelList();
  showLevel(home);
  return true;
}

// --- undo ---------------------------------------------------------------------

void EditorSession::beginStep(std::string_view name, int slot) {
  if (slot == 0) slot = map.currentLevel;
  if (open_ && (open_->slot != slot || !open_->key.empty())) endStep();
  if (open_) return;
  open_ =
      std::make_unique<OpenStep>(OpenStep{std::string(name), {}, slot, LevelState::of(map, slot)});
}

void EditorSession::continueStep(std::string_view name, std::string_view key) {
  if (open_ && open_->key == key && open_->slot == map.currentLevel) return;
  endStep();
  beginStep(name);
  open_->key = key;
}

void EditorSession::endStep() {
  if (!open_) return;
  const std::unique_ptr<OpenStep> step = std::move(open_);
  LevelChange change = LevelChange::between(step->before, map, step->slot);
  if (change.empty()) return;
  history_.push(step->slot, UndoStep(step->name, std::move(change)));
  notify(kUndoState);
}

void EditorSession::recordStepFrom(const LevelState& before, std::string_view name,
                                   std::string stepNote) {
  endStep();
  LevelChange change = LevelChange::between(before, map, map.currentLevel);
  if (change.empty()) return;
  UndoStep step(std::string(name), std::move(change));
  step.readerNote = std::move(stepNote);
  history_.push(map.currentLevel, std::move(step));
  notify(kUndoState);
}

bool EditorSession::openStepChanged() const {
  return open_ && open_->slot == map.currentLevel &&
         !LevelChange::between(open_->before, map, open_->slot).empty();
}

bool EditorSession::canUndo() const {
  return !undoName().empty();
}

bool EditorSession::canRedo() const {
  return !redoName().empty();
}

std::string EditorSession::undoName() const {
  // A step still open counts once it has changed something.
  if (openStepChanged()) return open_->name;
  const auto& steps = history_.of(map.currentLevel).undo;
  return steps.empty() ? std::string() : steps.back().name;
}

std::string EditorSession::redoName() const {
  if (openStepChanged()) return {};  // the open step is about to forget them
  const auto& steps = history_.of(map.currentLevel).redo;
  return steps.empty() ? std::string() : steps.back().name;
}

bool EditorSession::undo() {
  endStep();
  const std::optional<int> home = history_.undo(map, map.currentLevel);
  if (!home) return false;
  showStepDone(*home);
  return true;
}

bool EditorSession::redo() {
  endStep();
  const std::optional<int> home = history_.redo(map, map.currentLevel);
  if (!home) return false;
  showStepDone(*home);
  return true;
}

void EditorSession::showStepDone(int slot) {
  map.modified = true;
  notify(kLevelList);  // a step may have moved levels or changed a title
  showLevel(slot);
  notify(kCellsChanged | kUndoState);
}

void EditorSession::replaceLevelmap(Levelmap next) {
  open_.reset();
  history_.clear();
  map = std::move(next);
  notify(kUndoState);
}

void EditorSession::takeChangedLevels(Levelmap next, std::string_view name,
                                      const std::string& stepNote) {
  endStep();
  std::swap(map, next);  // `next` now holds the levels as they were
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelChange change = LevelChange::between(LevelState::of(next, slot), map, slot);
    if (change.empty()) continue;
    UndoStep step(std::string(name), std::move(change));
    step.readerNote = stepNote;
    history_.push(slot, std::move(step));
  }
  notify(kUndoState);
}

// --- cells --------------------------------------------------------------------

void EditorSession::clearLevel() {
  beginStep("Clear Level");
  map.clearLayer(map.currentLayer, map.currentLevel);
  endStep();
  map.modified = true;
  showLevel(map.currentLevel);
  notify(kCellsChanged);
}

EditorSession::Placed EditorSession::placeObject(int x, int y, int object) {
  Placed result;
  if (!Levelmap::inGrid(x, y)) return result;
  Cell& target = map.at(x, y);
  LevelHeader& h = map.current();
  if (object == obj::LittleFellow && target != obj::LittleFellow && allowOnlyOneLittleFellow) {
    if (ui_->ask("You can only have 1 Little Fellow, Do you want to move it here?") !=
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
    map.bdcffMemo[static_cast<std::size_t>(slot)] = KeptLines{};
  }
  // Nothing of the last file's BDCFF lines goes into the next save.
  map.bdcffGame = KeptLines{};
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
  open_.reset();
  history_.clear();
  map.modified = false;
  notify(kLevelList | kLevelShown | kUndoState | kProperties);
}

std::string EditorSession::levelCaption() const {
  const LevelHeader& h = map.current();
  std::string caption = map.fileName + " Level " +
                        std::to_string(Levelmap::levelNumber(map.currentLevel)) + ": " + h.title();
  // A level without an author says nothing about one.
  const std::string author = h.author();
  if (author.find_first_not_of(' ') != std::string::npos) caption += " by " + author;
  return caption;
}

}  // namespace pyrovel
