#include "model/object_properties.h"

#include <array>

namespace pyrovel {

namespace {

struct Entry {
  int from, to;
  std::uint32_t flags;
  GemYield yield;
  int gems;
  int becomes;
  int keyColour;
  bool isKey;
  const char* reason;
};

constexpr std::uint32_t kBlasted = kDestroyedByBlast;
constexpr std::uint32_t kCreature = kExplodes | kDestroyedByBlast;
constexpr int kNone = -1;
enum Colour { Green, Blue, Yellow, Red, White, Brown };

// Ranges of object numbers; a number in no range is Unknown. Where a game of
// the genre and another disagree, the entry takes what keeps an error
// certain: the larger gem worth, no "indestructible".
constexpr Entry kEntries[] = {
    {0, 0, kPassable | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "empty space: nothing is there"},
    {1, 1, kDiggable | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "dirt is dug away and holds nothing"},
    {2, 2, kPlayer | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "the player; when it explodes the level is lost, whatever appears"},
    {3, 3, kPushable | kBlasted | kFeedsMagicWall, GemYield::None, 0, 4, kNone, false,
     "a rock falls and is pushed; only a magic wall turns it into a gem"},
    {4, 4, kCollectable | kBlasted, GemYield::Gem, kDiamondWeight, kNone, kNone, false,
     "a diamond counts three emeralds in the Emerald Mine games, one in Boulder Dash"},
    {5, 5, kCreature, GemYield::Blast, 9 * kDiamondWeight, kNone, kNone, false,
     "a bug explodes into gems (Emerald Mine's bug; Boulder Dash's butterfly is read as one)"},
    {6, 6, kIndestructible, GemYield::None, 0, kNone, kNone, false,
     "solid wall is the game's steel: a cleared level's border, what readers make of other "
     "games' steel walls; nothing passes or breaks it"},
    {7, 8, kExit, GemYield::None, 0, kNone, kNone, false, "the exit, closed or open"},
    {9, 9, kPushable | kExplodes | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "a bomb explodes when it falls or is hit, into empty space"},
    {10, 10, kBlasted, GemYield::None, 0, kNone, kNone, false,
     "an explosion under way leaves empty space"},
    {11, 11, kEndlessSource | kFeedsMagicWall, GemYield::Unknown, 0, kNone, kNone, false,
     "amoeba grows and turns into rocks or gems without a bound"},
    {12, 12, kPushable | kBlasted | kFeedsMagicWall, GemYield::Gem, 1, 13, kNone, false,
     "a nut cracked by a rock gives an emerald"},
    {13, 13, kCollectable | kBlasted, GemYield::Gem, 1, kNone, kNone, false,
     "an emerald counts one (Boulder Dash's diamond is read as one)"},
    {14, 14, kCreature | kFeedsMagicWall, GemYield::Yam, 0, kNone, kNone, false,
     "a yam explodes into its yam pattern's contents"},
    {16, 16, kMagicWall, GemYield::None, 0, kNone, kNone, false,
     "a magic wall turns each rock falling through it into a gem"},
    {17, 17, kBlastOnlyWall | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "a wall that explosions break (Boulder Dash's brick wall is read as it)"},
    {18, 18, kMagicWall | kFeedsMagicWall, GemYield::None, 0, kNone, kNone, false,
     "a magic wall with a rock already in it"},
    {19, 19, kBlasted, GemYield::None, 0, kNone, kNone, false,
     "a terminal is an obstacle holding nothing"},
    {20, 29, kBlastOnlyWall, GemYield::None, 0, kNone, kNone, false,
     "patterned walls are walls; some games' steel is read as them, so never counted as steel"},
    {30, 30, kExit, GemYield::None, 0, kNone, kNone, false,
     "a hidden exit is an exit that looks like wall"},
    {31, 34, kBlastOnlyWall | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "walls that explosions break"},
    {35, 41, kPassable, GemYield::None, 0, kNone, kNone, false,
     "tubes lead the player through; they hold nothing"},
    {42, 42, 0, GemYield::None, 0, kNone, kNone, false,
     "slime lets falling things through and makes none"},
    {43, 46, kPassable, GemYield::None, 0, kNone, kNone, false,
     "tubes that turn gravity lead the player through"},
    {47, 47, kPassable, GemYield::None, 0, kNone, Green, false, "an open green door"},
    {48, 48, kPassable, GemYield::None, 0, kNone, Blue, false, "an open blue door"},
    {49, 49, kPassable, GemYield::None, 0, kNone, Yellow, false, "an open yellow door"},
    {50, 50, kPassable, GemYield::None, 0, kNone, Red, false, "an open red door"},
    {51, 51, kPassable, GemYield::None, 0, kNone, kNone, false,
     "an open gray door; which key it wants is not known"},
    {52, 52, 0, GemYield::None, 0, kNone, Green, false, "a green door opens with a green key"},
    {53, 53, 0, GemYield::None, 0, kNone, Blue, false, "a blue door opens with a blue key"},
    {54, 54, 0, GemYield::None, 0, kNone, Yellow, false, "a yellow door opens with a yellow key"},
    {55, 55, 0, GemYield::None, 0, kNone, Red, false, "a red door opens with a red key"},
    {56, 56, 0, GemYield::None, 0, kNone, Green, false,
     "a gray door that hides its colour opens with the green key (Emerald Mine's gray doors)"},
    {57, 57, kCollectable, GemYield::None, 0, kNone, Green, true, "the green key"},
    {58, 58, kCollectable, GemYield::None, 0, kNone, Blue, true, "the blue key"},
    {59, 59, kCollectable, GemYield::None, 0, kNone, Yellow, true, "the yellow key"},
    {60, 60, kCollectable, GemYield::None, 0, kNone, Red, true, "the red key"},
    {61, 61, kCreature, GemYield::Blast, kUnknownBlastGems, kNone, kNone, false,
     "a robot explodes; what it leaves is not certain, so the most a blast can leave"},
    {62, 67, 0, GemYield::None, 0, kNone, kNone, false, "acid and its basin destroy what falls in"},
    {68, 68, kBlastOnlyWall, GemYield::None, 0, kNone, kNone, false,
     "an invisible wall is a wall"},
    {69, 69, kFeedsMagicWall, GemYield::None, 0, 3, kNone, false,
     "quicksand with a stone lets the rock sink through"},
    {70, 70, kCreature, GemYield::None, 0, kNone, kNone, false,
     "a ship explodes into empty space (Emerald Mine's spaceship, Boulder Dash's firefly)"},
    {71, 71, kCollectable, GemYield::None, 0, kNone, kNone, false,
     "dynamite is picked up and lit by the player"},
    {72, 72, 0, GemYield::None, 0, kNone, kNone, false, "the wheel stops the creatures"},
    {73, 73, kExplodes, GemYield::None, 0, kNone, kNone, false,
     "lit dynamite explodes into empty space"},
    {74, 75, kEndlessSource | kFeedsMagicWall, GemYield::Unknown, 0, kNone, kNone, false,
     "amoeba drops and stationary amoeba grow without a bound"},
    {76, 76, 0, GemYield::None, 0, kNone, kNone, false, "fixed acid destroys what falls in"},
    {77, 77, 0, GemYield::None, 0, kNone, kNone, false, "empty quicksand"},
    {78, 78, kFeedsMagicWall, GemYield::None, 0, 3, kNone, false, "a rock being born"},
    {79, 79, 0, GemYield::None, 0, kNone, Blue, false,
     "a gray door that hides its colour opens with the blue key"},
    {80, 80, 0, GemYield::None, 0, kNone, Yellow, false,
     "a gray door that hides its colour opens with the yellow key"},
    {81, 81, 0, GemYield::None, 0, kNone, Red, false,
     "a gray door that hides its colour opens with the red key"},
    {82, 84, kCreature, GemYield::Blast, 9 * kDiamondWeight, kNone, kNone, false,
     "bugs explode into gems"},
    {85, 87, kCreature, GemYield::None, 0, kNone, kNone, false,
     "ships explode into empty space"},
    {88, 91, kCreature | kFeedsMagicWall, GemYield::Yam, 0, kNone, kNone, false,
     "a yam explodes into its yam pattern's contents"},
    {92, 92, kPushable | kExplodes | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "a utility disk explodes into empty space when lit (Supaplex's yellow disk)"},
    {93, 96, kCreature, GemYield::Blast, 9 * kDiamondWeight, kNone, kNone, false,
     "electrons explode into infotrons, which readers make diamonds"},
    {97, 98, 0, GemYield::None, 0, kNone, kNone, false, "a trap sparks and holds nothing"},
    {99, 99, kPushable | kExplodes | kBlasted, GemYield::None, 0, kNone, kNone, false,
     "a super bomb explodes into empty space (Supaplex's orange disk)"},
    {100, 145, kBlastOnlyWall, GemYield::None, 0, kNone, kNone, false,
     "letters, digits and signs are walls"},
    {150, 153, kCreature, GemYield::None, 0, kNone, kNone, false,
     "snik snaks explode into empty space"},
    {154, 156, kBlastOnlyWall, GemYield::None, 0, kNone, kNone, false,
     "expanding walls grow into wall"},
    {158, 168, kPassable, GemYield::None, 0, kNone, kNone, false,
     "tubes lead the player through"},
    {172, 172, kBlastOnlyWall, GemYield::Gem, kDiamondWeight, kNone, kNone, false,
     "a wall holding a diamond, freed by an explosion"},
    {173, 173, kBlastOnlyWall, GemYield::Gem, 1, kNone, kNone, false,
     "a wall holding an emerald, freed by an explosion"},
    {176, 176, 0, GemYield::None, 0, kNone, White, false, "a white door opens with the white key"},
    {177, 177, kPassable, GemYield::None, 0, kNone, White, false, "an open white door"},
    {178, 178, 0, GemYield::None, 0, kNone, White, false,
     "a gray door that hides its colour opens with the white key"},
    {179, 179, kCollectable, GemYield::None, 0, kNone, White, true, "the white key"},
    {180, 198, 0, GemYield::None, 0, kNone, kNone, false,
     "force fields, extra time, gates, switches and conveyor belts hold nothing"},
    {199, 199, kExplodes | kBlasted, GemYield::Blast, kUnknownBlastGems, kNone, kNone, false,
     "a mine explodes; what it leaves is not certain"},
    {201, 201, 0, GemYield::None, 0, kNone, kNone, false, "a light switch holds nothing"},
    {202, 211, kBlastOnlyWall, GemYield::None, 0, kNone, kNone, false, "small digits are walls"},
    {218, 218, kPassable, GemYield::None, 0, kNone, Brown, false, "an open brown door"},
    {219, 219, 0, GemYield::None, 0, kNone, Brown, false, "a brown door opens with the brown key"},
    {221, 224, kCreature, GemYield::Blast, kUnknownBlastGems, kNone, kNone, false,
     "a mole explodes; what it leaves is not certain"},
    {225, 225, 0, GemYield::None, 0, kNone, kNone, false,
     "slanted steel is wall; not counted as steel, as its games differ"},
    {226, 226, kDiggable, GemYield::None, 0, kNone, kNone, false, "invisible dirt is dirt"},
    {227, 227, 0, GemYield::None, 0, kNone, kNone, false,
     "invisible steel is wall; not counted as steel, as its games differ"},
    {229, 232, kCreature, GemYield::None, 0, kNone, kNone, false,
     "fireflies explode into empty space (Boulder Dash)"},
    {233, 236, kCreature, GemYield::Blast, 9 * kDiamondWeight, kNone, kNone, false,
     "butterflies explode into diamonds (Boulder Dash)"},
    {237, 237, kPlayer | kBlasted, GemYield::None, 0, kNone, kNone, false, "the second player"},
    {238, 241, kCreature, GemYield::Blast, kUnknownBlastGems, kNone, kNone, false,
     "a pacman explodes; what it leaves is not certain"},
    {242, 242, kEndlessSource, GemYield::Unknown, 0, kNone, kNone, false,
     "a biomaze grows without a bound"},
    {244, 249, 0, GemYield::None, 0, kNone, kNone, false, "wind moves things and holds nothing"},
    {252, 252, kCollectable, GemYield::None, 0, kNone, kNone, true,
     "the gray key; which doors it opens is not known"},
    {253, 253, kCollectable, GemYield::None, 0, kNone, Brown, true, "the brown key"},
    {254, 254, kDiggable, GemYield::None, 0, kNone, kNone, false, "dirt of another look"},
};

// Everything not listed: Grover (a failed conversion), glue, pearls and
// crystals and their walls (their worth differs between games), notes,
// signs, the well sign, candy, stitches, the hatch, balloons, springs and
// poison dirt. What they do is not certain, so no certain rule leans on them.
constexpr const char* kUnknownReason = "not certain in play: left out of the certain rules";

}  // namespace

const ObjectProperties& objectProperties(int number) {
  static const std::array<ObjectProperties, 257> table = [] {
    std::array<ObjectProperties, 257> t{};
    for (ObjectProperties& p : t) p.reason = kUnknownReason;
    for (const Entry& e : kEntries) {
      for (int n = e.from; n <= e.to; ++n) {
        t[static_cast<std::size_t>(n)] =
            ObjectProperties{e.flags, e.yield, e.gems, e.becomes, e.keyColour, e.isKey, e.reason};
      }
    }
    return t;
  }();
  const std::size_t i = number >= 0 && number <= 255 ? static_cast<std::size_t>(number) : 256;
  return table[i];
}

std::string_view keyColourName(int colour) {
  static constexpr std::array<std::string_view, 6> kNames{"green", "blue",  "yellow",
                                                          "red",   "white", "brown"};
  return colour >= 0 && colour < 6 ? kNames[static_cast<std::size_t>(colour)] : "";
}

}  // namespace pyrovel
