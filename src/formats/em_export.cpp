// Emerald Mine writers: single V4 or V6 levels and V6 levelsets.
#include "formats/bd4_levelset.h"
#include "formats/bd4_record.h"
#include "formats/em_formats.h"
#include "formats/em_v6_record.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

void exportToEm(Levelmap& map, const std::string& path, int version) {
  const int slot = map.currentLevel, layer = map.currentLayer;
  Bytes out;
  if (version == 4) {
    const Bd4Record record = writeBd4Record(map, slot, layer);
    out.assign(record.begin(), record.end());
  } else if (version == 6) {
    const EmV6Record record = writeEmV6Record(map, slot, layer);
    out.assign(record.begin(), record.end());
  }
  writeFileAtomically(path, out);
}

Bytes encodeEmV6Levelset(Levelmap& map) {
  return encodeLevelsetRecords(map, kEmV6RecordSize, writeEmV6Record);
}

void saveAsEmV6(EditorSession& session, const std::string& path) {
  writeFileAtomically(path, encodeEmV6Levelset(session.map));
  finishLevelsetSave(session, path);
}

}  // namespace pyrovel
