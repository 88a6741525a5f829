#pragma once
// What the BD4 record and both Emerald Mine records share: the 64 x 32 map
// of EM cell codes, the header bytes at 2084.. that both versions lay out
// alike, and the player start words.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/em_codes.h"
#include "model/levelmap.h"
#include "model/object_catalogue.h"

namespace pyrovel {

inline constexpr int kEmMapWidth = 64;
inline constexpr int kEmMapHeight = 32;
inline constexpr std::size_t kEmMapBytes = 2048;

// Header offsets common to the V4 (BD4) and V6 records.
namespace emrec {
inline constexpr std::size_t oYams = 2048;    // four patterns of 9 bytes
inline constexpr std::size_t oScores = 2084;  // ten score bytes
inline constexpr std::size_t oLevelTimeV4 = 2094;
inline constexpr std::size_t oDiamonds = 2095;
inline constexpr std::size_t oPlayer = 2096;  // start word, high byte first
inline constexpr std::size_t oPlayer2 = 2098;
inline constexpr std::size_t oAmoeba = 2101;
inline constexpr std::size_t oMagic = 2102;    // high byte first
inline constexpr std::size_t oWheelV4 = 2104;  // high byte first
}  // namespace emrec

// Writes cell (x, y) of the level's layer, x < 64, y < 32, as byte 64y + x.
void encodeEmMap(const Levelmap& map, int slot, int layer, std::span<std::uint8_t> out);

// Something the map held that the editor cannot show as it was.
struct EmMapNote {
  int x = 0, y = 0;
  std::uint8_t code = 0;
  const EmMarker* marker = nullptr;  // null: an unknown code (the cell holds Grover)
};

// Fills the 64 x 32 cells of the level's layer from the map bytes. Marker
// codes become their objects; a moving nut, bomb or rock is put into the
// neighbouring cell it moves to, its own cell left empty. At the map's left
// and right edges it stays in its own cell, and an object moved into a cell
// wins over the object of that cell's own byte. Returns the unknown codes
// and markers met, in file order. `codeToObject` is the table of the
// record's version (the original games read a few codes differently).
using EmCodeReader = int (*)(std::uint8_t);
std::vector<EmMapNote> decodeEmMap(std::span<const std::uint8_t> bytes, Levelmap& map, int slot,
                                   int layer, EmCodeReader codeToObject = emCodeToObject);

// The text of a note for the message memo; `level` is the level number (0..99).
std::string emNoteText(const EmMapNote& note, int level);

// Start positions are stored as 64 * y + x; words beyond the map are refused.
struct MapPos {
  int x = 0, y = 0;
};
std::optional<MapPos> decodeStartWord(std::uint16_t word);
std::uint16_t encodeStartWord(int x, int y);

// The ten score bytes at 2084, in the records' order.
void encodeEmScores(const LevelHeader& h, std::span<std::uint8_t> record);
void decodeEmScores(std::span<const std::uint8_t> record, LevelHeader& h);

// The header fields both versions keep at the same place: scores, diamonds
// (low byte), player start, amoeba growth, magic time.
void encodeEmCommonHeader(const LevelHeader& h, std::span<std::uint8_t> record);
// Reads those fields back; the start positions are returned for placing the
// players (empty when a word points outside the map).
struct EmStarts {
  std::optional<MapPos> player;
  std::optional<MapPos> player2;
  std::uint16_t playerWord = 0, player2Word = 0;
};
EmStarts decodeEmCommonHeader(std::span<const std::uint8_t> record, LevelHeader& h);

// Puts the Little Fellow at its start and Fellow2 at its own, unless
// Fellow2's word is 0 (no second player) or it would cover the Little
// Fellow. Returns the memo lines for starts outside the map.
std::vector<std::string> placeEmPlayers(const EmStarts& starts, Levelmap& map, int slot, int layer);

}  // namespace pyrovel
