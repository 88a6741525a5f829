#pragma once
// The disk-image browsers import a file into the current level and then show
// that same level again, so that a second click overwrites it rather than
// the level after it. Remembering the slot (instead of stepping back from
// wherever the importer left off) also holds at the last slot, where the
// importers do not advance, and when an importer turned the file down.
#include "model/editor_session.h"

namespace pyrovel {

template <class Import>
void importIntoShownLevel(EditorSession& session, Import&& import) {
  const int slot = session.map.currentLevel;
  import();
  session.selectLevel(slot);
  session.map.modified = true;
  session.updateLevelList();
}

}  // namespace pyrovel
