#include "import/supaplex_level_import.h"

#include "formats/memo_lines.h"
#include "formats/supaplex_record.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

void importSupaplexLevel(EditorSession& session, const std::string& path) {
  importSupaplexLevelBytes(session, readFileBytes(path), path);
}

void importSupaplexLevelBytes(EditorSession& session, const Bytes& data, const std::string& name) {
  noteImportFilter(session, "Supaplex");
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  ByteReader in = levelReader(data, name, slot);
  const auto record = in.bytes(kSupaplexRecordSize);
  beginFillingLevel(map, slot);
  map.clearLayer(kGameLayer, slot);
  const SupaplexRecordRead read =
      readSupaplexRecord(record, map, slot, kGameLayer, Levelmap::levelNumber(slot));
  map.header(slot).setIntermission(0);
  appendMemoLines(session, read.notes);
  finishLevelImport(session);
}

}  // namespace pyrovel
