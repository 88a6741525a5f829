#pragma once
// The game's one-level file (".lev"): a 32-byte magic, the level's 460-byte
// record as it is, then one byte per cell, rows from the top. Only the layer
// being edited is kept.
#include <cstddef>
#include <string>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

inline constexpr const char* kSingleLevelMagic = "Pyrovel Level V2";
inline constexpr std::size_t kSingleLevelMagicSize = 32;
inline constexpr std::size_t kSingleLevelCellsOffset = kSingleLevelMagicSize + LevelHeader::kSize;

// The current level of the current layer in the one-level layout.
Bytes encodeSingleLevel(const Levelmap& map);

// Reads a one-level file into `slot` (record and the current layer's cells).
// The magic is not checked: older files carry other texts there. A file too
// short for its own size, or a size beyond the grid, is refused before the
// level is touched.
void readSingleLevel(Levelmap& map, int slot, const Bytes& data, const std::string& name);

class EditorSession;
// The import filter's routine: reads the file into the current level and
// steps on (stays at level 99).
bool importSingleLevelFile(EditorSession& session, const std::string& path);

}  // namespace pyrovel
