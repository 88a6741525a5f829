// Moving between levels, rearranging them, and undo.
#include <gtest/gtest.h>

#include <functional>

#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::ScriptedFrontend;

class LevelOps : public ::testing::Test {
 protected:
  ScriptedFrontend ui;
  EditorSession s{ui};

  // Gives each of slots 1..n a recognisable size and title.
  void fill(int n) {
    for (int slot = 1; slot <= n; ++slot) {
      LevelHeader& h = s.map.header(slot);
      h.setWidth(10 + slot);
      h.setHeight(5);
      h.setTitle("L" + std::to_string(slot - 1));
      s.map.cell(kGameLayer, slot, 0, 0) = slot;
      s.map.cell(kBackgroundLayer, slot, 0, 0) = 1000 + slot;
    }
  }
  std::string title(int slot) { return s.map.header(slot).title(); }
  // One mouse stroke that writes `value` at (x, 0) and (x, 1).
  void stroke(int x, int value) {
    s.beginStep("Draw");
    s.map.at(x, 0) = value;
    s.beginStep("Draw");  // further moves of the same stroke open no new step
    s.map.at(x, 1) = value;
    s.endStep();
  }
  std::size_t undoSteps() const { return s.undoHistory().of(s.map.currentLevel).undo.size(); }
};

TEST_F(LevelOps, SelectingRaisesEmptySlotsToThreeByThree) {
  s.selectLevel(50);
  EXPECT_EQ(s.map.currentLevel, 50);
  EXPECT_EQ(s.map.header(50).width(), 3);
  EXPECT_EQ(s.map.header(50).height(), 3);
  EXPECT_FALSE(s.map.isEmptyLevel(50));
}

TEST_F(LevelOps, NextPreviousAndGoStopAtTheEnds) {
  s.selectLevel(100);
  s.nextLevel();
  EXPECT_EQ(s.map.currentLevel, 100);
  s.selectLevel(1);
  s.previousLevel();
  EXPECT_EQ(s.map.currentLevel, 1);
  s.nextLevel();
  EXPECT_EQ(s.map.currentLevel, 2);
  EXPECT_EQ(s.goToLevel(100), 100);
  EXPECT_EQ(s.map.currentLevel, 100);
  EXPECT_EQ(s.goToLevel(250), 100);
  EXPECT_EQ(s.goToLevel(0), 0);
  EXPECT_EQ(s.map.currentLevel, 1);
}

TEST_F(LevelOps, LevelListTitlesEmptyAndUntitledLevels) {
  s.map.header(3).setWidth(10);
  s.map.header(3).setHeight(10);
  s.map.header(4).setWidth(3);
  s.map.header(4).setHeight(3);
  s.map.header(4).setTitle("Kept?");
  s.updateLevelList();
  EXPECT_EQ(title(3), "Level 2");
  EXPECT_EQ(title(4), "Empty");  // 3 x 3 or smaller shows and saves "Empty"
  EXPECT_EQ(title(1), "Empty");
  s.setLevelTitle(3, "A very long level title indeed");
  EXPECT_EQ(title(3), "A very long level ti");
}

TEST_F(LevelOps, DeleteShiftsDownAndLeavesTheLastSlotEmpty) {
  fill(100);
  s.selectLevel(1);
  ui.answers = {Answer::No};
  EXPECT_FALSE(s.deleteLevel());
  EXPECT_EQ(title(1), "L0");
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(s.deleteLevel());
  EXPECT_EQ(ui.questions.back(), "Are you sure you want to remove this level from the levelmap?");
  EXPECT_EQ(title(1), "L1");
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 1, 0, 0), 1002);
  EXPECT_EQ(title(99), "L99");
  EXPECT_EQ(s.map.header(100).width(), 1);  // not a second copy of level 99
  EXPECT_EQ(title(100), "Empty");
  EXPECT_EQ(s.map.currentLevel, 1);
}

