// BD4 levelsets: 80 level records, back to back in ".lev" files, and in
// ".levels" files after a 100-byte head with 326 unread bytes after each.
#include "formats/bd4_levelset.h"

#include "formats/bd4_record.h"
#include "formats/em_formats.h"
#include "formats/em_original.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

struct Bd4Layout {
  std::size_t first;
  std::size_t stride;
};

Bd4Layout layoutFor(const std::string& path) {
  if (sameTextIgnoringCase(extensionOf(path), ".levels")) return {100, 2432};
  return {0, kBd4RecordSize};
}

}  // namespace

void readBd4Levelset(LevelsetRead& read, const Bytes& data, const std::string& path) {
  const Bd4Layout layout = layoutFor(path);
  Levelmap& map = read.map;
  const int layer = map.currentLayer;
  map.currentLevel = kFirstSlot;

  LevelsetReadEnd end(read);
  read.ui.progress(0, kBd4LevelsetSlots, "Reading BD4 levels");
  std::size_t offset = layout.first;
  for (int slot = kFirstSlot; slot <= kBd4LevelsetSlots; ++slot) {
    if (offset > data.size() || data.size() - offset < kBd4RecordSize) {
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
    for (std::string& line : placeEmPlayers(starts, map, slot, layer)) {
      read.report.notes.push_back(line);
    }
    offset += layout.stride;
    read.ui.progress(slot, kBd4LevelsetSlots, "Reading BD4 levels");
  }
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    h.setIntermission(0);
    h.setConvertTrappedAmoeba(0);
  }
}

Bytes encodeBd4Levelset(const Levelmap& map, std::vector<std::string>& notes) {
  return encodeLevelsetRecords(map, kBd4RecordSize, writeBd4Record, "a BD4 levelset", notes);
}

}  // namespace pyrovel
