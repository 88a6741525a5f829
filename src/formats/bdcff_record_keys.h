#pragma once
// The keys of a BDCFF cave that the level record holds: how the writer
// writes them, and the line written for one the reader kept because the
// file said more than the record holds (a value per difficulty level, a
// ratio the record rounds, a key of another spelling, a name longer than
// the record's field).
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/level_header.h"

namespace pyrovel {

enum class BdcffRecordKey {
  Name,
  DiamondsRequired,
  CaveTime,
  MagicWallTime,
  DiamondValue,
  AmoebaTime,
  AmoebaThreshold,
  SlimePermeabilityC64,
  SlimePermeability,  // a probability; written back as SlimePermeabilityC64
  Intermission,
  Author,  // written by the writer only where it is not the game's
};

// In the order the writer writes them.
inline constexpr std::array kBdcffRecordKeys{
    BdcffRecordKey::Name,
    BdcffRecordKey::DiamondsRequired,
    BdcffRecordKey::CaveTime,
    BdcffRecordKey::MagicWallTime,
    BdcffRecordKey::DiamondValue,
    BdcffRecordKey::AmoebaTime,
    BdcffRecordKey::AmoebaThreshold,
    BdcffRecordKey::SlimePermeabilityC64,
    BdcffRecordKey::SlimePermeability,
    BdcffRecordKey::Intermission,
    BdcffRecordKey::Author,
};

std::optional<BdcffRecordKey> bdcffRecordKeyOf(std::string_view name);
// The record key a kept "Key=value" line is of, if it is one.
std::optional<BdcffRecordKey> bdcffRecordKeyOfLine(std::string_view line);

// The line the writer writes for `key` from the record; none for a key
// written only when the record holds something for it (BDCFF's defaults
// are zero, false or empty), and none for SlimePermeability.
std::optional<std::string> bdcffRecordLine(const LevelHeader& h, BdcffRecordKey key);

// The line written for a kept line of a record key: the kept line itself
// while the record holds what its first value gives, else the record's
// value followed by the kept line's values for the other difficulty levels.
// `diamonds` is the number of diamonds in the cave (a negative
// DiamondsRequired counts from it).
std::string bdcffKeptRecordLine(const LevelHeader& h, std::string_view kept, int diamonds);

// The conversions of the two keys the record holds in another unit.
int bdcffAmoebaPercent(double ratio);          // AmoebaThreshold -> Max Amoeba %
int bdcffSlimeFromProbability(double chance);  // SlimePermeability -> the C64 value

}  // namespace pyrovel
