// Engine signatures of C64 digging games and their cave lists.
#include "import/c64_dump_engine.h"

#include <array>

namespace pyrovel {

namespace {

// A single cave is a program file loaded at $BE00, its block behind the
// two-byte load address.
constexpr std::size_t kKitCaveBlock = 2;
// Bytes at a cave block + 485 that only the Effect kit writes.
constexpr std::size_t kEffectMarkOffset = 485;
constexpr std::array<std::uint8_t, 3> kEffectMark{32, 144, 70};

constexpr std::size_t kPlckCaves = 0x7000;
constexpr std::size_t kPlckNameTable = 0x5E8B;
constexpr std::size_t kPlckNameEntry = 13, kPlckNameChars = 12;
constexpr int kPlckMaxCaves = 48;
constexpr std::uint8_t kPlckCaveType = 25, kPlckIntermissionType = 14;

constexpr std::size_t kBd1Signature = 24378;
constexpr std::array<char, 20> kBd1Letters{'A', 'B', 'C', 'D', 'Q', 'E', 'F', 'G', 'H', 'R',
                                           'I', 'J', 'K', 'L', 'S', 'M', 'N', 'O', 'P', 'T'};
constexpr std::array<std::size_t, 20> kBd1Pointers{
    0x5806, 0x5808, 0x580A, 0x580C, 0x5826, 0x580E, 0x5810, 0x5812, 0x5814, 0x5828,
    0x5816, 0x5818, 0x581A, 0x581C, 0x582A, 0x581E, 0x5820, 0x5822, 0x5824, 0x582C};

C64Kit kitAt(const C64DumpBytes& bytes, std::size_t block, C64EngineMatch& match) {
  for (std::size_t i = 0; i < kEffectMark.size(); ++i) {
    const std::size_t at = block + kEffectMarkOffset + i;
    if (!bytes.has(at) || bytes.at(at) != kEffectMark[i]) {
      match.report.push_back("Found a Kestrin Construction Kit Game.");
      return C64Kit::Kestrin;
    }
  }
  match.report.push_back("Found an Effect Construction Kit Game.");
  return C64Kit::Effect;
}

bool isCaveType(std::uint8_t type) {
  return type == kPlckCaveType || type == kPlckIntermissionType;
}

void listPlckCaves(const C64DumpBytes& bytes, C64EngineMatch& m) {
  const std::size_t table = m.base + kPlckNameTable;
  m.namedCaves = !isCaveType(bytes.at(table + 1));
  if (!m.namedCaves) m.report.push_back("Game has no cave names. Using Cave 1, Cave 2 etc..");
  for (int n = 1;; ++n) {
    const int level = n - 1;
    const std::size_t entry = table + kPlckNameEntry * n;
    const std::uint8_t type =
        m.namedCaves ? bytes.at(entry + kPlckNameChars, level) : bytes.at(table + n, level);
    C64Cave cave;
    cave.intermission = type == kPlckIntermissionType && n > 1;
    cave.dasNumber = cave.intermission ? -n : n;
    if (m.namedCaves) {
      for (std::size_t i = 0; i < kPlckNameChars; ++i) {
        const std::uint8_t c = bytes.at(entry + i, level);
        if (c != 0 && c != ' ') cave.name += static_cast<char>(c);
      }
    } else {
      cave.name = "Cave " + std::to_string(n);
    }
    cave.offset = m.base + kPlckCaves + (n - 1) * kPlckCaveBlockBytes;
    m.caves.push_back(std::move(cave));
    // The first cave of another type still counts and ends the list.
    if (!isCaveType(type) || n >= kPlckMaxCaves) break;
  }
}

}  // namespace

std::string_view c64EngineName(C64Engine engine) {
  switch (engine) {
    case C64Engine::DeluxeKitGame:
      return "Deluxe Construction Kit game";
    case C64Engine::KitCave:
      return "single Construction Kit cave";
    case C64Engine::PlckGame:
      return "PLCK engine game";
    case C64Engine::Bd1Game:
      return "BD1 engine game";
  }
  return "";
}

std::optional<C64EngineMatch> detectC64Engine(const C64DumpBytes& bytes, std::size_t base,
                                              C64InputKind kind, const std::string& caveName) {
  C64EngineMatch m;
  m.base = base;
  if (bytes.tag(kDeluxeCavesOffset) == "8888") {
    m.engine = C64Engine::DeluxeKitGame;
    m.report.push_back("Found an Deluxe Construction Kit Game. Using Pyrovel Import Filter");
    for (int n = 1; n <= kDeluxeCaveCount; ++n) {
      C64Cave cave;
      cave.dasNumber = n;
      cave.name = "Cave " + std::to_string(n);
      cave.offset = kDeluxeCavesOffset + (n - 1) * kDeluxeCaveBytes;
      m.caves.push_back(cave);
    }
    return m;
  }
  if (bytes.tag(base) == std::string("\x00\xBE"
                                     "DD",
                                     4)) {
    m.engine = C64Engine::KitCave;
    m.kit = kitAt(bytes, base + kKitCaveBlock, m);
    C64Cave cave;
    cave.name = kind == C64InputKind::PC64FileImage ? pc64FileImageName(bytes)
                                                    : caveName.substr(0, kPlckNameChars);
    cave.offset = base + kKitCaveBlock;
    m.caves.push_back(cave);
    return m;
  }
  if (bytes.tag(base + kPlckCaves) == "DDDD") {
    m.engine = C64Engine::PlckGame;
    m.kit = kitAt(bytes, base + kPlckCaves, m);
    listPlckCaves(bytes, m);
    return m;
  }
  if (bytes.tag(base + kBd1Signature) == "DDHH") {
    m.engine = C64Engine::Bd1Game;
    m.report.push_back("Found a BD1-Engine Game.");
    for (int n = 1; n <= 20; ++n) {
      C64Cave cave;
      cave.intermission = n % 5 == 0;
      cave.dasNumber = cave.intermission ? -n : n;
      cave.letter = kBd1Letters[n - 1];
      cave.name = std::string(" Cave ") + cave.letter;
      cave.offset = base + kBd1Pointers[n - 1];
      m.caves.push_back(cave);
    }
    return m;
  }
  return std::nullopt;
}

}  // namespace pyrovel