TEST_F(LevelOps, DeletingTheLastLevelEmptiesIt) {
  fill(100);
  s.selectLevel(100);
  ui.answers = {Answer::Yes};
  s.deleteLevel();
  EXPECT_EQ(title(99), "L98");
  EXPECT_EQ(s.map.currentLevel, 100);
  EXPECT_EQ(s.map.header(100).width(), 3);  // shown again, so raised to 3 x 3
}

TEST_F(LevelOps, InsertShiftsUpAndAsksWhenLevel99IsInUse) {
  fill(5);
  s.selectLevel(2);
  EXPECT_TRUE(s.insertLevel());
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(title(2), "Empty");  // the inserted level keeps nothing of the level it displaced
  EXPECT_EQ(s.map.header(2).width(), s.map.header(3).width());  // but its size
  EXPECT_EQ(title(3), "L1");
  EXPECT_EQ(title(6), "L4");
  EXPECT_EQ(s.map.cell(kGameLayer, 2, 0, 0), obj::SolidWall);  // cleared
  EXPECT_EQ(s.map.cell(kGameLayer, 2, 1, 1), obj::LittleFellow);
  EXPECT_EQ(s.map.cell(kGameLayer, 3, 0, 0), 2);

  fill(100);
  s.selectLevel(100);
  ui.answers = {Answer::No};
  EXPECT_FALSE(s.insertLevel());
  EXPECT_EQ(ui.questions.back(),
            "Level 99 is not empty. It will be overwritten. Are you sure you want to continue?");
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(s.insertLevel());  // at level 99 it only clears
  EXPECT_EQ(title(99), "L98");
  EXPECT_EQ(s.map.cell(kGameLayer, 100, 1, 1), obj::LittleFellow);
}

TEST_F(LevelOps, InsertAsksForANarrowButTallLevel99) {
  s.map.header(100).setWidth(3);
  s.map.header(100).setHeight(40);
  s.selectLevel(2);
  ui.answers = {Answer::No};
  EXPECT_FALSE(s.insertLevel());
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(s.map.header(100).height(), 40);
}

TEST_F(LevelOps, InsertAsksWhateverLevel99HoldsAndNotForAnUntouchedOne) {
  // Each of these alone makes level 99 worth a question.
  const std::vector<std::function<void(Levelmap&)>> contents{
      [](Levelmap& m) { m.cell(kGameLayer, 100, 1, 1) = obj::Diamond; },     // a 3 x 3 level's cell
      [](Levelmap& m) { m.cell(kBackgroundLayer, 100, 9, 9) = obj::Dirt; },  // a background cell
      [](Levelmap& m) { m.header(100).setTitle("Finale"); },                 // a title
      [](Levelmap& m) { m.header(100).setDiamondsToCollect(12); },              // a property
      [](Levelmap& m) { m.bdcffMemo[100].append("Colors=Orange"); },         // kept BDCFF lines
  };
  for (const auto& put : contents) {
    EditorSession session(ui);
    session.selectLevel(100);  // only looked at: 3 x 3, no question
    session.updateLevelList();
    session.selectLevel(5);
    ui.questions.clear();
    EXPECT_TRUE(session.insertLevel());
    EXPECT_TRUE(ui.questions.empty());
    put(session.map);
    ui.answers = {Answer::No};
    EXPECT_FALSE(session.insertLevel());
    EXPECT_EQ(ui.questions.size(), 1u);
  }
}

TEST_F(LevelOps, MoveRotatesTheLevelsBetween) {
  fill(10);
  s.selectLevel(6);  // level 5
  s.moveLevel(2);
  EXPECT_EQ(title(3), "L5");
  EXPECT_EQ(title(4), "L2");
  EXPECT_EQ(title(6), "L4");
  EXPECT_EQ(title(7), "L6");
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 3, 0, 0), 1006);
  EXPECT_EQ(s.map.currentLevel, 3);
  s.moveLevel(2);  // onto itself: nothing changes
  EXPECT_EQ(title(3), "L5");
  s.dragLevel(0, 9);
  EXPECT_EQ(title(10), "L0");
  EXPECT_EQ(title(1), "L1");
  EXPECT_EQ(s.map.currentLevel, 10);
}

