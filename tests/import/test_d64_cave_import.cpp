// Construction Kit caves imported from a C64 disk image into the level that
// is shown, which stays shown.
#include <gtest/gtest.h>

#include "import/d64_cave_import.h"
#include "import/test_d64_builder.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::D64Builder;

// A plain cave file (500 bytes): the map starts at byte 2, its first stored
// row is the bottom row; row 1 is the top row. Nibble 14 is the Little
// Fellow, 7 Dirt.
std::vector<std::uint8_t> plainCave(std::uint8_t levelTime) {
  std::vector<std::uint8_t> cave(500, 0xFF);  // nibble 15: empty space
  cave[2 + 20] = 0xE7;                        // row 1, byte 0: (0, 0) fellow, (1, 0) dirt
  cave[444] = levelTime;
  cave[446] = 12;  // diamonds needed
  return cave;
}

class D64CaveImport : public ::testing::Test {
 protected:
  D64CaveImport() : session(ui) {
    b.header("CAVES");
    b.link(18, 1, 0, 0xFF);
    b.file({{1, 0}, {1, 1}}, plainCave(150));
    b.entry(18, 1, 0, 0x82, 1, 0, "BOULDER1.CAV", 2);
    b.file({{2, 0}, {2, 1}}, plainCave(90));
    b.entry(18, 1, 1, 0x82, 2, 0, "X.INT", 2);
    b.file({{3, 0}}, std::vector<std::uint8_t>(100, 0));
    b.entry(18, 1, 2, 0x82, 3, 0, "SHORT.CAV", 1);
    b.entry(18, 1, 3, 0x82, 1, 0, "BOULDER1.PRG", 2);
    session.selectLevel(5);
    session.map.modified = false;
  }
  const D64Entry& entry(int i) const { return d64.directory()[static_cast<std::size_t>(i)]; }

  testing::ScriptedFrontend ui;
  EditorSession session;
  D64Builder b;
  D64Image d64 = D64Image::fromBytes(Bytes(kD64ImageSize, 0), "empty.d64");
  void open() { d64 = D64Image::fromBytes(b.image, "caves.d64"); }
};

TEST_F(D64CaveImport, CaveFillsTheShownLevelTitledByItsEntry) {
  open();
  ASSERT_TRUE(importD64Entry(session, d64, entry(0)));
  const LevelHeader& h = session.map.header(5);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_TRUE(session.map.modified);
  EXPECT_EQ(h.width(), 40);
  EXPECT_EQ(h.height(), 22);
  EXPECT_EQ(h.title(), "BOULDER1.CAV");
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(h.levelTime(), 150);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 0, 0), 2);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 1, 0), 1);
  EXPECT_EQ(h.playerX(), 0);
  EXPECT_EQ(h.playerY(), 0);
}

TEST_F(D64CaveImport, TitlesAreTheReadableNames) {
  // Typed in the other character set: capitals at 0xC1.., and a '?' that
  // is the same in both sets.
  b.entry(18, 1, 4, 0x82, 1, 0,
          "\xC3\xC1\xD6\xC5"
          "1.\xC3\xC1\xD6",
          2);
  b.entry(18, 1, 5, 0x82, 1, 0, "WHAT?.CAV", 2);
  open();
  EXPECT_EQ(entry(4).displayName(), "CAVE1.CAV");
  ASSERT_TRUE(importD64Entry(session, d64, entry(4)));
  EXPECT_EQ(session.map.header(5).title(), "CAVE1.CAV");
  EXPECT_EQ(entry(5).displayName(), "WHAT?.CAV");
  ui.answers = {Answer::Yes};
  ASSERT_TRUE(importD64Entry(session, d64, entry(5)));
  EXPECT_EQ(session.map.header(5).title(), "WHAT?.CAV");
}

TEST_F(D64CaveImport, IntermissionOverwritesTheSameLevelOnASecondClick) {
  open();
  ASSERT_TRUE(importD64Entry(session, d64, entry(0)));
  ui.answers = {Answer::Yes};  // replace the cave just imported
  ASSERT_TRUE(importD64Entry(session, d64, entry(1)));
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_EQ(session.map.header(5).intermission(), 255);
  EXPECT_EQ(session.map.header(5).title(), "X.INT");
  EXPECT_EQ(session.map.header(5).levelTime(), 90);
  EXPECT_NE(session.map.header(6).width(), 40);
}

TEST_F(D64CaveImport, TheLastLevelStaysTheOneThatWasFilled) {
  open();
  session.selectLevel(kLastSlot);
  ASSERT_TRUE(importD64Entry(session, d64, entry(0)));
  EXPECT_EQ(session.map.currentLevel, kLastSlot);
  EXPECT_EQ(session.map.header(kLastSlot).width(), 40);
}

TEST_F(D64CaveImport, OtherFilesAndShortCavesImportNothing) {
  open();
  EXPECT_FALSE(importD64Entry(session, d64, entry(3)));  // not a cave by its name
  EXPECT_FALSE(session.map.modified);
  EXPECT_FALSE(importD64Entry(session, d64, entry(2)));  // too short for a cave
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_EQ(session.map.header(5).width(), 3);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("SHORT.CAV (100 bytes)"), std::string::npos);
}

TEST_F(D64CaveImport, ADamagedCaveChangesNothing) {
  b.link(1, 1, 1, 0);  // the cave's chain comes back to its first sector
  open();
  EXPECT_THROW(importD64Entry(session, d64, entry(0)), LevelError);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(session.map.header(5).width(), 3);
}

}  // namespace
}  // namespace pyrovel
