// Rocks & Diamonds levels: header fields at their file offsets, the map
// inside its Solid Wall frame, the memo lines, and files that go wrong.
#include <gtest/gtest.h>

#include "import/import_test_support.h"
#include "import/rnd_level_import.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RndLevel {
  Bytes b;
  int w, h;
  RndLevel(int width, int height)
      : b(150 + static_cast<std::size_t>(width * height), 0), w(width), h(height) {
    b[38] = static_cast<std::uint8_t>(width);
    b[39] = static_cast<std::uint8_t>(height);
    std::fill(b.begin() + 150, b.end(), 1);  // Dirt
  }
  void be16(std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v >> 8);
    b[at + 1] = static_cast<std::uint8_t>(v);
  }
  std::uint8_t& cell(int i, int j) { return b[150 + static_cast<std::size_t>(j * w + i)]; }
};

using RndImport = testing::ImportFixture;

TEST_F(RndImport, HeaderAndMapInsideAFrame) {
  RndLevel l(10, 5);
  l.be16(40, 1500);
  l.be16(42, 300);
  const std::string name = "Lava Lake";
  std::copy(name.begin(), name.end(), l.b.begin() + 44);
  for (int i = 0; i < 11; ++i)
    l.b[76 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(20 + i);
  l.b[92 + 5] = 4;   // pattern 0, code 5: row 2, column 1, rock
  l.b[92 + 27] = 6;  // pattern 3, code 0: diamond
  l.b[128] = 10;
  l.b[129] = 20;
  l.b[130] = 30;
  l.cell(0, 0) = 8;    // the player
  l.cell(2, 0) = 255;  // unsupported
  l.cell(3, 0) = 27;   // biomaze
  l.cell(4, 0) = 51;   // trapped amoeba
  l.cell(9, 4) = 13;   // steel
  at(6);
  header(6).setIntermission(255);
  importRndLevel(session, file("lava.lvl", l.b));

  const LevelHeader& h = header(6);
  EXPECT_EQ(h.width(), 12);
  EXPECT_EQ(h.height(), 7);
  EXPECT_EQ(h.levelTime(), 150);
  EXPECT_EQ(h.diamondsToCollect(), 300);
  EXPECT_EQ(h.title(), "Lava Lake");  // the zero bytes after the name are not part of it
  EXPECT_EQ(h.emeraldScore(), 20);
  EXPECT_EQ(h.diamondScore(), 21);
  EXPECT_EQ(h.bugScore(), 22);
  EXPECT_EQ(h.shipScore(), 23);
  EXPECT_EQ(h.yamScore(), 24);
  EXPECT_EQ(h.robotScore(), 25);
  EXPECT_EQ(h.nutScore(), 27);
  EXPECT_EQ(h.dynamiteScore(), 28);
  EXPECT_EQ(h.keyScore(), 29);
  EXPECT_EQ(h.timeScore(), 30);
  EXPECT_EQ(h.yam(0, 1, 2), 3);
  EXPECT_EQ(h.yam(3, 0, 0), 4);
  EXPECT_EQ(h.yam(1, 1, 1), 0);
  EXPECT_EQ(h.amoebaGrowth(), 10);
  EXPECT_EQ(h.magicTime(), 20);
  EXPECT_EQ(h.wheelTime(), 30);
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(h.convertTrappedAmoeba(), 255);

  EXPECT_EQ(cell(6, 1, 1), 2);
  EXPECT_EQ(h.playerX(), 1);
  EXPECT_EQ(h.playerY(), 1);
  EXPECT_EQ(cell(6, 3, 1), 15);
  EXPECT_EQ(cell(6, 4, 1), 0);
  EXPECT_EQ(cell(6, 5, 1), 11);
  EXPECT_EQ(cell(6, 10, 5), 6);
  EXPECT_EQ(cell(6, 2, 1), 1);
  for (int x = 0; x < 12; ++x) {
    EXPECT_EQ(cell(6, x, 0), 6);
    EXPECT_EQ(cell(6, x, 6), 6);
  }
  for (int y = 0; y < 7; ++y) {
    EXPECT_EQ(cell(6, 0, y), 6);
    EXPECT_EQ(cell(6, 11, y), 6);
  }
  EXPECT_EQ(session.messages, (std::vector<std::string>{"Unsupported at level 5:3,1 :255",
                                                        "Biomaze used at level 5:4,1 :27"}));
  EXPECT_EQ(session.map.currentLevel, 7);
}

TEST_F(RndImport, LongTimesHoldAtTheLargestByte) {
  RndLevel l(3, 3);
  l.be16(40, 9999);
  at(1);
  importRndLevel(session, file("long.lvl", l.b));
  EXPECT_EQ(header(1).levelTime(), 255);
}

TEST_F(RndImport, MapsWiderThanALevelWithItsFrameAreRefused) {
  at(1);
  RndLevel fits(126, 2);
  importRndLevel(session, file("fits.lvl", fits.b));
  EXPECT_EQ(header(1).width(), 128);
  EXPECT_EQ(cell(1, 127, 3), 6);

  RndLevel tall(3, 127);
  at(2);
  header(2).setWidth(30);
  try {
    importRndLevel(session, file("tall.lvl", tall.b));
    FAIL() << "a 127-row map was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 39u);
  }
  EXPECT_EQ(session.map.currentLevel, 2);
  EXPECT_EQ(header(2).width(), 30);
}

TEST_F(RndImport, CutFilesEndWithAnErrorKeepingWhatWasRead) {
  at(1);
  EXPECT_THROW(importRndLevel(session, file("head.lvl", Bytes(149, 0))), LevelError);
  EXPECT_FALSE(session.map.modified);

  RndLevel l(4, 4);
  l.cell(1, 0) = 255;
  l.b.resize(150 + 6);
  try {
    importRndLevel(session, file("cut.lvl", l.b));
    FAIL() << "a cut map was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 156u);
    EXPECT_EQ(e.level(), 0);
  }
  EXPECT_EQ(cell(1, 2, 2), 1);  // the cells read stay
  EXPECT_EQ(session.messages, std::vector<std::string>{"Unsupported at level 0:2,1 :255"});
  EXPECT_EQ(session.map.currentLevel, 1);
}

}  // namespace
}  // namespace pyrovel
