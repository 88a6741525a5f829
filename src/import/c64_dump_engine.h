#pragma once
// Which C64 game engine a memory image holds, found by signatures at fixed
// C64 addresses, and the list of its caves.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/c64_dump_input.h"

namespace pyrovel {

enum class C64Engine {
  DeluxeKitGame,  // "8888": 20 caves stored as one code byte per cell
  KitCave,        // one Construction Kit cave, a program loaded at $BE00
  PlckGame,       // a Construction Kit level packer game ("DDDD" at $7000)
  Bd1Game,        // the engine of the first game ("DDHH" at 24378)
};

enum class C64Kit { None, Effect, Kestrin };

std::string_view c64EngineName(C64Engine engine);

struct C64Cave {
  int dasNumber = 1;  // the level number written to DAS: negative for intermissions
  std::string name;   // the name written to DAS ("" when the engine writes none)
  bool intermission = false;
  std::size_t offset = 0;  // file offset: the cave block, or for BD1 its pointer
  char letter = 0;         // BD1 caves only
};

struct C64EngineMatch {
  C64Engine engine = C64Engine::Bd1Game;
  C64Kit kit = C64Kit::None;
  std::size_t base = 0;
  bool namedCaves = false;  // PLCK games: names from the game's table
  std::vector<C64Cave> caves;
  std::vector<std::string> report;  // the detection's report lines
};

// Tries the engines in their fixed order with the C64 data at `base`.
// `caveName` names a single cave outside a PC64 file image. Reads that run
// past the end of the file throw a LevelError.
std::optional<C64EngineMatch> detectC64Engine(const C64DumpBytes& bytes, std::size_t base,
                                              C64InputKind kind, const std::string& caveName);

// The Deluxe Construction Kit's caves: where they start in the file (not
// relative to the base), how many, and each one's size.
inline constexpr std::size_t kDeluxeCavesOffset = 28697;
inline constexpr int kDeluxeCaveCount = 20;
inline constexpr std::size_t kDeluxeCaveBytes = 1024;

// The PLCK and single-cave blocks: from the "DDDD" at their start.
inline constexpr std::size_t kPlckCaveBlockBytes = 512;

}  // namespace pyrovel
