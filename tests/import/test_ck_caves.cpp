// Construction Kit caves (plain and named) and Atari caves, laid out byte
// by byte.
#include <gtest/gtest.h>

#include "import/atari_cave_import.h"
#include "import/ck_cave_import.h"
#include "import/import_test_support.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A plain cave of `size` bytes: Dirt everywhere (nibble 7), a Solid Wall
// and Amoeba pair at columns 6 and 7 of the first stored row, the player in
// the second stored row, and the fields at their plain offsets.
Bytes plainCave(std::size_t size = 498) {
  Bytes b(size, 0);
  b[0] = 0x34;
  b[1] = 0x12;  // "Unknown1" 0x1234
  for (std::size_t i = 2; i < 442; ++i) b[i] = 0x77;
  b[2 + 3] = 0x4A;       // stored row 0, byte 3: 6 and 11
  b[2 + 20 + 0] = 0xE7;  // stored row 1, byte 0: player, dirt
  b[444] = 150;          // level time
  b[446] = 12;           // diamonds needed
  b[448] = 10;           // diamond value
  b[452] = 5;            // slime
  b[454] = 7;            // amoeba brake
  b[456] = 20;           // magic wall time
  for (int n = 0; n < 12; ++n) b[458 + n] = static_cast<std::uint8_t>(100 + n);
  for (int n = 0; n < 10; ++n) b[480 + n] = static_cast<std::uint8_t>(200 + n);
  return b;
}

// The named variant: exactly 504 bytes, the name at 4..14, the map at 16.
Bytes namedCave() {
  Bytes b(504, 0);
  const std::string name = "FIRST CAVE!";
  std::copy(name.begin(), name.end(), b.begin() + 4);
  for (std::size_t i = 16; i < 456; ++i) b[i] = 0xFF;  // Empty Space
  b[16 + 20 * 21 + 19] = 0x8E;                         // stored row 21: firefly, player
  b[458] = 99;
  b[460] = 30;
  b[462] = 5;
  b[466] = 1;
  b[468] = 2;
  b[470] = 3;
  return b;
}

using CkCaves = testing::ImportFixture;

TEST_F(CkCaves, PlainCaveFillsFieldsCellsAndStepsOn) {
  at(5);
  header(5).setDiamondsNeededHigh(2);
  const std::string path = file("cave1.cav", plainCave());
  EXPECT_TRUE(importCkCave(session, path));

  const LevelHeader& h = header(5);
  EXPECT_EQ(h.width(), 40);
  EXPECT_EQ(h.height(), 22);
  EXPECT_EQ(h.levelTime(), 150);
  EXPECT_EQ(h.diamondsToCollect(), 12);  // no high byte left over from before
  EXPECT_EQ(h.diamondScore(), 10);
  EXPECT_EQ(h.slimePermeability(), 5);
  EXPECT_EQ(h.amoebaBrake(), 7);
  EXPECT_EQ(h.magicTime(), 20);
  EXPECT_EQ(h.hatchTime(), 24);
  EXPECT_EQ(h.maxAmoeba(), 22);
  EXPECT_EQ(h.amoebaGrowth(), 24);
  EXPECT_EQ(h.convertTrappedAmoeba(), 255);
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(h.title(), "cave1.cav");

  // The first stored row is the bottom row; the second is row 0.
  EXPECT_EQ(cell(5, 6, 21), 6);
  EXPECT_EQ(cell(5, 7, 21), 11);
  EXPECT_EQ(cell(5, 0, 0), 2);
  EXPECT_EQ(cell(5, 1, 0), 1);
  EXPECT_EQ(cell(5, 39, 20), 1);
  EXPECT_EQ(h.playerX(), 0);
  EXPECT_EQ(h.playerY(), 0);

  EXPECT_EQ(session.map.currentLevel, 6);
  EXPECT_TRUE(session.map.modified);
  EXPECT_EQ(session.readerNote.rfind("Imported with Boulderdash Construction Kit importfilter", 0),
            0u);
}

TEST_F(CkCaves, NamedCaveTakesItsTitleAndOffsets) {
  at(1);
  importCkCave(session, file("whatever.cav", namedCave()));
  const LevelHeader& h = header(1);
  EXPECT_EQ(h.title(), "FIRST CAVE!");
  EXPECT_EQ(h.levelTime(), 99);
  EXPECT_EQ(h.diamondsNeeded(), 30);
  EXPECT_EQ(h.diamondScore(), 5);
  EXPECT_EQ(h.slimePermeability(), 1);
  EXPECT_EQ(h.amoebaBrake(), 2);
  EXPECT_EQ(h.magicTime(), 3);
  EXPECT_EQ(cell(1, 38, 20), 229);
  EXPECT_EQ(cell(1, 39, 20), 2);
  EXPECT_EQ(cell(1, 0, 0), 0);
  EXPECT_EQ(h.playerX(), 39);
  EXPECT_EQ(h.playerY(), 20);
}

