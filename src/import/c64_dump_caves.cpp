// The cave layouts of the Construction Kit level packer and of the BD1
// engine, written as DAS commands.
#include "import/c64_dump_caves.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "formats/das_codes.h"

namespace pyrovel {

namespace {

constexpr int kUnsupported = 255;

constexpr std::array<int, 16> kPlckNibbleCodes{16, 20, 3,  2,  56, 42, 86, 1,
                                               9,  50, 87, 57, 6,  4,  37, 0};
// How much each nibble slows the game down (the cave's "delay").
constexpr std::array<int, 16> kPlckNibbleDelay{1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0};
constexpr int kMagicWallNibble = 2, kAmoebaNibble = 10, kSlimeNibble = 11;

// clang-format off
constexpr std::array<int, 64> kBd1Codes{
    0,  1,  2,  3,  4,  5,  255, 56, 9,   10,  11, 8,  13,  14,  15,  12,
    16, 17, 18, 19, 20, 21, 22,  23, 255, 255, 74, 75, 76,  77,  78,  31,
    32, 33, 34, 35, 36, 37, 38,  39, 40,  255, 42, 43, 255, 255, 255, 255,
    50, 51, 48, 49, 54, 55, 52,  53, 80,  81,  87, 88, 86,  6,   7,   57};
constexpr std::array<int, 64> kEffectCodes{
    0,  1,  2,  3,  4,  5,  255, 56, 13,  14,  15, 12, 13,  14,  15,  12,
    17, 17, 19, 19, 21, 21, 23,  23, 255, 255, 74, 75, 76,  77,  78,  31,
    32, 33, 34, 35, 36, 37, 38,  39, 40,  255, 43, 43, 255, 255, 255, 255,
    54, 55, 52, 53, 54, 55, 52,  53, 81,  81,  88, 88, 86,  6,   7,   57};
// clang-format on
constexpr int kBd1MagicWall = 3, kBd1Amoeba1 = 58, kBd1Amoeba2 = 59, kBd1Slime = 63;

// Offsets inside a Construction Kit cave block.
constexpr std::size_t kPlckCells = 20, kPlckRows = 21, kPlckRowBytes = 20;
constexpr std::size_t kPlckCaveType = 474, kPlckSpeed = 440, kPlckTime = 442, kPlckNeed = 444,
                      kPlckScore = 446, kPlckBonus = 448, kPlckSlime = 450, kPlckAmoebaTime = 452,
                      kPlckMagicTime = 454, kEffectFirst = 490, kEffectAmoebaMax = 495;

// Offsets inside a BD1 cave record.
constexpr std::size_t kBd1RecordBase = 0x582E;
constexpr std::size_t kBd1Time1 = 1, kBd1Score = 2, kBd1Bonus = 3, kBd1Seed = 4, kBd1Need = 9,
                      kBd1Time = 14, kBd1SlimeRate = 22, kBd1RandomObjects = 24,
                      kBd1RandomThresholds = 28, kBd1Drawing = 32;
constexpr std::uint8_t kBd1End = 255;

std::string delayText(int speed, int sum) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.10g", (speed * 8 + 50 + sum / 10.0) / 1000.0);
  return std::string(buf).substr(0, 12);
}

// A BD1 record read: running past the file's end leaves the cave.
struct OutOfFile {};

}  // namespace

int bd1ObjectCode(int object) {
  return object >= 0 && object < 64 ? kBd1Codes[object] : kUnsupported;
}
int effectObjectCode(int object) {
  return object >= 0 && object < 64 ? kEffectCodes[object] : kUnsupported;
}

void writePlckCave(const C64DumpBytes& bytes, std::size_t block, C64Kit kit, int level,
                   DasTextWriter& das) {
  auto at = [&](std::size_t offset) { return static_cast<int>(bytes.at(block + offset, level)); };
  bool magicWall = false, amoeba = false, slime = false;
  int delaySum = 0;
  das.key("boxb", {0, 0, 40, 21});
  for (std::size_t i = 0; i < kPlckRows * kPlckRowBytes; ++i) {
    const int b = at(kPlckCells + i);
    for (const int nibble : {b >> 4, b & 15}) {
      das.line(kPlckNibbleCodes[nibble]);
      magicWall |= nibble == kMagicWallNibble;
      amoeba |= nibble == kAmoebaNibble;
      slime |= nibble == kSlimeNibble;
      delaySum += kPlckNibbleDelay[nibble];
    }
  }
  das.key("cavetype", {at(kPlckCaveType) > 1 ? 1 : at(kPlckCaveType)});
  das.line("delay");
  das.line(delayText(at(kPlckSpeed), delaySum));
  if (at(kPlckTime) != 0) das.key("time", {at(kPlckTime)});
  das.key("need", {at(kPlckNeed)});
  if (at(kPlckScore) != 0) das.key("vor", {at(kPlckScore)});
  if (at(kPlckBonus) != 0) das.key("bonus", {at(kPlckBonus)});
  if (slime) {
    das.key("slimed", {at(kPlckSlime)});
    das.key("slimetype", {1});
  }
  if (amoeba) das.key("amtime", {at(kPlckAmoebaTime) != 0 ? at(kPlckAmoebaTime) : 999});
  if (magicWall) {
    das.key("filtertype", {0});
    das.key("filterzeit", {at(kPlckMagicTime) != 0 ? at(kPlckMagicTime) : 999});
  }
  if (kit == C64Kit::Effect) {
    if (amoeba) das.key("ammax", {at(kEffectAmoebaMax)});
    das.key("effect", {201, effectObjectCode(at(kEffectFirst))});
    das.key("effect", {204, bd1ObjectCode(at(kEffectFirst + 1))});
    das.key("effect", {77, effectObjectCode(at(kEffectFirst + 2))});
    if (at(kEffectFirst + 3) == 34) das.key("effect", {1, 41});
    if (at(kEffectFirst + 4) == 46) das.key("effect", {42, 194});
  }
}

