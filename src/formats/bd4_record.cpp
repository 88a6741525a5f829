#include "formats/bd4_record.h"

#include <algorithm>

#include "formats/em_codes.h"

namespace pyrovel {

void makeLevelFit(Levelmap& map, int slot, int layer) {
  const LevelHeader& h = map.header(slot);
  const int width = h.width(), height = h.height();
  // One column and one row beyond the map are walled too; they lie in the grid.
  if (width < kEmMapWidth) {
    for (int x = width; x <= kEmMapWidth; ++x) {
      for (int y = 0; y < kEmMapHeight; ++y) map.cell(layer, slot, x, y) = obj::SolidWall;
    }
  }
  if (height < kEmMapHeight) {
    for (int x = 0; x < kEmMapWidth; ++x) {
      for (int y = height; y <= kEmMapHeight; ++y) map.cell(layer, slot, x, y) = obj::SolidWall;
    }
  }
}

std::optional<std::string> cutToEmMapNote(const Levelmap& map, int slot, std::string_view format) {
  const LevelHeader& h = map.header(slot);
  if (h.width() <= kEmMapWidth && h.height() <= kEmMapHeight) return std::nullopt;
  const std::string size = std::to_string(kEmMapWidth) + " x " + std::to_string(kEmMapHeight);
  return "Level " + std::to_string(Levelmap::levelNumber(slot)) + " is " +
         std::to_string(h.width()) + " x " + std::to_string(h.height()) + " cells; " +
         std::string(format) + " holds " + size + ": the file has its top-left " + size + ".";
}

std::optional<std::string> playerStartNote(const Levelmap& map, int slot, int layer) {
  const LevelHeader& h = map.header(slot);
  const int x = h.playerX(), y = h.playerY();
  if (map.isEmptyLevel(slot)) return std::nullopt;
  if (x < kEmMapWidth && y < kEmMapHeight && map.cell(layer, slot, x, y) == obj::LittleFellow) {
    return std::nullopt;
  }
  return "Level " + std::to_string(Levelmap::levelNumber(slot)) + ": the player is not at (" +
         std::to_string(x) + ", " + std::to_string(y) + "), where the file starts the player.";
}

std::optional<std::string> lostObjectsNote(const Levelmap& map, int slot, int layer) {
  const LevelHeader& h = map.header(slot);
  const int w = std::min(h.width(), kEmMapWidth), hh = std::min(h.height(), kEmMapHeight);
  int lost = 0;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < hh; ++y) {
      const int object = map.cell(layer, slot, x, y);
      const bool start = object == obj::LittleFellow && x == h.playerX() && y == h.playerY();
      if (start || object == obj::Fellow2) continue;
      lost += emCodeToObject(emExportCode(object)) != object;
    }
  }
  if (lost == 0) return std::nullopt;
  return "Level " + std::to_string(Levelmap::levelNumber(slot)) + ": " + std::to_string(lost) +
         " cells of objects without an Emerald Mine code are written as other objects.";
}

Bd4Record writeBd4Record(Levelmap& map, int slot, int layer) {
  makeLevelFit(map, slot, layer);
  const LevelHeader& h = map.header(slot);
  Bd4Record record{};
  encodeEmMap(map, slot, layer, record);
  // The last two map bytes read "tt".
  record[2046] = 't';
  record[2047] = 't';
  for (int p = 0; p < 4; ++p) {
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) record[bd4YamOffset(p, r, c)] = emYamCode(h.yam(p, c, r));
    }
  }
  encodeEmCommonHeader(h, record);
  record[emrec::oLevelTimeV4] = static_cast<std::uint8_t>(h.levelTime());
  // Bytes 2098..2100 (second player and a spare byte) stay 0.
  putU16be(&record[emrec::oWheelV4], static_cast<std::uint16_t>(h.wheelTime()));
  return record;
}

EmStarts readBd4Header(std::span<const std::uint8_t> record, LevelHeader& h, bool setDiamondsHigh) {
  for (int p = 0; p < 4; ++p) {
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) h.setYam(p, c, r, emYamToObject(record[bd4YamOffset(p, r, c)]));
    }
  }
  EmStarts starts = decodeEmCommonHeader(record, h);
  if (setDiamondsHigh) h.setDiamondsNeededHigh(0);
  h.setLevelTime(record[emrec::oLevelTimeV4]);
  h.setWheelTime(getU16be(&record[emrec::oWheelV4]));
  return starts;
}

}  // namespace pyrovel
