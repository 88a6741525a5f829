// The Properties window's model: size with Apply and Reset, texts, flags,
// the score grid, the yam and well boxes and the BDCFF lines.
#include <gtest/gtest.h>

#include "editor/level_properties.h"
#include "editor/score_grid.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class PropertiesTest : public ::testing::Test {
 protected:
  testing::ScriptedFrontend ui;
  EditorSession s{ui};
  LevelProperties props{s};

  void SetUp() override {
    s.selectLevel(3);
    s.map.current().setWidth(40);
    s.map.current().setHeight(20);
    s.map.modified = false;
    props.resetLevelSize();  // as the window does whenever a level is shown
  }
  LevelHeader& h() { return s.map.current(); }
  void typeScore(int row, const char* text) { props.setScoreText(1, row, text); }
};

TEST_F(PropertiesTest, ScoreRowsFollowTheGridOrder) {
  EXPECT_EQ(LevelProperties::scoreLabel(0), "Key score");
  EXPECT_EQ(LevelProperties::scoreLabel(14), "Diamonds to collect");
  EXPECT_EQ(LevelProperties::scoreLabel(16), "Crystal score");
  EXPECT_EQ(LevelProperties::scoreLabel(24), "Forcefield time");
  EXPECT_EQ(LevelProperties::scoreLabel(25), "");
  // Each row lands on its own byte of the record.
  typeScore(0, "11");
  typeScore(1, "12");
  typeScore(9, "13");
  typeScore(22, "14");
  typeScore(24, "15");
  EXPECT_EQ(h().bytes[168], 11);
  EXPECT_EQ(h().bytes[166], 12);
  EXPECT_EQ(h().bytes[161], 13);
  EXPECT_EQ(h().bytes[334], 14);
  EXPECT_EQ(h().bytes[338], 15);
  // Column 0 holds the labels and edits nothing.
  props.setScoreText(0, 0, "99");
  props.setScoreText(1, 25, "99");
  EXPECT_EQ(h().keyScore(), 11);
}

TEST_F(PropertiesTest, ScoreTextParsingAndModuloRules) {
  typeScore(4, "300");  // "Nut score", a byte
  EXPECT_EQ(h().nutScore(), 44);
  EXPECT_EQ(props.scoreText(4), "44");
  typeScore(4, "12a");
  EXPECT_EQ(h().nutScore(), 0);
  typeScore(4, " 7 ");
  EXPECT_EQ(h().nutScore(), 7);
  typeScore(4, "");
  EXPECT_EQ(h().nutScore(), 0);
  typeScore(4, "-1");
  EXPECT_EQ(h().nutScore(), 255);
  typeScore(4, "99999999999");
  EXPECT_EQ(h().nutScore(), 0);
  typeScore(11, "70000");  // "Magic Time", a word
  EXPECT_EQ(h().magicTime(), 70000 % 65536);
  EXPECT_EQ(h().bytes[152], (70000 % 65536) & 0xff);
  EXPECT_EQ(h().bytes[153], (70000 % 65536) >> 8);
  EXPECT_EQ(parseScoreText("+5"), 5);
  EXPECT_EQ(parseScoreText("-"), 0);
  EXPECT_EQ(parseScoreText("0x10"), 0);
}

TEST_F(PropertiesTest, DiamondsToCollectIsSplitInTwoFields) {
  typeScore(kDiamondsToCollectRow, "1000");
  EXPECT_EQ(h().bytes[4], 232);
  EXPECT_EQ(h().bytes[5], 0);
  EXPECT_EQ(h().bytes[332], 3);
  EXPECT_EQ(props.scoreText(kDiamondsToCollectRow), "1000");
  typeScore(kDiamondsToCollectRow, "70000");  // (70000 div 256) mod 256 = 17
  EXPECT_EQ(h().diamondsNeeded(), 70000 % 256);
  EXPECT_EQ(h().diamondsNeededHigh(), 17);
}

TEST_F(PropertiesTest, EditsMarkTheLevelmapChangedOnlyWhenTheyChangeIt) {
  typeScore(3, "0");
  EXPECT_FALSE(s.map.modified);
  typeScore(3, "5");
  EXPECT_TRUE(s.map.modified);
  // Typing in one field is one step; the next field starts another.
  typeScore(3, "50");
  typeScore(4, "7");
  EXPECT_EQ(s.undoName(), "Properties");
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(props.scoreText(3), "50");
  EXPECT_EQ(props.scoreText(4), "0");
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(props.scoreText(3), "0");
  EXPECT_TRUE(s.redo());
  EXPECT_EQ(props.scoreText(3), "50");
}

TEST_F(PropertiesTest, ApplyResizesWithoutTouchingCells) {
  s.map.at(30, 5) = obj::Rock;
  EXPECT_EQ(props.editWidth, 40);
  props.setWidthEdit(10);
  LevelProperties::Applied a = props.applyLevelSize(640, 16);
  EXPECT_EQ(h().width(), 10);
  EXPECT_EQ(h().height(), 20);
  EXPECT_EQ(a.cellSize, 16);  // 640 div 10 = 64: never zooms in
  EXPECT_EQ(a.widthStatus, "Level Width: 10");
  EXPECT_EQ(a.heightStatus, "Level Height: 20");
  EXPECT_EQ(s.map.at(30, 5), obj::Rock);
  EXPECT_TRUE(s.map.modified);

  props.setWidthEdit(40);
  a = props.applyLevelSize(200, 16);
  EXPECT_EQ(a.cellSize, 5);
  EXPECT_EQ(h().width(), 40);
  EXPECT_EQ(s.map.at(30, 5), obj::Rock);
  EXPECT_EQ(s.map.currentLevel, 3);
}