TEST_F(LevelOps, AHundredUndoStepsPerLevelAndNeverFewerThanTen) {
  fill(1);
  s.selectLevel(1);
  for (int i = 1; i <= 101; ++i) stroke(i % 100, 100 + i);
  EXPECT_EQ(undoSteps(), 100u);
  int undone = 0;
  while (s.undo()) ++undone;
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(s.map.at(1, 0), 101);  // the first stroke is beyond reach
  EXPECT_EQ(s.map.at(2, 0), 0);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(s.redo());
  EXPECT_FALSE(s.redo());
  EXPECT_EQ(s.map.at(1, 1), 201);
  // The old ten steps is the least the setting gives.
  s.setUndoLimit(3);
  EXPECT_EQ(s.undoHistory().limit(), 10);
  EXPECT_EQ(undoSteps(), 10u);
}

TEST_F(LevelOps, ANewStepAfterUndoForgetsTheRedoSteps) {
  fill(1);
  s.selectLevel(1);
  stroke(1, 7);
  stroke(2, 8);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.redoName(), "Draw");
  stroke(3, 9);
  EXPECT_FALSE(s.canRedo());
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(3, 0), 0);
  EXPECT_EQ(s.map.at(1, 0), 7);
  EXPECT_EQ(s.map.at(2, 0), 0);
  // A step that changed nothing is no step: the redo step stays.
  EXPECT_TRUE(s.redo());
  EXPECT_TRUE(s.undo());
  s.beginStep("Draw");
  s.endStep();
  EXPECT_TRUE(s.canRedo());
}

TEST_F(LevelOps, EachLevelKeepsItsHistoryWhileOthersAreShown) {
  fill(2);
  s.selectLevel(1);
  stroke(1, 7);
  s.selectLevel(2);
  EXPECT_FALSE(s.canUndo());
  stroke(2, 8);
  EXPECT_EQ(s.undoName(), "Draw");
  s.selectLevel(1);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(1, 0), 0);
  EXPECT_EQ(s.map.cell(kGameLayer, 2, 2, 0), 8);  // the other level is untouched
  s.selectLevel(2);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(2, 0), 0);
}

TEST_F(LevelOps, DeleteInsertAndMoveAreUndoneWithTheLevelsHistories) {
  fill(100);
  s.selectLevel(3);
  stroke(5, 77);
  ui.answers = {Answer::Yes};
  s.deleteLevel();
  EXPECT_EQ(title(3), "L3");
  EXPECT_EQ(s.undoName(), "Delete Level");
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(title(3), "L2");
  EXPECT_EQ(title(4), "L3");
  EXPECT_EQ(title(100), "L99");
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 3, 0, 0), 1003);
  EXPECT_EQ(s.map.currentLevel, 3);
  // The level came back with its own steps, the delete ready to redo.
  EXPECT_EQ(s.undoName(), "Draw");
  EXPECT_EQ(s.redoName(), "Delete Level");
  EXPECT_TRUE(s.redo());
  EXPECT_EQ(title(3), "L3");
  EXPECT_EQ(s.map.header(100).width(), 1);
  EXPECT_TRUE(s.undo());
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(5, 0), 0);

  ui.answers = {Answer::Yes};
  s.selectLevel(2);
  s.insertLevel();
  EXPECT_EQ(s.undoName(), "Insert Level");
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(title(2), "L1");
  EXPECT_EQ(title(100), "L99");  // pushed out by the insert, back again

  s.selectLevel(6);
  s.moveLevel(1);
  EXPECT_EQ(title(2), "L5");
  EXPECT_EQ(s.undoName(), "Move Level");
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(title(6), "L5");
  EXPECT_EQ(title(2), "L1");
  EXPECT_EQ(s.map.currentLevel, 6);
}

TEST_F(LevelOps, UndoWorksOnTheBackgroundLayer) {
  fill(1);
  s.selectLevel(1);
  s.map.currentLayer = kBackgroundLayer;
  stroke(4, 55);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 1, 4, 0), 0);
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 0, 0), 1);  // the game layer is untouched
  // Even after switching back to the game layer, redo restores the background.
  s.map.currentLayer = kGameLayer;
  EXPECT_TRUE(s.redo());
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 1, 4, 0), 55);
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 4, 0), 0);
}

