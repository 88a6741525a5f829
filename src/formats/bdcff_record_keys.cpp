#include "formats/bdcff_record_keys.h"

#include <algorithm>
#include <cmath>

#include "formats/bdcff_cave_reader.h"
#include "formats/bdcff_das_text.h"

namespace pyrovel {

namespace {

constexpr std::array<std::string_view, kBdcffRecordKeys.size()> kNames{
    "Name",
    "DiamondsRequired",
    "CaveTime",
    "MagicWallTime",
    "DiamondValue",
    "AmoebaTime",
    "AmoebaThreshold",
    "SlimePermeabilityC64",
    "SlimePermeability",
    "Intermission",
    "Author",
};

std::string_view nameOf(BdcffRecordKey key) {
  return kNames[static_cast<std::size_t>(key)];
}

// The record's value as the writer writes it.
std::string valueText(const LevelHeader& h, BdcffRecordKey key) {
  switch (key) {
    case BdcffRecordKey::Name:
      return h.title();
    case BdcffRecordKey::Author:
      return h.author();
    case BdcffRecordKey::DiamondsRequired:
      return std::to_string(h.diamondsNeeded());
    case BdcffRecordKey::CaveTime:
      return std::to_string(h.levelTime());
    case BdcffRecordKey::MagicWallTime:
      return std::to_string(h.magicTime());
    case BdcffRecordKey::DiamondValue:
      return std::to_string(h.emeraldScore()) + " " + std::to_string(h.diamondScore());
    case BdcffRecordKey::AmoebaTime:
      return std::to_string(h.amoebaBrake());
    case BdcffRecordKey::AmoebaThreshold: {
      // Whole percent as a ratio of the cave's cells.
      const int percent = std::clamp(h.maxAmoeba(), 0, 100);
      return std::to_string(percent / 100) + "." + std::to_string(100 + percent % 100).substr(1);
    }
    case BdcffRecordKey::SlimePermeabilityC64:
    case BdcffRecordKey::SlimePermeability:
      return std::to_string(h.slimePermeability());
    case BdcffRecordKey::Intermission:
      return h.intermission() != 0 ? "true" : "false";
  }
  return {};
}

// True when the record holds what `value` gives its field, read the way the
// cave reader reads it.
bool holds(const LevelHeader& h, BdcffRecordKey key, std::string_view value, int diamonds) {
  if (key == BdcffRecordKey::Name || key == BdcffRecordKey::Author) {
    // What the record's field keeps of the text.
    LevelHeader held;
    if (key == BdcffRecordKey::Name) {
      held.setTitle(value.substr(0, 1000));
      return held.title() == h.title();
    }
    held.setAuthor(trimLine(value).substr(0, 1000));
    return held.author() == h.author();
  }
  const Words w = splitWords(value);
  if (key == BdcffRecordKey::Intermission)
    return bdcff_read::isTrue(value) == (h.intermission() != 0);
  if (w.empty()) return false;
  const int v = w.number(0).value;
  switch (key) {
    case BdcffRecordKey::DiamondsRequired:
      // A negative value: all diamonds of the cave but that many.
      return (v >= 0 ? v & 0xFFFF : std::max(0, diamonds + v)) == h.diamondsNeeded();
    case BdcffRecordKey::CaveTime:
      return (v & 0xFF) == h.levelTime();
    case BdcffRecordKey::MagicWallTime:
      return (v & 0xFFFF) == h.magicTime();
    case BdcffRecordKey::DiamondValue:
      return (v & 0xFF) == h.emeraldScore() &&
             (w.size() < 2 || (w.number(1).value & 0xFF) == h.diamondScore());
    case BdcffRecordKey::AmoebaTime:
      return (v & 0xFF) == h.amoebaBrake();
    case BdcffRecordKey::AmoebaThreshold: {
      const auto ratio = bdcff_read::realNumber(w[0]);
      return ratio && *ratio >= 0 && bdcffAmoebaPercent(*ratio) == h.maxAmoeba();
    }
    case BdcffRecordKey::SlimePermeabilityC64:
      return (v & 0xFF) == h.slimePermeability();
    case BdcffRecordKey::SlimePermeability: {
      const auto chance = bdcff_read::realNumber(w[0]);
      return chance && *chance >= 0 && *chance <= 1 &&
             bdcffSlimeFromProbability(*chance) == h.slimePermeability();
    }
    case BdcffRecordKey::Intermission:
    case BdcffRecordKey::Name:
    case BdcffRecordKey::Author:
      break;
  }
  return false;
}

}  // namespace

std::optional<BdcffRecordKey> bdcffRecordKeyOf(std::string_view name) {
  const auto it = std::find(kNames.begin(), kNames.end(), name);
  if (it == kNames.end()) return std::nullopt;
  return kBdcffRecordKeys[static_cast<std::size_t>(it - kNames.begin())];
}

std::optional<BdcffRecordKey> bdcffRecordKeyOfLine(std::string_view line) {
  const auto [name, value] = bdcff_read::keyValue(trimLine(line));
  return name.empty() ? std::nullopt : bdcffRecordKeyOf(name);
}

std::optional<std::string> bdcffRecordLine(const LevelHeader& h, BdcffRecordKey key) {
  bool written = true;
  switch (key) {
    case BdcffRecordKey::Name:
    case BdcffRecordKey::DiamondsRequired:
    case BdcffRecordKey::CaveTime:
    case BdcffRecordKey::MagicWallTime:
      break;
    case BdcffRecordKey::DiamondValue:
      written = h.emeraldScore() != 0 || h.diamondScore() != 0;
      break;
    case BdcffRecordKey::AmoebaTime:
      written = h.amoebaBrake() != 0;
      break;
    case BdcffRecordKey::AmoebaThreshold:
      written = h.maxAmoeba() != 0;
      break;
    case BdcffRecordKey::SlimePermeabilityC64:
      written = h.slimePermeability() != 0;
      break;
    case BdcffRecordKey::SlimePermeability:
      written = false;
      break;
    case BdcffRecordKey::Intermission:
      written = h.intermission() != 0;
      break;
    case BdcffRecordKey::Author:
      written = !h.author().empty();
      break;
  }
  if (!written) return std::nullopt;
  return std::string(nameOf(key)) + "=" + valueText(h, key);
}

std::string bdcffKeptRecordLine(const LevelHeader& h, std::string_view kept, int diamonds) {
  const auto [name, value] = bdcff_read::keyValue(trimLine(kept));
  const std::optional<BdcffRecordKey> key = bdcffRecordKeyOf(name);
  if (!key || holds(h, *key, value, diamonds)) return std::string(kept);
  // A probability cannot be followed by C64 values: the key changes with it.
  if (*key == BdcffRecordKey::SlimePermeability) {
    return "SlimePermeabilityC64=" + valueText(h, *key);
  }
  std::string line = std::string(nameOf(*key)) + "=" + valueText(h, *key);
  const Words w = splitWords(value);
  const std::size_t taken = *key == BdcffRecordKey::DiamondValue ? 2 : 1;
  if (*key != BdcffRecordKey::Intermission && *key != BdcffRecordKey::Name &&
      *key != BdcffRecordKey::Author) {
    for (std::size_t i = taken; i < w.size(); ++i) line += " " + std::string(w[i]);
  }
  return line;
}

int bdcffAmoebaPercent(double ratio) {
  ratio = std::min(ratio, 1.0);
  int percent = static_cast<int>(std::lround(ratio * 100));
  if (percent == 0 && ratio > 0) percent = 1;
  return percent;
}

int bdcffSlimeFromProbability(double chance) {
  // The C64 engine lets slime through when (random & value) is 0: a value
  // of k low bits set passes one time in 2^k.
  const int bits =
      chance <= 0 ? 8 : std::clamp(static_cast<int>(std::lround(-std::log2(chance))), 0, 8);
  return (1 << bits) - 1;
}

}  // namespace pyrovel
