#include "import/import_target.h"

#include <string>

#include "model/editor_session.h"
#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

// The level list titles empty slots "Empty" and untitled ones "Level n":
// neither is a title a user gave.
bool hasOwnTitle(const Levelmap& map, int slot) {
  const std::string title = map.header(slot).title();
  return !title.empty() && title != "Empty" &&
         title != "Level " + std::to_string(Levelmap::levelNumber(slot));
}

bool anyCell(const Levelmap& map, int slot) {
  const LevelHeader& h = map.header(slot);
  for (int x = 0; x < h.width() && x < kGridSide; ++x) {
    for (int y = 0; y < h.height() && y < kGridSide; ++y) {
      if (map.cell(kGameLayer, slot, x, y) != 0) return true;
    }
  }
  return false;
}

bool isUntouchedNewLevel(const Levelmap& map, int slot) {
  const LevelHeader& h = map.header(slot);
  const int w = h.width(), hh = h.height();
  for (int x = 0; x < w && x < kGridSide; ++x) {
    for (int y = 0; y < hh && y < kGridSide; ++y) {
      const bool border = x == 0 || x == w - 1 || y == 0 || y == hh - 1;
      const int expected = x == 1 && y == 1 ? obj::LittleFellow
                           : border         ? obj::SolidWall
                                            : obj::Dirt;
      if (map.cell(kGameLayer, slot, x, y) != expected) return false;
    }
  }
  return true;
}

std::optional<int> firstEmptyLevel(const Levelmap& map, int after) {
  for (int i = 1; i < kLastSlot; ++i) {
    const int slot = (after - kFirstSlot + i) % kLastSlot + kFirstSlot;
    if (!levelHoldsSomething(map, slot)) return slot;
  }
  return std::nullopt;
}

std::string levelName(const Levelmap& map, int slot) {
  std::string name = "Level " + std::to_string(Levelmap::levelNumber(slot));
  const std::string title = map.header(slot).title();
  if (!title.empty()) name += " (" + title + ")";
  return name;
}

}  // namespace

bool levelHoldsSomething(const Levelmap& map, int slot) {
  if (map.isEmptyLevel(slot)) return false;
  if (hasOwnTitle(map, slot)) return true;
  return anyCell(map, slot) && !isUntouchedNewLevel(map, slot);
}

std::optional<int> chooseImportSlot(EditorSession& session, int preferred) {
  if (!levelHoldsSomething(session.map, preferred)) return preferred;
  const std::string question =
      levelName(session.map, preferred) + " is not empty. Replace it with the imported level?";
  const auto empty = firstEmptyLevel(session.map, preferred);
  if (!empty) {
    if (session.ui().ask(question + " (No level is empty.)") == Answer::Yes) return preferred;
    return std::nullopt;
  }
  switch (session.ui().ask(question + " No puts it into level " +
                               std::to_string(Levelmap::levelNumber(*empty)) +
                               ", the first empty level.",
                           true)) {
    case Answer::Yes:
      return preferred;
    case Answer::No:
      return empty;
    case Answer::Cancel:
      break;
  }
  return std::nullopt;
}

LevelImport::LevelImport(EditorSession& session, int slot)
    : session_(session),
      slot_(slot),
      before_(std::make_unique<LevelState>(LevelState::of(session.map, slot))),
      modified_(session.map.modified) {
  session.selectLevel(slot);
  Levelmap& map = session.map;
  map.header(slot).clear();
  map.grid(kGameLayer, slot).fill(0);
  map.grid(kBackgroundLayer, slot).fill(0);
  map.bdcffMemo[static_cast<std::size_t>(slot)].clear();
}

LevelImport::~LevelImport() {
  Levelmap& map = session_.map;
  if (kept_) {
    map.modified = true;
    return;
  }
  if (before_) {
    map.header(slot_) = before_->header;
    for (int layer : {kGameLayer, kBackgroundLayer}) {
      const auto& grid = before_->grids[static_cast<std::size_t>(layer)];
      if (grid) {
        map.grid(layer, slot_) = *grid;
      } else {
        map.grid(layer, slot_).fill(0);
      }
    }
    map.bdcffMemo[static_cast<std::size_t>(slot_)] = before_->memo;
  }
  map.modified = modified_;
  session_.selectLevel(slot_);
}

}  // namespace pyrovel
