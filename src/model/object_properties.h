#pragma once
// What each object number does in play, as far as the level checker needs
// it: one table beside the catalogue, each entry with the reason for it in
// the well-known rules of the games of the genre. An object the table is
// unsure about says so (GemYield::Unknown and no certain flags), and the
// checks that must never be wrong treat it as "anything may happen".
#include <cstdint>
#include <string_view>

namespace pyrovel {

// Flags of an object.
enum ObjectFlag : std::uint32_t {
  kPassable = 1u << 0,       // the player walks into it as it is
  kDiggable = 1u << 1,       // the player digs it away
  kCollectable = 1u << 2,    // the player picks it up
  kPushable = 1u << 3,       // the player pushes it
  kExplodes = 1u << 4,       // it explodes (by itself, when hit or when lit)
  kDestroyedByBlast = 1u << 5,  // an explosion beside it removes it
  kIndestructible = 1u << 6,  // nothing passes or removes it, explosions included
  kBlastOnlyWall = 1u << 7,   // a wall that only an explosion opens
  kExit = 1u << 8,            // an exit of some kind (closed, open, hidden)
  kPlayer = 1u << 9,          // a player's start
  kMagicWall = 1u << 10,      // turns falling things into other things, without end
  kFeedsMagicWall = 1u << 11,  // a falling thing, or a source of them
  kEndlessSource = 1u << 12,  // grows or makes objects without end (amoeba and kin)
};

// How many gems an object is worth to the "Diamonds to Collect" count at
// most, counting everything it can become.
enum class GemYield : std::uint8_t {
  None,     // never a gem and never becomes one
  Gem,      // a gem of `gems` weight, or becomes one (a nut)
  Blast,    // explodes into at most `gems` worth of gems
  Yam,      // its worth is its yam patterns' contents
  Unknown,  // unsure: the gem count of a level holding it has no bound
};

struct ObjectProperties {
  std::uint32_t flags = 0;
  GemYield yield = GemYield::Unknown;
  int gems = 0;        // the most the object is worth (Gem, Blast)
  int becomes = -1;    // what it turns into, when it does (a nut, a rock in a magic wall)
  int keyColour = -1;  // doors and keys: the colour (index into keyColourName)
  bool isKey = false;
  const char* reason = "";

  bool has(ObjectFlag f) const { return (flags & f) != 0; }
};

// The largest weight of a gem the table is sure of: a diamond counts three.
inline constexpr int kDiamondWeight = 3;
// The most a blast of unknown contents can leave: nine cells of gems worth
// at most the largest weight any game of the genre gives a gem (eight).
inline constexpr int kUnknownBlastGems = 9 * 8;

// The properties of an object number; numbers beyond 255 are Unknown.
const ObjectProperties& objectProperties(int number);

// "green", "blue", ... for a door or key colour.
std::string_view keyColourName(int colour);

}  // namespace pyrovel
