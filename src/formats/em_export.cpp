// Emerald Mine writers: single V4 or V6 levels and V6 levelsets.
#include "formats/bd4_levelset.h"
#include "formats/bd4_record.h"
#include "formats/em_formats.h"
#include "formats/em_v6_record.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

// The writers wall off the cells beyond a level smaller than the format's
// map; they do it on a copy, so the levelmap being edited never changes.
void exportToEm(const Levelmap& levelmap, const std::string& path, int version) {
  Levelmap map = levelmap.clone();
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

Bytes encodeEmV6Levelset(const Levelmap& map) {
  Levelmap fitted = map.clone();
  return encodeLevelsetRecords(fitted, kEmV6RecordSize, writeEmV6Record);
}

void saveAsEmV6(EditorSession& session, const std::string& path) {
  writeFileAtomically(path, encodeEmV6Levelset(session.map));
  finishLevelsetSave(session, path);
}

}  // namespace pyrovel
