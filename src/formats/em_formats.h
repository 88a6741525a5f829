#pragma once
// Emerald Mine level files: single levels in V4 (the BD4 record) or V6,
// V6 levelsets, and the import of one level file of either version.
#include <optional>
#include <string>
#include <vector>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

class EditorSession;

// File sizes that tell the versions apart.
inline constexpr std::size_t kEmV4MinSize = 2106;    // 2106..2109: V4
inline constexpr std::size_t kEmMapOnlySize = 2110;  // the map and nothing more
inline constexpr std::size_t kEmV6MinSize = 2111;    // 2111 and more: V6

// Writes the current level (current layer) as one record of `version` (4 or
// 6) to `path`; any other version writes an empty file. A copy of the level
// is fitted to 64 x 32 first, which walls off the cells beyond a smaller
// level. Returns the note naming the cut when the level is larger.
std::optional<std::string> exportToEm(const Levelmap& map, const std::string& path, int version);

// Reads one Emerald Mine level (V4, the map alone, or V6, by size) into
// `slot` (game layer); notes on codes the editor lacks go to `notes`. The
// level becomes 64 x 32; a map without header keeps the rest of the level's
// settings, with a note. False, with the level untouched, when the bytes are
// too few for any version.
bool readEmLevel(Levelmap& map, int slot, const Bytes& data, const std::string& name,
                 std::vector<std::string>& notes);

// Reads one Emerald Mine level file into the current level (game layer)
// and steps to the next level. Unknown codes and objects in states the
// editor lacks are noted in the message memo.
void importEmLevel(EditorSession& session, const std::string& path);
// The same for bytes already in memory; `name` names them in messages.
void importEmLevelBytes(EditorSession& session, const Bytes& data, const std::string& name);

// V6 levelsets share the ".lev" extension with BD4 levelsets; their size
// (whole V6 records, never whole BD4 records) tells them apart, so the
// levelsets this editor writes open again.
bool isEmV6LevelsetSize(std::size_t size);
// Sizes a single level file of either version has (the map alone included).
bool isEmLevelSize(std::size_t size);

}  // namespace pyrovel
