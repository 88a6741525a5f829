// Emerald Mine level files imported from an Amiga disk image into the level
// that is shown, which stays shown.
#include <gtest/gtest.h>

#include "formats/em_codes.h"
#include "import/adf_level_import.h"
#include "import/test_adf_builder.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::AdfBuilder;

// A V4 level record (2106 bytes): map all code 0 except one cell.
std::vector<std::uint8_t> emV4Level(std::uint8_t code, int x, int y) {
  std::vector<std::uint8_t> r(2106, 0);
  r[static_cast<std::size_t>(64 * y + x)] = code;
  return r;
}

class AdfImport : public ::testing::Test {
 protected:
  AdfImport() : session(ui) {
    b.root("EMDISK");
    b.file(900, "LEVEL1", emV4Level(1, 5, 7));  // 1 is a code the EM table lacks
    b.file(1000, "NOTE", testing::countingBytes(300));
    b.hash(880, 1, 900);
    b.hash(880, 2, 1000);
  }
  AdfImage image() const { return AdfImage::fromBytes(b.image, "em.adf"); }

  testing::ScriptedFrontend ui;
  EditorSession session;
  AdfBuilder b;
};

TEST_F(AdfImport, FillsTheShownLevelAndStaysOnIt) {
  session.selectLevel(5);
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_TRUE(session.map.modified);
  EXPECT_EQ(session.map.header(5).width(), 64);
  EXPECT_EQ(session.map.header(5).height(), 32);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 5, 7), kEmUnknownObject);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 6, 7), emCodeToObject(0));
  EXPECT_EQ(session.map.header(5).title(), "Level 4");  // the level list was refreshed
  ASSERT_FALSE(session.messages.empty());
  EXPECT_EQ(session.messages[0], "Unsupported at level 4:5,7 :1");

  // A second import asks before it replaces the level it filled.
  ui.answers = {Answer::Yes};
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_NE(session.map.header(6).width(), 64);
}

// Level files of the original games are kept encrypted on their disks.
TEST_F(AdfImport, OriginalLevelsAreDecrypted) {
  std::vector<std::uint8_t> plain = emV4Level(18, 5, 7);  // a diamond
  for (int y = 0; y < 32; ++y) plain[static_cast<std::size_t>(64 * y + 63)] = 116;
  std::uint8_t key = 0x65;
  for (std::uint8_t& byte : plain) {
    byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(byte + 0x11) ^ key);
    key = static_cast<std::uint8_t>(key + 7);
  }
  b.file(1100, "ORIGINAL", plain);
  session.selectLevel(3);
  ASSERT_TRUE(importAdfLevel(session, image(), 1100));
  EXPECT_EQ(session.map.cell(kGameLayer, 3, 5, 7), 4);
  EXPECT_EQ(session.map.cell(kGameLayer, 3, 63, 7), 6);
  EXPECT_TRUE(session.messages.empty()) << session.messages.front();
}

TEST_F(AdfImport, TheLastLevelStaysTheOneThatWasFilled) {
  session.selectLevel(kLastSlot);
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(session.map.currentLevel, kLastSlot);
  EXPECT_EQ(session.map.header(kLastSlot).width(), 64);
  EXPECT_TRUE(session.map.isEmptyLevel(kLastSlot - 1));
}

TEST_F(AdfImport, AFileTooShortForALevelLeavesTheLevelShown) {
  session.selectLevel(5);
  EXPECT_FALSE(importAdfLevel(session, image(), 1000));
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_EQ(session.map.header(5).width(), 3);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("em.adf:NOTE (300 bytes;"), std::string::npos);
}

TEST_F(AdfImport, ADamagedFileChangesNothing) {
  b.put32(903, 16, 901);  // the level's data chain loops
  session.selectLevel(5);
  session.map.modified = false;
  EXPECT_THROW(importAdfLevel(session, image(), 900), LevelError);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(session.map.header(5).width(), 3);
}

}  // namespace
}  // namespace pyrovel
