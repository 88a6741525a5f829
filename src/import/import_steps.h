#pragma once
// Steps every single-level import shares: the note for the information
// panel, writing converted cells into the target level, and stepping on to
// the next level once the level is filled.
#include <string>

#include "model/bytes.h"
#include "model/editor_session.h"
#include "model/version.h"

namespace pyrovel {

// Leaves "Imported with <filter> importfilter. Editor version:<version>" for
// the information panel.
inline std::string importFilterNote(const std::string& filter) {
  return "Imported with " + filter + " importfilter. Editor version:" + kEditorVersion;
}
inline void noteImportFilter(EditorSession& session, const std::string& filter) {
  session.readerNote = importFilterNote(filter);
  session.notify(kReaderInfo);
}

// A bounded reader whose errors name the file and the level being filled.
inline ByteReader levelReader(const Bytes& data, const std::string& name, int slot) {
  ByteReader in(data, name);
  in.setLevel(Levelmap::levelNumber(slot));
  return in;
}

// The level an import fills. Marking the levelmap changed before the first
// write means a read that fails halfway still asks to be saved: the level
// already holds part of the file and no longer what it held before.
inline LevelHeader& beginFillingLevel(Levelmap& map, int slot) {
  map.modified = true;
  return map.header(slot);
}

// Writes a converted object into the game layer; cells beyond the grid are
// dropped. The Little Fellow also moves the level's player position there.
inline void putImportedCell(Levelmap& map, int slot, int x, int y, int object) {
  if (!Levelmap::inGrid(x, y)) return;
  map.cell(kGameLayer, slot, x, y) = object;
  if (object == 2) {
    LevelHeader& h = map.header(slot);
    h.setPlayerX(x);
    h.setPlayerY(y);
  }
}

// "Diamonds to Collect" from a foreign count: the whole 16-bit value in the
// low field and a zero high byte, so a high byte left by the level that was
// there before does not add 256 per unit to the count shown.
inline void setImportedDiamonds(LevelHeader& h, int count) {
  h.setDiamondsNeeded(count);
  h.setDiamondsNeededHigh(0);
}

// The step that ends a filled import: the next level is shown and the
// levelmap counts as changed.
inline void finishLevelImport(EditorSession& session) {
  session.nextLevel();
  session.map.modified = true;
}

}  // namespace pyrovel
