#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "formats/bdcff.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "support/levelset_calls.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

// A w x h level of Dirt inside Solid Wall with the player at (1, 1).
void makeLevel(Levelmap& map, int slot, int w, int h) {
  map.header(slot).setWidth(w);
  map.header(slot).setHeight(h);
  map.clearLayer(map.currentLayer, slot);
}

TEST(BdcffExport, LevelsetWithOneCharacterCodes) {
  Levelmap map;
  makeLevel(map, 1, 4, 3);
  LevelHeader& h = map.header(1);
  h.setTitle("First");
  h.setDiamondsNeeded(300);
  h.setDiamondsNeededHigh(7);  // not part of BDCFF
  h.setLevelTime(150);
  h.setMagicTime(20);
  map.cell(0, 1, 2, 1) = 3;  // Rock: "r"
  makeLevel(map, 2, 3, 5);   // three wide: not written
  const std::string expected =
      "; Exported with PRVL Editor version.dll\r\n[BDCFF]\r\n[game]\r\n"
      "[cave]\r\nName=First\r\nDiamondsRequired=300\r\nCaveTime=150\r\nMagicWallTime=20\r\n"
      "[map]\r\nWWWW\r\nWPrW\r\nWWWW\r\n[/map]\r\n[/cave]\r\n"
      "[/game]\r\n[/BDCFF]\r\n";
  EXPECT_EQ(bdcffLevelsetText(map), expected);
}

TEST(BdcffExport, OneObjectOfAHigherFamilySwitchesTheWholeFileToTwoCharacters) {
  Levelmap map;
  makeLevel(map, 1, 4, 3);
  makeLevel(map, 2, 5, 3);
  map.cell(0, 2, 3, 1) = 18;  // Magic Wall With rock: family 7, no code of its own
  const std::string text = bdcffLevelsetText(map);
  EXPECT_NE(text.find("[game]\r\n[mapcodes]\r\nLength=2\r\n[/mapcodes]\r\n[cave]"),
            std::string::npos);
  EXPECT_NE(text.find("[map]\r\nWsWsWsWs\r\nWsP1..Ws\r\n"), std::string::npos);
  EXPECT_NE(text.find("[map]\r\nWsWsWsWsWs\r\nWsP1..WsWs\r\n"), std::string::npos);
}

TEST(BdcffExport, CellsBeyondTheSizeDoNotCountForTheCodeLength) {
  Levelmap map;
  makeLevel(map, 1, 4, 3);
  map.cell(0, 1, 10, 10) = 18;
  EXPECT_EQ(bdcffCodeLength(map, 1, 100), 1);
  map.cell(0, 7, 0, 0) = 100;  // an empty 1 x 1 slot is examined too
  EXPECT_EQ(bdcffCodeLength(map, 1, 100), 2);
}

TEST(BdcffExport, KeptLinesGoBetweenTheTimesAndTheMap) {
  Levelmap map;
  makeLevel(map, 3, 4, 3);
  map.bdcffMemo[3] = {"Colors=1 2 3", "", "[objects]"};
  const std::string cave = bdcffLevelLines(map, 3, false, 1);
  EXPECT_NE(cave.find("MagicWallTime=0\r\nColors=1 2 3\r\n\r\n[objects]\r\n[map]\r\n"),
            std::string::npos);
}

TEST(BdcffExport, SingleLevelShapes) {
  Levelmap map;
  map.currentLevel = 2;
  makeLevel(map, 2, 4, 3);
  map.header(2).setTitle("Ignored in tags");
  map.bdcffMemo[2] = {"Colors=1"};
  map.cell(0, 2, 2, 1) = 4;  // Diamond: family 1, a code in two characters only
  EXPECT_EQ(bdcffLevelText(map, true),
            "<bdcff>\r\n<game>\r\n<mapcodes>\r\n<length>2</length>\r\n</mapcodes>\r\n"
            "<cave>\r\n<map>\r\nWsWsWsWs\r\nWsP1$1Ws\r\nWsWsWsWs\r\n</map>\r\n"
            "</cave>\r\n</game>\r\n</bdcff>\r\n");
  map.cell(0, 2, 2, 1) = 12;  // Nut: family 2
  EXPECT_EQ(bdcffLevelText(map, true),
            "<bdcff>\r\n<game>\r\n<mapcodes>\r\n<length>2</length>\r\n</mapcodes>\r\n<cave>\r\n"
            "<map>\r\nWsWsWsWs\r\nWsP1NuWs\r\nWsWsWsWs\r\n</map>\r\n</cave>\r\n</game>\r\n"
            "</bdcff>\r\n");
  const std::string bracketed = bdcffLevelText(map, false);
  EXPECT_EQ(bracketed.rfind("[BDCFF]\r\n[game]\r\n[mapcodes]\r\nLength=2\r\n[/mapcodes]\r\n"
                            "[cave]\r\nName=Ignored in tags\r\n",
                            0),
            0u);
  EXPECT_NE(bracketed.find("Colors=1\r\n[map]"), std::string::npos);
  EXPECT_EQ(bracketed.substr(bracketed.size() - 28), "[/cave]\r\n[/game]\r\n[/BDCFF]\r\n");
}

TEST(BdcffExport, OversizedHeaderStaysInsideTheGrid) {
  Levelmap map;
  map.header(1).setWidth(255);
  map.header(1).setHeight(200);
  const std::string cave = bdcffLevelLines(map, 1, true, 1);
  // 128 rows of 128 codes, no more.
  EXPECT_EQ(cave.size(),
            std::string("<cave>\r\n<map>\r\n</map>\r\n</cave>\r\n").size() + 128u * (128u + 2u));
}

TEST(BdcffExport, SaveWritesTheFileAndExportReplacesIt) {
  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session(ui);
  makeLevel(session.map, 1, 5, 4);
  saveWith(session, "bdcff", dir.path("out.bd"));
  const auto bytes = testing::readAll(dir.path("out.bd"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), bdcffLevelsetText(session.map));

  testing::writeAll(dir.path("one.bd"), std::vector<std::uint8_t>(5000, 'x'));
  exportToBdcff(session.map, dir.path("one.bd"), false);
  const auto one = testing::readAll(dir.path("one.bd"));
  EXPECT_EQ(std::string(one.begin(), one.end()), bdcffLevelText(session.map, false));
}

}  // namespace
}  // namespace pyrovel
