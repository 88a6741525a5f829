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
  session.SelectLevel(5);
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(session.map.CurrentLevel, 5);
  EXPECT_TRUE(session.map.Modified);
  EXPECT_EQ(session.map.header(5).Width(), 64);
  EXPECT_EQ(session.map.header(5).Height(), 32);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 5, 7), kEmUnknownObject);
  EXPECT_EQ(session.map.cell(kGameLayer, 5, 6, 7), EmCodeToObject(0));
  EXPECT_EQ(session.map.header(5).Title(), "Level 4");  // the level list was refreshed
  ASSERT_FALSE(session.Messagememo.empty());
  EXPECT_EQ(session.Messagememo[0], "Unsupported at level 4:5,7 :1");

  // A second import overwrites the same level.
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(session.map.CurrentLevel, 5);
  EXPECT_NE(session.map.header(6).Width(), 64);
}

TEST_F(AdfImport, TheLastLevelStaysTheOneThatWasFilled) {
  session.SelectLevel(kLastSlot);
  ASSERT_TRUE(importAdfLevel(session, image(), 900));
  EXPECT_EQ(session.map.CurrentLevel, kLastSlot);
  EXPECT_EQ(session.map.header(kLastSlot).Width(), 64);
  EXPECT_TRUE(session.map.IsEmptyLevel(kLastSlot - 1));
}

TEST_F(AdfImport, AFileTooShortForALevelLeavesTheLevelShown) {
  session.SelectLevel(5);
  EXPECT_FALSE(importAdfLevel(session, image(), 1000));
  EXPECT_EQ(session.map.CurrentLevel, 5);
  EXPECT_EQ(session.map.header(5).Width(), 3);
  ASSERT_EQ(session.Messagememo.size(), 1u);
  EXPECT_NE(session.Messagememo[0].find("em.adf:NOTE (300 bytes)"), std::string::npos);
}

TEST_F(AdfImport, ADamagedFileChangesNothing) {
  b.put32(903, 16, 901);  // the level's data chain loops
  session.SelectLevel(5);
  session.map.Modified = false;
  EXPECT_THROW(importAdfLevel(session, image(), 900), LevelError);
  EXPECT_EQ(session.map.CurrentLevel, 5);
  EXPECT_FALSE(session.map.Modified);
  EXPECT_EQ(session.map.header(5).Width(), 3);
}

}  // namespace
}  // namespace pyrovel
