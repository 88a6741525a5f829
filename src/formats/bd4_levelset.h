#pragma once
// BD4 levelsets (80 records) and what the levelset writers share.
#include <string>
#include <string_view>
#include <vector>

#include "formats/bd4_record.h"
#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

// Levelsets of BD4 and Emerald Mine V6 hold levels 0..79 (slots 1..80).
inline constexpr int kBd4LevelsetSlots = 80;

// Slots 1..80 one record after the other, each record built by
// `writeRecord(map, slot, layer)` from the current layer of a copy of the
// levelmap. What the records cannot hold (a level larger than 64 x 32, a
// player start without the player, objects without a code, levels past 79)
// is named in `notes`.
template <typename WriteRecord>
Bytes encodeLevelsetRecords(const Levelmap& levelmap, std::size_t recordSize,
                            WriteRecord writeRecord, std::string_view format,
                            std::vector<std::string>& notes) {
  Levelmap map = levelmap.clone();  // fitting walls off cells: never in the edited levelmap
  Bytes out;
  out.reserve(kBd4LevelsetSlots * recordSize);
  for (int slot = kFirstSlot; slot <= kBd4LevelsetSlots; ++slot) {
    if (auto note = cutToEmMapNote(map, slot, format)) notes.push_back(std::move(*note));
    if (auto note = playerStartNote(map, slot, map.currentLayer)) notes.push_back(std::move(*note));
    if (auto note = lostObjectsNote(map, slot, map.currentLayer)) notes.push_back(std::move(*note));
    const auto record = writeRecord(map, slot, map.currentLayer);
    out.insert(out.end(), record.begin(), record.end());
  }
  for (int slot = kBd4LevelsetSlots + 1; slot <= kLastSlot; ++slot) {
    if (!map.isEmptyLevel(slot)) {
      notes.push_back("Level " + std::to_string(Levelmap::levelNumber(slot)) +
                      " and the levels after it are not in the file: " + std::string(format) +
                      " holds levels 0 to " + std::to_string(kBd4LevelsetSlots - 1) + ".");
      break;
    }
  }
  return out;
}

}  // namespace pyrovel
