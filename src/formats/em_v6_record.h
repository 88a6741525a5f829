#pragma once
// The Emerald Mine V6 level record, 2172 bytes: the 64 x 32 map of EM cell
// codes, eight yam patterns of EM cell codes (row by row), the header bytes
// shared with the V4 record, a version mark, the level time and the well.
// Multi-byte numbers are high byte first.
#include <array>
#include <cstdint>
#include <span>

#include "formats/em_map.h"
#include "model/levelmap.h"

namespace pyrovel {

inline constexpr std::size_t kEmV6RecordSize = 2172;
using EmV6Record = std::array<std::uint8_t, kEmV6RecordSize>;

namespace emv6 {
inline constexpr std::size_t oVersionMark = 2106;  // 0xFF "600"
inline constexpr std::size_t oLevelTime = 2110;    // seconds, 10 per level time unit
inline constexpr std::size_t oLaterYams = 2112;    // patterns 4..7
inline constexpr std::size_t oWellObject = 2159;   // EM cell code the well gives out
inline constexpr std::size_t oWellDelay = 2160;
inline constexpr std::size_t oWellActive = 2162;
inline constexpr std::size_t oWellDirection = 2163;
inline constexpr int kSecondsPerTimeUnit = 10;
}  // namespace emv6

// Pattern p (0..7), row r, column c.
inline constexpr std::size_t emV6YamOffset(int p, int row, int column) {
  const std::size_t base = p < 4 ? emrec::oYams + static_cast<std::size_t>(9 * p)
                                 : emv6::oLaterYams + static_cast<std::size_t>(9 * (p - 4));
  return base + static_cast<std::size_t>(3 * row + column);
}

// Fits the level to 64 x 32 and builds its V6 record (the well is not written).
EmV6Record writeEmV6Record(Levelmap& map, int slot, int layer);

// Reads yam patterns, header fields and well of a V6 record into the
// level's header. Returns the start positions for placing the players.
EmStarts readEmV6Header(std::span<const std::uint8_t> record, LevelHeader& h);

}  // namespace pyrovel
