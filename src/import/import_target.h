#pragma once
// Where an import of one level goes, and the clean start it gets there: an
// import never mixes with what the level held, and never replaces a level
// that holds something without asking.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/level_change.h"
#include "model/levelmap.h"

namespace pyrovel {

class EditorSession;

// Whether a level holds something a user made: a title of its own, or cells
// other than nothing or the untouched level of a new levelmap (Dirt in a
// Solid Wall border).
bool levelHoldsSomething(const Levelmap& map, int slot);

// The level to import into: `preferred` when it holds nothing; otherwise
// the user is asked whether to replace it, No taking the first empty level
// after it (or before it). Nothing when the user cancelled.
std::optional<int> chooseImportSlot(EditorSession& session, int preferred);

// One import into `slot`: shows the level, keeps what it held and clears it (header, both layers,
// kept BDCFF lines), so the import starts from nothing. Unless keep() is called (the file came in),
// the level is given back as it was: a turned-down or broken file changes nothing.
class LevelImport {
 public:
  LevelImport(EditorSession& session, int slot);
  LevelImport(const LevelImport&) = delete;
  LevelImport& operator=(const LevelImport&) = delete;
  ~LevelImport();
  void keep() { kept_ = true; }
  // The level as it was before the import, for the undo step the caller
  // records once the filled level is shown for good.
  std::unique_ptr<LevelState> takeLevelBefore() { return std::move(before_); }

 private:
  EditorSession& session_;
  int slot_;
  std::unique_ptr<LevelState> before_;
  bool modified_;
  bool kept_ = false;
};

}  // namespace pyrovel