void writeBd1Cave(const C64DumpBytes& bytes, std::size_t base, const C64Cave& cave,
                  DasTextWriter& das, std::vector<std::string>& report) {
  const std::string letter(1, cave.letter);
  das.key("level", {cave.dasNumber});
  das.line("name");
  das.line(cave.name);
  if (cave.intermission) {
    das.key("cavetype", {1});
    das.line("delay");
    das.line(".08");
  } else {
    das.key("cavetype", {0});
  }
  const std::size_t record = base + kBd1RecordBase + bytes.u16le(cave.offset);
  auto at = [&](std::size_t offset) -> int {
    if (!bytes.has(record + offset)) throw OutOfFile{};
    return bytes.at(record + offset);
  };
  auto code = [&](int object) {
    const int c = bd1ObjectCode(object);
    if (c == kUnsupported) report.push_back("(Cave " + letter + " contains unsupported items!)");
    return c;
  };
  try {
    at(0);
    if (at(kBd1RandomThresholds) || at(kBd1RandomThresholds + 1) || at(kBd1RandomThresholds + 2) ||
        at(kBd1RandomThresholds + 3)) {
      das.key("wurf", {at(kBd1Seed)});
      for (std::size_t i = 0; i < 4; ++i) das.line(code(at(kBd1RandomObjects + i)));
      for (std::size_t i = 0; i < 4; ++i) das.line(at(kBd1RandomThresholds + i));
    }
    bool magicWall = false, amoeba = false, slime = false;
    // Every command takes at least its own byte, so the walk ends at the
    // file's end at the latest.
    for (std::size_t p = kBd1Drawing; at(p) != kBd1End;) {
      const int w = at(p);
      const int object = w & 63;
      magicWall |= object == kBd1MagicWall;
      amoeba |= object == kBd1Amoeba1 || object == kBd1Amoeba2;
      slime |= object == kBd1Slime;
      const int c = code(object);
      const int x = at(p + 1), y = at(p + 2) - 2;
      if (w < 64) {
        das.key("set", {c, x, y});
        p += 3;
      } else if (w < 128) {
        das.key("line", {c, x, y, at(p + 3), at(p + 4)});
        p += 5;
      } else if (w < 192) {
        das.key("boxp", {c, x, y, at(p + 3), at(p + 4), code(at(p + 5))});
        p += 6;
      } else {
        das.key("box", {c, x, y, at(p + 3), at(p + 4)});
        p += 5;
      }
    }
    if (magicWall) {
      das.key("filter", {at(kBd1Time1)});
      das.key("filtertype", {3});
    }
    if (amoeba) das.key("amtime", {at(kBd1Time1)});
    if (at(kBd1Score) != 0) das.key("vor", {at(kBd1Score)});
    if (at(kBd1Bonus) != 0) das.key("bonus", {at(kBd1Bonus)});
    if (at(kBd1Need) != 0) das.key("need", {at(kBd1Need)});
    if (at(kBd1Time) != 0) das.key("time", {at(kBd1Time)});
    if (slime) {
      das.key("slimed", {at(kBd1SlimeRate)});
      das.key("slimetype", {1});
    }
  } catch (const OutOfFile&) {
    report.push_back("(Cave " + letter + " is out of filerange!)");
  }
}

std::vector<int> decodeDeluxeCave(const C64DumpBytes& bytes, std::size_t offset, int level) {
  std::vector<int> objects;
  objects.reserve(kC64CaveWidth * kC64CaveHeight);
  for (int i = 0; i < kC64CaveWidth * kC64CaveHeight; ++i) {
    objects.push_back(dasCodeToObject(std::to_string(bytes.at(offset + i, level))));
  }
  return objects;
}

}  // namespace pyrovel
