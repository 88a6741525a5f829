// The import filter list, consecutive imports through it, BoulderRush caves
// and the Mikeysoft descrambling.
#include <gtest/gtest.h>

#include "import/boulderrush_cave_import.h"
#include "import/import_filters.h"
#include "import/import_test_support.h"
#include "import/mikeysoft_level.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ImportFilters, TheDialogsFilterTextAndLookups) {
  EXPECT_EQ(importFilterText(),
            "Pyrovel level|*.lev|Boulderoid levels|*.map|Boulderdash Construction Kit "
            "levels|*.cav;*.int|Atari|*.cav|Diamond Caves 2|*.*|BoulderRush|*.cav|Rocks & "
            "Diamonds|*.lvl;*.level|Emerald Mine Level|*.*|Mikeysoft Boulder level|*.bou|Supaplex "
            "level|*.sp");
  ASSERT_EQ(importFilters().size(), 10u);
  for (std::size_t i = 0; i < importFilters().size(); ++i) {
    EXPECT_EQ(importFilters()[i].index, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(findImportFilter("3")->index, 3);
  EXPECT_EQ(findImportFilter("RND")->index, 7);
  EXPECT_EQ(findImportFilter("rocks & diamonds")->index, 7);
  EXPECT_EQ(findImportFilter("Atari")->index, 4);
  EXPECT_EQ(findImportFilter("SP")->index, 10);
  EXPECT_EQ(findImportFilter("11"), nullptr);
  EXPECT_EQ(findImportFilter(""), nullptr);
  for (int i = 1; i <= 10; ++i) EXPECT_NE(findImportFilter(std::to_string(i))->routine, nullptr);
}

Bytes cave() {
  Bytes b(498, 0x77);
  b[2 + 20] = 0xE7;  // the player at (0, 0)
  return b;
}

using FilterImports = testing::ImportFixture;

TEST_F(FilterImports, ThreeFilesFillThreeLevelsFromTheCurrentOne) {
  const ImportFilter* cav = findImportFilter("cav");
  at(5);
  for (const char* name : {"a.cav", "b.cav", "c.int"}) {
    EXPECT_TRUE(cav->routine(session, file(name, cave())));
  }
  EXPECT_EQ(header(5).title(), "a.cav");
  EXPECT_EQ(header(6).title(), "b.cav");
  EXPECT_EQ(header(7).title(), "c.int");
  EXPECT_EQ(header(7).intermission(), 255);
  EXPECT_EQ(session.map.currentLevel, 8);
  EXPECT_FALSE(cav->routine(session, file("short.cav", Bytes(10, 0))));
  EXPECT_EQ(session.map.currentLevel, 8);
}

TEST_F(FilterImports, EmeraldMineFilterTellsATurnedDownFile) {
  const ImportFilter* em = findImportFilter("em");
  at(2);
  EXPECT_FALSE(em->routine(session, file("tiny", Bytes(100, 0))));
  EXPECT_EQ(session.map.currentLevel, 2);
  EXPECT_TRUE(em->routine(session, file("v4", Bytes(2106, 0))));
  EXPECT_EQ(session.map.currentLevel, 3);
}

TEST_F(FilterImports, BoulderRushCaveTakesItsRocksOnly) {
  Bytes b(296 + 800, 1);
  b[296 + 3 * 40 + 5] = 4;
  b[296 + 19 * 40 + 39] = 4;
  at(1);
  session.map.cell(kGameLayer, 1, 0, 0) = 13;
  session.map.cell(kGameLayer, 1, 0, 21) = 9;
  importBoulderRushLevel(session, file("rush.cav", b));
  EXPECT_EQ(cell(1, 5, 3), 3);
  EXPECT_EQ(cell(1, 39, 19), 3);
  EXPECT_EQ(cell(1, 0, 0), 13);
  EXPECT_EQ(cell(1, 0, 21), 9);
  EXPECT_EQ(header(1).width(), 40);
  EXPECT_EQ(header(1).height(), 22);
  EXPECT_EQ(session.map.currentLevel, 2);

  at(1);
  try {
    importBoulderRushLevel(session, file("cut.cav", Bytes(1095, 4)));
    FAIL() << "a cut cave was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 296u);
  }
  EXPECT_EQ(cell(1, 0, 0), 13);
}

TEST_F(FilterImports, MikeysoftLevelIsDescrambledBesideIt) {
  Bytes plain(700);
  for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(i * 7);
  const Bytes scrambled = scrambleMikeysoft(plain);
  EXPECT_NE(scrambled, plain);
  // The key repeats every 256 bytes.
  for (std::size_t i = 0; i + 256 < plain.size(); ++i) {
    EXPECT_EQ(static_cast<std::uint8_t>(scrambled[i] - plain[i]),
              static_cast<std::uint8_t>(scrambled[i + 256] - plain[i + 256]));
  }
  at(4);
  session.map.cell(kGameLayer, 4, 0, 0) = 13;
  const std::string path = file("level.bou", scrambled);
  decodeMikeysoftLevel(session, path);
  EXPECT_EQ(testing::readAll(dir.path("temp.dec")), plain);
  EXPECT_EQ(mikeysoftScratchPath(path), dir.path("temp.dec"));
  EXPECT_EQ(cell(4, 0, 0), 13);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_FALSE(session.map.modified);
}

}  // namespace
}  // namespace pyrovel
