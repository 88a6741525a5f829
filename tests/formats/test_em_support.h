#pragma once
// Shared by the BD4 and Emerald Mine tests: records built byte by byte from
// the layout, and a small level with every record field set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "model/editor_session.h"

namespace pyrovel::testing {

using RecordBytes = std::vector<std::uint8_t>;

// A record of `size` bytes whose 64 x 32 map is all `fill`; a V6-sized
// record carries the V6 version mark.
inline RecordBytes emRecord(std::size_t size, std::uint8_t fill) {
  RecordBytes r(size, 0);
  for (std::size_t i = 0; i < 2048; ++i) r[i] = fill;
  if (size >= 2172) {
    const std::uint8_t mark[] = {0xFF, '6', '0', '0'};
    std::copy(std::begin(mark), std::end(mark), r.begin() + 2106);
  }
  return r;
}

// Encrypts a plain V4 record the way the original games stored it: plus
// 0x11, then xor a key that starts at 0x65 and rises by 7 per byte.
inline RecordBytes encryptEmOriginal(RecordBytes plain) {
  std::uint8_t key = 0x65;
  for (std::uint8_t& b : plain) {
    b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(b + 0x11) ^ key);
    key = static_cast<std::uint8_t>(key + 7);
  }
  return plain;
}
inline void putCell(RecordBytes& r, int x, int y, std::uint8_t code, std::size_t base = 0) {
  r[base + static_cast<std::size_t>(64 * y + x)] = code;
}
inline void putBe16(RecordBytes& r, std::size_t off, int v) {
  r[off] = static_cast<std::uint8_t>(v >> 8);
  r[off + 1] = static_cast<std::uint8_t>(v);
}
inline int be16(const RecordBytes& r, std::size_t off) {
  return (r[off] << 8) | r[off + 1];
}

// Slot `slot` becomes a cleared 20 x 10 level (player at (1, 1)) with a
// diamond at (3, 4), an emerald at (18, 8), distinct scores and times, and
// some yam cells.
inline void makeSmallLevel(Levelmap& map, int slot, int layer = kGameLayer) {
  LevelHeader& h = map.header(slot);
  h.setWidth(20);
  h.setHeight(10);
  map.clearLayer(layer, slot);
  map.cell(layer, slot, 3, 4) = 4;
  map.cell(layer, slot, 18, 8) = 13;
  h.setEmeraldScore(11);
  h.setDiamondScore(12);
  h.setRobotScore(13);
  h.setShipScore(14);
  h.setBugScore(15);
  h.setYamScore(16);
  h.setNutScore(17);
  h.setDynamiteScore(18);
  h.setKeyScore(19);
  h.setTimeScore(20);
  h.setLevelTime(150);
  h.setDiamondsToCollect(300);  // low byte 44, high byte 1
  h.setAmoebaGrowth(0x1234);
  h.setMagicTime(0x0102);
  h.setWheelTime(0x0304);
  h.setPlayerX(1);
  h.setPlayerY(1);
  h.setYam(0, 0, 0, 4);  // pattern 0, column 0, row 0: Diamond
  h.setYam(1, 2, 0, 3);  // pattern 1, column 2, row 0: Rock
  h.setYam(3, 1, 2, 9);  // pattern 3, column 1, row 2: Bomb
}

// The header bytes both record versions share, as makeSmallLevel sets them:
// scores 11..20 from 2084, diamonds 300 (low byte 44), player word 65 high
// byte first, no second player, amoeba 0x1234 (low byte), magic 0x0102.
inline void expectSmallLevelHeaderBytes(const RecordBytes& r) {
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r[2084 + i], 11 + i) << i;
  EXPECT_EQ(r[2095], 44);
  EXPECT_EQ(be16(r, 2096), 65);
  EXPECT_EQ(r[2098], 0);
  EXPECT_EQ(r[2099], 0);
  EXPECT_EQ(r[2100], 0);
  EXPECT_EQ(r[2101], 0x34);
  EXPECT_EQ(be16(r, 2102), 0x0102);
}

}  // namespace pyrovel::testing