TEST_F(LevelOps, ClearingAThreeByThreeLevelAndUndoingIt) {
  s.selectLevel(5);
  s.map.at(1, 1) = 13;
  s.clearLevel();
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y)
      EXPECT_EQ(s.map.at(x, y), x == 1 && y == 1 ? obj::LittleFellow : obj::SolidWall);
  EXPECT_EQ(s.map.current().playerX(), 1);
  EXPECT_TRUE(s.canUndo());  // a clear can be undone
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(1, 1), 13);
}

TEST_F(LevelOps, ShrinkingKeepsCellsBeyondTheBorder) {
  fill(1);
  s.selectLevel(1);
  s.map.at(10, 4) = 99;
  s.map.current().setWidth(5);
  s.map.current().setWidth(11);
  EXPECT_EQ(s.map.at(10, 4), 99);
}

TEST_F(LevelOps, OneLittleFellowRule) {
  s.selectLevel(1);
  s.map.current().setWidth(10);
  s.map.current().setHeight(10);
  s.map.at(1, 1) = obj::LittleFellow;
  s.map.current().setPlayerX(1);
  s.map.current().setPlayerY(1);
  ui.answers = {Answer::No};
  EXPECT_FALSE(s.placeObject(5, 5, obj::LittleFellow).changed);
  EXPECT_EQ(s.map.at(5, 5), 0);
  EXPECT_EQ(ui.questions.back(),
            "You can only have 1 Little Fellow, Do you want to move it here?");
  ui.answers = {Answer::Yes};
  auto placed = s.placeObject(5, 5, obj::LittleFellow);
  EXPECT_TRUE(placed.movedPlayer);
  EXPECT_EQ(s.map.at(1, 1), obj::EmptySpace);
  EXPECT_EQ(s.map.at(5, 5), obj::LittleFellow);
  EXPECT_EQ(s.map.current().playerX(), 5);
  // Drawing on the player's own cell asks nothing.
  const auto asked = ui.questions.size();
  s.placeObject(5, 5, obj::LittleFellow);
  EXPECT_EQ(ui.questions.size(), asked);
  // Without the option the player is an ordinary object.
  s.allowOnlyOneLittleFellow = false;
  s.placeObject(7, 7, obj::LittleFellow);
  EXPECT_EQ(s.map.at(5, 5), obj::LittleFellow);
  EXPECT_EQ(s.map.current().playerX(), 5);
  s.placeObject(2, 3, obj::Fellow2);
  EXPECT_EQ(s.map.current().player2X(), 2);
  EXPECT_EQ(s.map.current().player2Y(), 3);
}

}  // namespace
}  // namespace pyrovel

