// Atari caves. Only the map is known; the bytes before and after it are
// left unread.
#include "import/atari_cave_import.h"

#include "import/ck_cave_import.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

void importAtariLevel(EditorSession& session, const std::string& path) {
  importAtariLevelBytes(session, readFileBytes(path), path);
}

void importAtariLevelBytes(EditorSession& session, const Bytes& data, const std::string& name) {
  noteImportFilter(session, "Atari");
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  ByteReader in = levelReader(data, name, slot);
  in.seek(kAtariMapOffset);
  const auto cells = in.bytes(kCkMapBytes);

  LevelHeader& h = beginFillingLevel(map, slot);
  decodeCkMap(cells, map, slot);
  // The map is 40 x 22: a level of another size would hide part of it or
  // show cells of the level that was there before.
  h.setWidth(2 * kCkMapRowBytes);
  h.setHeight(kCkMapRows);
  finishLevelImport(session);
}

}  // namespace pyrovel
