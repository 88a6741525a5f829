// BD4 levelsets: 80 level records, back to back in ".lev" files, and in
// ".levels" files after a 100-byte head with 326 unread bytes after each.
#include "formats/bd4_levelset.h"

#include "formats/bd4_record.h"
#include "formats/em_formats.h"
#include "formats/em_original.h"
#include "formats/levelset_io.h"
#include "formats/memo_lines.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

struct Bd4Layout {
  std::size_t first;
  std::size_t stride;
};

Bd4Layout layoutFor(const std::string& path) {
  if (extensionOf(path) == ".levels") return {100, 2432};
  return {0, kBd4RecordSize};
}

// Hides the conversion gauge however the read ends.
struct GaugeGuard {
  Frontend& ui;
  ~GaugeGuard() { ui.progress(0, 0, {}); }
};

}  // namespace

void readBd4Levelset(EditorSession& session, const std::string& path) {
  const Bytes data = readFileBytes(path);
  const Bd4Layout layout = layoutFor(path);
  if (layout.first == 0 && isEmV6LevelsetSize(data.size())) {
    readEmV6Levelset(session, data, path);
    return;
  }
  Levelmap& map = session.map;
  const int layer = map.currentLayer;
  map.currentLevel = kFirstSlot;

  GaugeGuard gauge{session.ui()};
  session.ui().progress(0, kBd4LevelsetSlots, "Reading BD4 levels");
  std::vector<std::string> lines;
  std::size_t offset = layout.first;
  for (int slot = kFirstSlot; slot <= kBd4LevelsetSlots; ++slot) {
    // A record is taken whole or not at all: a short file keeps the levels before it.
    if (offset > data.size() || data.size() - offset < kBd4RecordSize) {
      appendMemoLines(session, lines);
      throw LevelError(path, Levelmap::levelNumber(slot), offset,
                       "file ends inside the level record (needs " +
                           std::to_string(kBd4RecordSize) + " bytes, " +
                           std::to_string(offset > data.size() ? 0 : data.size() - offset) +
                           " left)");
    }
    // Records copied from the original Emerald Mine disks are read decrypted.
    const EmPlainLevel plain = emPlainLevel(std::span(data.data() + offset, kBd4RecordSize));
    const std::span<const std::uint8_t> record(plain.bytes);
    LevelHeader& h = map.header(slot);
    h.setWidth(kEmMapWidth);
    h.setHeight(kEmMapHeight);
    decodeEmMap(record.first(kEmMapBytes), map, slot, layer, plain.codeToObject);
    const EmStarts starts = readBd4Header(record, h, true);
    for (std::string& line : placeEmPlayers(starts, map, slot, layer)) lines.push_back(line);
    h.setIntermission(0);
    h.setConvertTrappedAmoeba(0);
    offset += layout.stride;
    session.ui().progress(slot, kBd4LevelsetSlots, "Reading BD4 levels");
  }
  raiseZeroSizes(map);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    h.setIntermission(0);
    h.setConvertTrappedAmoeba(0);
  }
  appendMemoLines(session, lines);
}

void raiseZeroSizes(Levelmap& map) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    if (h.width() == 0) h.setWidth(1);
    if (h.height() == 0) h.setHeight(1);
  }
}

Bytes encodeBd4Levelset(const Levelmap& map) {
  Levelmap fitted = map.clone();  // fitting walls off cells: never in the edited levelmap
  return encodeLevelsetRecords(fitted, kBd4RecordSize, writeBd4Record);
}

void finishLevelsetSave(EditorSession& session, const std::string& path) {
  Levelmap& map = session.map;
  map.fileName = fileNamePart(path);
  map.currentLevel = 0;
  session.nextLevel();
  map.modified = false;
}

void saveAsBd4(EditorSession& session, const std::string& path) {
  writeFileAtomically(path, encodeBd4Levelset(session.map));
  finishLevelsetSave(session, path);
}

}  // namespace pyrovel