namespace pyrovel {
namespace {

// Levels copied, cut and pasted, within a levelmap and between two.
class LevelClips : public LevelOps {
 protected:
  ScriptedFrontend otherUi;
  EditorSession other{otherUi};
  std::string titleIn(const EditorSession& e, int slot) { return e.map.header(slot).title(); }
};

TEST_F(LevelClips, LevelsPastedIntoAnotherLevelmapArriveWholeAndGoWithOneUndo) {
  fill(5);
  s.map.bdcffMemo[3].append("Colors=Orange");
  s.selectLevel(3);
  stroke(4, 9);
  std::vector<LevelSlot> clip = s.copyLevels({4, 3, 3});  // in slot order, once each
  ASSERT_EQ(clip.size(), 2u);

  for (int slot = 1; slot <= 100; ++slot) {
    other.map.header(slot).setWidth(10);
    other.map.header(slot).setHeight(5);
    other.map.header(slot).setTitle("O" + std::to_string(slot - 1));
  }
  other.selectLevel(5);
  otherUi.answers = {Answer::Yes};  // the last two levels, titled, leave the levelmap
  ASSERT_TRUE(other.pasteLevels(std::move(clip), false));
  ASSERT_EQ(otherUi.questions.size(), 1u);
  EXPECT_EQ(titleIn(other, 5), "L2");
  EXPECT_EQ(titleIn(other, 6), "L3");
  EXPECT_EQ(titleIn(other, 7), "O4");
  EXPECT_EQ(titleIn(other, 100), "O97");
  EXPECT_EQ(other.map.cell(kGameLayer, 5, 4, 0), 9);
  EXPECT_EQ(other.map.cell(kBackgroundLayer, 5, 0, 0), 1003);
  EXPECT_EQ(other.map.bdcffMemo[5].joined(), "Colors=Orange");
  EXPECT_EQ(other.map.currentLevel, 5);
  EXPECT_TRUE(other.map.modified);
  EXPECT_EQ(other.undoName(), "Paste Levels");
  EXPECT_TRUE(other.undo());
  EXPECT_EQ(titleIn(other, 5), "O4");
  EXPECT_EQ(titleIn(other, 99), "O98");
  EXPECT_EQ(titleIn(other, 100), "O99");
  EXPECT_TRUE(other.redo());
  EXPECT_EQ(titleIn(other, 6), "L3");
  // The source keeps its levels and their history.
  EXPECT_EQ(title(3), "L2");
  EXPECT_EQ(s.undoName(), "Draw");
}

TEST_F(LevelClips, CutLevelsCloseTheGapAndComeBackWithTheirHistories) {
  fill(6);
  s.selectLevel(4);
  stroke(3, 5);
  s.cutLevels({2, 4});
  EXPECT_EQ(title(1), "L0");
  EXPECT_EQ(title(2), "L2");
  EXPECT_EQ(title(3), "L4");
  EXPECT_EQ(s.map.header(100).width(), 1);
  EXPECT_EQ(s.map.currentLevel, 2);
  EXPECT_EQ(s.undoName(), "Cut Levels");
  EXPECT_TRUE(s.undo());
  for (int slot = 1; slot <= 6; ++slot) EXPECT_EQ(title(slot), "L" + std::to_string(slot - 1));
  s.selectLevel(4);
  EXPECT_EQ(s.undoName(), "Draw") << "the cut level came back with its own steps";
}

TEST_F(LevelClips, PastingAsksBeforeLevelsWithContentLeaveTheLevelmap) {
  fill(100);
  std::vector<LevelSlot> clip = s.copyLevels({1, 2});
  s.selectLevel(10);
  ui.answers = {Answer::No};
  EXPECT_FALSE(s.pasteLevels(s.copyLevels({1, 2}), false));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_NE(ui.questions[0].find("levels 98 to 99"), std::string::npos) << ui.questions[0];
  EXPECT_EQ(title(10), "L9");
  EXPECT_EQ(title(100), "L99");

  // At level 99 only one of two fits.
  s.selectLevel(100);
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(s.pasteLevels(std::move(clip), false));
  EXPECT_NE(ui.questions[1].find("Only 1 of the 2 levels fit"), std::string::npos) << ui.questions[1];
  EXPECT_EQ(title(100), "L0");
}

TEST_F(LevelClips, PastingIntoEmptyLevelsLeavesLevelsWithContentAlone) {
  fill(3);
  s.map.header(5).setWidth(10);
  s.map.header(5).setHeight(10);
  s.map.header(5).setTitle("Kept");
  std::vector<LevelSlot> clip = s.copyLevels({1, 2});
  s.selectLevel(3);
  ASSERT_TRUE(s.pasteLevels(std::move(clip), true));
  EXPECT_EQ(title(3), "L2");
  EXPECT_EQ(title(4), "L0");
  EXPECT_EQ(title(5), "Kept");
  EXPECT_EQ(title(6), "L1");
  EXPECT_EQ(s.map.currentLevel, 4);
  EXPECT_TRUE(s.undo());
  EXPECT_TRUE(s.map.isEmptyLevel(6));
  EXPECT_FALSE(s.map.holdsAnything(4));
}

}  // namespace
}  // namespace pyrovel
