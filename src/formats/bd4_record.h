#pragma once
// The BD4 level record, 2106 bytes, which is also the Emerald Mine V4 level
// file: a 64 x 32 map of EM cell codes, four yam patterns in EM yam codes
// and the header bytes 2084..2105 (multi-byte numbers high byte first).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/em_map.h"
#include "model/levelmap.h"

namespace pyrovel {

inline constexpr std::size_t kBd4RecordSize = 2106;
using Bd4Record = std::array<std::uint8_t, kBd4RecordSize>;

// Every writer of the 64 x 32 map first walls off the cells beyond a
// smaller level's width and height with Solid Wall. The cells lie outside
// the level; writers fit a copy, never the levelmap being edited.
void makeLevelFit(Levelmap& map, int slot, int layer);

// "Level 3 is 100 x 40 cells; <format> holds 64 x 32: the file has its
// top-left 64 x 32." when the level is larger than the 64 x 32 map, else
// nothing.
std::optional<std::string> cutToEmMapNote(const Levelmap& map, int slot, std::string_view format);

// A record starts the player at the level's player position whatever the
// cell there holds: "Level 3: the player is not at (5, 2), where the file
// starts the player." when that cell holds no player, else nothing (and
// nothing for an empty slot).
std::optional<std::string> playerStartNote(const Levelmap& map, int slot, int layer);

// "Level 3: 12 cells of objects without an Emerald Mine code are written as
// other objects." when cells of the 64 x 32 map hold objects that the code
// table does not give back (a second player's own start is not counted),
// else nothing.
std::optional<std::string> lostObjectsNote(const Levelmap& map, int slot, int layer);

// Fits the level and builds its record (BD4 levelsets, the Emerald Mine V4
// export and the BD4 test slot). A level larger than 64 x 32 gives its
// top-left part.
Bd4Record writeBd4Record(Levelmap& map, int slot, int layer);

// Yam byte 2048 + 9p + 3c + r holds pattern p, row r, column c.
inline constexpr std::size_t bd4YamOffset(int p, int row, int column) {
  return emrec::oYams + static_cast<std::size_t>(9 * p + 3 * column + row);
}

// Reads the yam patterns and header bytes of a record into the level's
// header; `setDiamondsHigh` clears the high byte of the diamond count as the
// BD4 reader does. Returns the start positions for placing the players.
EmStarts readBd4Header(std::span<const std::uint8_t> record, LevelHeader& h, bool setDiamondsHigh);

}  // namespace pyrovel
