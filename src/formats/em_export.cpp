// Emerald Mine writers: single V4 or V6 levels and V6 levelsets.
#include "formats/bd4_levelset.h"
#include "formats/bd4_record.h"
#include "formats/em_formats.h"
#include "formats/em_v6_record.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace pyrovel {

// The writers wall off the cells beyond a level smaller than the format's
// map; they do it on a copy, so the levelmap being edited never changes.
std::optional<std::string> exportToEm(const Levelmap& levelmap, const std::string& path,
                                      int version) {
  Levelmap map = levelmap.clone();
  const int slot = map.currentLevel, layer = map.currentLayer;
  auto note = cutToEmMapNote(map, slot, "an Emerald Mine level");
  Bytes out;
  if (version == 4) {
    const Bd4Record record = writeBd4Record(map, slot, layer);
    out.assign(record.begin(), record.end());
  } else if (version == 6) {
    const EmV6Record record = writeEmV6Record(map, slot, layer);
    out.assign(record.begin(), record.end());
  }
  writeFileAtomically(path, out);
  return note;
}

Bytes encodeEmV6Levelset(const Levelmap& map, std::vector<std::string>& notes) {
  return encodeLevelsetRecords(map, kEmV6RecordSize, writeEmV6Record, "an Emerald Mine V6 levelset",
                               notes);
}

}  // namespace pyrovel