TEST_F(CkCaves, ShortFileChangesNothingAndSaysSo) {
  at(3);
  session.map.cell(kGameLayer, 3, 0, 0) = 13;
  header(3).setWidth(10);
  EXPECT_FALSE(importCkCave(session, file("short.cav", plainCave(497))));
  EXPECT_EQ(session.map.currentLevel, 3);
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(cell(3, 0, 0), 13);
  EXPECT_EQ(header(3).width(), 10);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("497 bytes"), std::string::npos);
}

TEST_F(CkCaves, IntermissionFollowsTheExtensionInAnyCase) {
  at(1);
  importCkCave(session, file("small.Int", plainCave(500)));
  EXPECT_EQ(header(1).intermission(), 255);
  importCkCave(session, file("small.int.cav", plainCave()));
  EXPECT_EQ(header(2).intermission(), 0);
  // The browsers say what the extracted file was.
  CavImportOptions extracted;
  extracted.title = "BOULDER1.INT";
  extracted.intermission = true;
  importCavLevelBytes(session, plainCave(), "test.cav", extracted);
  EXPECT_EQ(header(3).intermission(), 255);
  EXPECT_EQ(header(3).title(), "BOULDER1.INT");
}

TEST_F(CkCaves, UnknownBytesReachTheDevelopmentView) {
  CavUnknownBytes seen;
  int calls = 0;
  CavImportOptions options;
  options.showUnknownBytes = [&](const CavUnknownBytes& u) {
    seen = u;
    ++calls;
  };
  at(1);
  importCkCave(session, file("a.cav", plainCave()), options);
  importCkCave(session, file("b.cav", namedCave()), options);  // named: nothing to show
  ASSERT_EQ(calls, 1);

  const auto all = cavUnknownByteLines(seen);
  ASSERT_EQ(all.size(), 23u);
  EXPECT_EQ(all[0], "Unknown1: 4660");
  EXPECT_EQ(all[1], "Unknown2.1: 100");
  EXPECT_EQ(all[12], "Unknown2.12: 111");
  EXPECT_EQ(all[13], "Unknown3.1: 200");
  EXPECT_EQ(all[22], "Unknown3.10: 209");
  EXPECT_EQ(cavUnknownByteLines(seen, "UNKNOWN3.2"), std::vector<std::string>{"Unknown3.2: 201"});
  EXPECT_TRUE(cavUnknownByteLines(seen, "unknown4").empty());
}

TEST_F(CkCaves, LastLevelIsFilledWithoutSteppingOn) {
  at(100);
  importCkCave(session, file("last.cav", plainCave()));
  EXPECT_EQ(session.map.currentLevel, 100);
  EXPECT_EQ(header(100).width(), 40);
}

// Atari caves: the same map from byte 12.
Bytes atariCave(std::size_t size = 452) {
  Bytes b(size, 0x77);
  b[12 + 1] = 0x2E;   // stored row 0 (bottom row), byte 1: magic wall, player
  b[12 + 20] = 0x5F;  // stored row 1 (row 0), byte 0: expanding wall, space
  return b;
}

TEST_F(CkCaves, AtariCaveDecodesTheMapAndSizesTheLevel) {
  at(2);
  header(2).setTitle("kept");
  importAtariLevel(session, file("a.cav", atariCave()));
  EXPECT_EQ(cell(2, 2, 21), 16);
  EXPECT_EQ(cell(2, 3, 21), 2);
  EXPECT_EQ(cell(2, 0, 0), 155);
  EXPECT_EQ(cell(2, 1, 0), 0);
  EXPECT_EQ(cell(2, 39, 1), 1);
  EXPECT_EQ(header(2).playerX(), 3);
  EXPECT_EQ(header(2).playerY(), 21);
  EXPECT_EQ(header(2).width(), 40);
  EXPECT_EQ(header(2).height(), 22);
  EXPECT_EQ(header(2).title(), "kept");
  EXPECT_EQ(session.map.currentLevel, 3);
}

TEST_F(CkCaves, ShortAtariCaveIsRefusedBeforeAnyChange) {
  at(2);
  session.map.cell(kGameLayer, 2, 0, 0) = 13;
  try {
    importAtariLevel(session, file("cut.cav", atariCave(451)));
    FAIL() << "a cut cave was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 1);
    EXPECT_EQ(e.offset(), 12u);
    EXPECT_NE(e.file().find("cut.cav"), std::string::npos);
  }
  EXPECT_EQ(cell(2, 0, 0), 13);
  EXPECT_EQ(session.map.currentLevel, 2);
  EXPECT_FALSE(session.map.modified);
  EXPECT_THROW(importAtariLevel(session, file("tiny.cav", Bytes(5, 0))), LevelError);
}

}  // namespace
}  // namespace pyrovel
