#pragma once
// BD4 levelsets (80 records) and what the levelset writers share.
#include <string>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

class EditorSession;

// Levelsets of BD4 and Emerald Mine V6 hold levels 0..79 (slots 1..80).
inline constexpr int kBd4LevelsetSlots = 80;

// Slots 1..80 one record after the other, each record built by
// `writeRecord(map, slot, layer)` from the current layer.
template <typename WriteRecord>
Bytes encodeLevelsetRecords(Levelmap& map, std::size_t recordSize, WriteRecord writeRecord) {
  Bytes out;
  out.reserve(kBd4LevelsetSlots * recordSize);
  for (int slot = kFirstSlot; slot <= kBd4LevelsetSlots; ++slot) {
    const auto record = writeRecord(map, slot, map.currentLayer);
    out.insert(out.end(), record.begin(), record.end());
  }
  return out;
}

// The bytes of a ".lev" BD4 levelset of slots 1..80 (current layer); each
// level is fitted to 64 x 32 first.
Bytes encodeBd4Levelset(const Levelmap& map);

// After a read: slots with a width or height of 0 get 1, as empty slots have.
void raiseZeroSizes(Levelmap& map);

// After a levelset save: the name keeps only its file part, level 0 is
// shown and the levelmap counts as saved.
void finishLevelsetSave(EditorSession& session, const std::string& path);

}  // namespace pyrovel