TEST_F(PropertiesTest, SizeEditsStayWithinThreeTo128AndResetRestores) {
  props.setWidthEdit(2);
  props.setHeightEdit(500);
  EXPECT_EQ(props.editWidth, 3);
  EXPECT_EQ(props.editHeight, 128);
  props.resetLevelSize();
  EXPECT_EQ(props.editWidth, 40);
  EXPECT_EQ(props.editHeight, 20);
  // Even a value that bypassed the setter is kept in range on Apply.
  props.editWidth = 0;
  props.applyLevelSize(640, 16);
  EXPECT_EQ(h().width(), 3);
}

TEST_F(PropertiesTest, TextsWaitForApplyAndAreCut) {
  props.showYam();
  props.editTitle = "A title that is much too long";
  props.editAuthor = "Someone with a long name";
  props.editDate = "2024-01-01 12:00";
  props.editDescription = std::string(150, 'x');
  EXPECT_EQ(h().title(), "");
  props.applyLevelSize(640, 16);
  EXPECT_EQ(h().title(), "A title that is much");
  EXPECT_EQ(h().author(), "Someone with a long ");
  EXPECT_EQ(h().date(), "2024-01-01");
  EXPECT_EQ(h().info(), std::string(100, 'x'));
  // The edits show the record again afterwards.
  EXPECT_EQ(props.editTitle, "A title that is much");
}

TEST_F(PropertiesTest, FlagBoxesStoreTheirValues) {
  props.setIntermissionCheck(true);
  EXPECT_EQ(h().intermission(), 255);
  EXPECT_TRUE(props.intermission());
  props.setIntermissionCheck(false);
  EXPECT_EQ(h().intermission(), 0);
  props.setAmoebaCheck(true);
  EXPECT_EQ(h().convertTrappedAmoeba(), 255);
  props.setWellActive(true);
  EXPECT_EQ(h().wellActive(), 1);
  h().setIntermission(1);  // any nonzero value reads as checked
  EXPECT_TRUE(props.intermission());
}

TEST_F(PropertiesTest, YamBoxesTakeTheDrawingObject) {
  s.drawingObject = obj::Diamond;
  EXPECT_TRUE(props.clickYamBox(2, MouseButton::Left, 20, 40));
  EXPECT_EQ(h().yam(2, 1, 2), obj::Diamond);
  EXPECT_EQ(h().bytes[6 + 18 * 2 + 6 * 1 + 2 * 2], obj::Diamond);
  EXPECT_EQ(props.yamObject(2, 1, 2), obj::Diamond);
  EXPECT_FALSE(props.clickYamBox(0, MouseButton::Right, 5, 5));
  EXPECT_FALSE(props.clickYamBox(0, MouseButton::Left, 48, 5));
  EXPECT_FALSE(props.clickYamBox(0, MouseButton::Left, 5, -1));
  EXPECT_FALSE(props.clickYamBox(4, MouseButton::Left, 5, 5));
  EXPECT_EQ(h().yam(0, 0, 0), 0);
}

TEST_F(PropertiesTest, WellCentreIsTheDelayAndNeverAnObject) {
  s.drawingObject = obj::Rock;
  props.setWellDelay(42);
  EXPECT_FALSE(props.clickWellBox(MouseButton::Left, 20, 20));
  EXPECT_EQ(props.wellDelay(), 42);
  EXPECT_EQ(h().bytes[348], 42);
  EXPECT_EQ(props.wellObject(1, 1), obj::WellSign);
  EXPECT_TRUE(props.clickWellBox(MouseButton::Left, 40, 0));
  EXPECT_EQ(h().well(2, 0), obj::Rock);
  EXPECT_EQ(props.wellObject(2, 0), obj::Rock);
  props.setWellDelay(150);
  EXPECT_EQ(props.wellDelay(), 100);
}

TEST_F(PropertiesTest, BdcffMemoEditsAreKeptWithTheLevel) {
  s.map.bdcffMemo[3] = {"[cave]", "Name=Lava"};
  EXPECT_EQ(props.bdcffMemoText(), "[cave]\nName=Lava");
  props.setBdcffMemo("[cave]\r\nName=Lava\nColors=1 2 3\n");
  EXPECT_EQ(s.map.bdcffMemo[3].lines(),
            (std::vector<std::string>{"[cave]", "Name=Lava", "Colors=1 2 3", ""}));
  EXPECT_TRUE(s.map.modified);
  props.setBdcffMemo("");
  EXPECT_TRUE(s.map.bdcffMemo[3].empty());
  EXPECT_TRUE(s.map.bdcffMemo[4].empty());
}

TEST_F(PropertiesTest, SetSizeFillsTheSizeEditsAndPicksATab) {
  props.editWidth = 77;
  auto r = props.showProperty(LevelProperties::SizeButton::Yam, true);
  EXPECT_EQ(props.editWidth, 40);
  EXPECT_FALSE(r.showPanel);  // docked at the bottom it is always shown
  r = props.showProperty(LevelProperties::SizeButton::LevelSize, false);
  EXPECT_TRUE(r.showPanel);
  EXPECT_EQ(r.tab, LevelProperties::Tab::Size);
  h().setTitle("Lava");
  r = props.showProperty(LevelProperties::SizeButton::Scores, false);
  EXPECT_EQ(r.tab, LevelProperties::Tab::Scores);
  EXPECT_TRUE(r.refreshed);
  EXPECT_EQ(props.editTitle, "Lava");
  r = props.showProperty(LevelProperties::SizeButton::ToolsPanel, false);
  EXPECT_TRUE(r.showPanel);
  EXPECT_FALSE(r.tab);
  EXPECT_EQ(LevelProperties::tabCaption(LevelProperties::Tab::BDCFF), "BDCFF");
}

}  // namespace
}  // namespace pyrovel
