#pragma once
// The game's own levelmap files: three versions told apart by their magic.
// All three are read; version 2.0 is written.
#include <array>
#include <cstdint>
#include <string>

#include "model/bytes.h"
#include "model/frontend.h"
#include "model/levelmap.h"

namespace pyrovel {

inline constexpr const char* kMagicV20 = "GrotPRV V2.0";
inline constexpr const char* kMagicV11 = "GrotPRV V1.1";
inline constexpr const char* kMagicOldest = "GrotPyrovelM";

// Readers: fill all 100 slots from the file's bytes. `file` names the file in
// errors. A short or malformed file throws after filling what it could.
void readGrotLevel(Levelmap& map, const Bytes& data, const std::string& file);   // oldest
void readGrot2Level(Levelmap& map, const Bytes& data, const std::string& file);  // 1.1
void readGrot3Level(Levelmap& map, const Bytes& data, const std::string& file);  // 2.0

// What the save computes for the levelmap header.
int computeLevelCount(const Levelmap& map);
struct PlayerSurvey {
  bool someHaveTwo = false;  // some level below LevelCount holds Fellow2
  bool someLackTwo = false;  // some level below LevelCount does not
};
struct ObjectSurvey {
  int gameKind = 1;
  PlayerSurvey players;
};
ObjectSurvey surveyObjects(const Levelmap& map, int levelCount);

using LevelmapFileHeader = std::array<std::uint8_t, kLevelmapHeaderSize>;

// Version 2.0 bytes of the whole levelmap, put to `sink` in pieces of a few
// hundred KB, the levelmap header last; the file has Yam Up where a yam
// pattern holds Yam Random, and LevelCount, Players, GameKind filled in.
// Asks the two-player question (before the header is put) when some but not
// all levels have two players. Returns the levelmap header as written.
LevelmapFileHeader streamLevelmap(const Levelmap& map, Frontend& ui, const ByteSink& sink);
// The same bytes gathered in memory.
Bytes encodeLevelmap(const Levelmap& map, Frontend& ui);
// Streams version 2.0 to `path` (atomically); the header as written becomes
// the levelmap's and Modified is cleared.
void writeLevel(Levelmap& map, Frontend& ui, const std::string& path);

// The one-level test file the game plays: the header with the 2.0 magic, the
// current level's record and the grid of the layer being edited.
Bytes encodeTestLevel(const Levelmap& map);
void writeTestLevelFile(const Levelmap& map, const std::string& path);

}  // namespace pyrovel
