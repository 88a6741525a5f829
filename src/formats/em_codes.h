#pragma once
// Translations between object numbers and Emerald Mine codes: cell codes
// (used by the BD4 and Emerald Mine records) and the small yam code set of
// the V4 record's yam patterns.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pyrovel {

// Unknown EM cell codes read as Grover, which no known code gives.
inline constexpr int kEmUnknownObject = 15;
// Objects without an EM cell code are written as this code.
inline constexpr std::uint8_t kEmFallbackCode = 3;

// EM cell code -> object number. Eight codes give a negative marker
// instead: an object in a state the editor has no object for (see EmMarker).
int emCodeToObject(std::uint8_t code);

// Object -> EM cell code. The players are written as empty space: the EM
// records keep their positions in the header.
std::uint8_t emExportCode(int object);

// The whole export table, for encoders that translate a map at a time.
using EmExportTable = std::array<std::int16_t, 256>;
const EmExportTable& emExportTable();

// Object -> EM yam code 0..23 (0 for objects the yam code set lacks).
std::uint8_t emYamCode(int object);
// EM yam code -> object (codes above 23 give 0).
int emYamToObject(std::uint8_t code);

// What a marker result stands for.
struct EmMarker {
  std::uint8_t code;    // the EM cell code
  int marker;           // the negative result of emCodeToObject
  int object;           // the object meant
  int move;             // -1 moving left, +1 moving right, 0 in place
  const char* warning;  // the message memo text; moving objects append the level number
  const char* state;    // what the EM level holds, for listings
};

// The marker a result stands for, or nothing for an object number.
const EmMarker* findEmMarker(int result);

// The object a result stands for: markers give their object, everything
// else is returned unchanged. Never negative.
int emResolvedObject(int result);

}  // namespace pyrovel
