#pragma once
// Reading the caves of a BDCFF levelset into consecutive level slots, with
// plain inputs: the file's text, a levelmap and a list of notes.
//
// A cave comes from its [map] (rows of map codes, the file's own
// [mapcodes] over the built-in table) or is drawn: InitialFill (Dirt
// unless the cave says), the original game's random fill (RandSeed and
// RandomFill, bdcff_random.h) over rows 1..height-2, a Steel Wall border
// (InitialBorder), then the [objects] commands in order (bdcff_objects.h)
// on a cave of its Size (40 x 22, or 20 x 12 for an intermission, unless
// the [game] says otherwise). Where a cave gives a value per difficulty
// level, the first level's value counts; objects inside [Level=...]
// groups are drawn when the group names level 1.
//
// The level record takes Name, Author (the game's author when the cave
// names none), DiamondsRequired (a negative value: all diamonds in the
// cave but that many), CaveTime, MagicWallTime, DiamondValue (its
// value to Emerald Score, which the cave's diamonds become, its extra
// value to Diamond Score), AmoebaTime (Amoeba brake), AmoebaThreshold (Max
// Amoeba %), SlimePermeabilityC64 (or SlimePermeability as the nearest C64
// value) and Intermission; the size comes from Size or the map. Every other
// line of the cave is kept in the slot's BDCFF memo, Size included; the
// lines a drawn cave was made of ([objects], InitialFill, RandomFill,
// RandSeed, InitialBorder) are not, since the map now holds them.
//
// The [game] section's own lines come back in the result, to be kept for
// the file's writer; the caves of every difficulty level but the first are
// kept in their caves' lines: values given per level stay in their keys
// (the record takes the first), and [Level=...] groups of [objects] that
// do not name level 1 are kept as an [objects] section of their own.
//
// What could not be converted becomes a note naming the level, the cave and
// the line: every name or map code without an object (once per cave, with
// the number of cells that became Grover), drawing commands that are
// unknown, unreadable or off the cave, values that do not fit the record.
// A cave whose map or objects are cut off by the end of the file is left
// out, and so are caves beyond the last slot (one note says how many).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

struct BdcffLevelsetRead {
  int nextSlot = kFirstSlot;  // the slot after the last cave stored
  int caves = 0;              // caves stored
  // The lines outside the caves and the [mapcodes], in their order: the
  // [game] line and the game's keys and sections ("Name", "Levels",
  // [highscores], ...), without the file's frame.
  KeptLines gameLines;
};

// The comment line the writer puts first; not kept when read back.
inline constexpr std::string_view kBdcffWriterComment = "; Exported with PRVL Editor version.dll";

// Reads the caves of `text` into the current layer of slots firstSlot.. of
// `map`; `file` names the file in the notes. `progress` (when set) is told
// each slot filled.
BdcffLevelsetRead readBdcffLevelset(std::string_view text, const std::string& file, Levelmap& map,
                                    int firstSlot, std::vector<std::string>& notes,
                                    const std::function<void(int slot)>& progress = {});

}  // namespace pyrovel
