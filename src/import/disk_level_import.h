#pragma once
// A level file picked in a browser (a disk image, an executable's
// resources) comes in like every single-level import: into the current
// level when it holds nothing, else where the user says, from a cleared
// level, as one undo step. The filled level is shown afterwards, so a second
// click on another file asks again rather than overwriting it silently.
#include <string>
#include <utility>

#include "import/import_target.h"
#include "model/editor_session.h"

namespace pyrovel {

// `import` reads into the current level and returns whether the file came in.
template <class Import>
bool importIntoShownLevel(EditorSession& session, Import&& import) {
  const auto slot = chooseImportSlot(session, session.map.currentLevel);
  if (!slot) return false;
  // The note of this import goes with the level's undo step; the levelmap's
  // own note stays for the other levels.
  const std::string levelmapNote = std::exchange(session.readerNote, {});
  bool read = false;
  std::unique_ptr<LevelState> before;
  {
    LevelImport level(session, *slot);
    read = import();
    if (read) {
      level.keep();
      before = level.takeLevelBefore();
    }
  }
  session.selectLevel(*slot);
  std::string note = std::exchange(session.readerNote, levelmapNote);
  if (before) session.recordStepFrom(*before, "Import", std::move(note));
  session.notify(kReaderInfo);
  session.updateLevelList();
  return read;
}

}  // namespace pyrovel
