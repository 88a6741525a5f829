#include "formats/em_v6_record.h"

#include <algorithm>

#include "formats/bd4_record.h"

namespace pyrovel {

namespace {
// The well's direction byte 1..8 names the pattern cell (row, column) that
// receives the object the well gives out.
struct WellCell {
  int row, column;
};
constexpr std::array<WellCell, 8> kWellDirections{{
    {2, 2},
    {1, 2},
    {0, 2},
    {0, 1},
    {0, 0},
    {1, 0},
    {2, 0},
    {2, 1},
}};

int objectOfEmCode(std::uint8_t code) {
  return emResolvedObject(emCodeToObject(code));
}
}  // namespace

namespace {
constexpr std::array<std::uint8_t, 4> kVersionMark{0xFF, '6', '0', '0'};
}  // namespace

EmV6Record writeEmV6Record(Levelmap& map, int slot, int layer) {
  makeLevelFit(map, slot, layer);
  const LevelHeader& h = map.header(slot);
  EmV6Record record{};
  encodeEmMap(map, slot, layer, record);
  for (int p = 0; p < 8; ++p) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) record[emV6YamOffset(p, r, c)] = emExportCode(h.yam(p, c, r));
    }
  }
  encodeEmCommonHeader(h, record);
  std::copy(kVersionMark.begin(), kVersionMark.end(), record.begin() + emv6::oVersionMark);
  putU16be(&record[emv6::oLevelTime],
           static_cast<std::uint16_t>(h.levelTime() * emv6::kSecondsPerTimeUnit));
  return record;
}

EmStarts readEmV6Header(std::span<const std::uint8_t> record, LevelHeader& h) {
  for (int p = 0; p < 8; ++p) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) h.setYam(p, c, r, objectOfEmCode(record[emV6YamOffset(p, r, c)]));
    }
  }
  const EmStarts starts = decodeEmCommonHeader(record, h);
  const int seconds = getU16be(&record[emv6::oLevelTime]);
  h.setLevelTime(std::min(255, seconds / emv6::kSecondsPerTimeUnit));

  h.setWellDelay(getU16be(&record[emv6::oWellDelay]));
  h.setWellActive(record[emv6::oWellActive] != 0 ? 1 : 0);
  const int direction = record[emv6::oWellDirection];
  if (direction >= 1 && direction <= 8) {
    const WellCell cell = kWellDirections[static_cast<std::size_t>(direction - 1)];
    h.setWell(cell.column, cell.row, objectOfEmCode(record[emv6::oWellObject]));
  }
  return starts;
}

}  // namespace pyrovel
