// What a long undo history costs, and that it never costs more than its budget.
#include <gtest/gtest.h>

#include <iostream>

#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class UndoMemory : public ::testing::Test {
 protected:
  testing::ScriptedFrontend ui;
  EditorSession s{ui};

  // Steps on `slot`, each rewriting every cell of both layers of a
  // 128 x 128 level: the most a step of one level can change.
  void rewriteWholeLevel(int slot, int steps, int firstValue) {
    s.selectLevel(slot);
    s.map.current().setWidth(128);
    s.map.current().setHeight(128);
    for (int i = 0; i < steps; ++i) {
      s.beginStep("Fill");
      for (int layer : {kGameLayer, kBackgroundLayer}) {
        for (int x = 0; x < 128; ++x) {
          for (int y = 0; y < 128; ++y) s.map.cell(layer, slot, x, y) = firstValue + i % 2;
        }
      }
      s.endStep();
    }
  }
};

TEST_F(UndoMemory, AHundredWholeLevelStepsOfABigLevel) {
  rewriteWholeLevel(1, 100, 1);  // object numbers: a byte a cell
  const std::size_t objects = s.undoHistory().bytes();
  s.replaceLevelmap(Levelmap{});
  rewriteWholeLevel(1, 100, 1000);  // numbers beyond a byte
  const std::size_t wide = s.undoHistory().bytes();
  std::cout << "100 steps of a 128 x 128 two-layer level: " << objects / 1024 << " KiB ("
            << wide / 1024 << " KiB with numbers beyond 255)\n";
  EXPECT_LT(objects, std::size_t{8} << 20);
  EXPECT_LT(wide, std::size_t{32} << 20);
  EXPECT_EQ(s.undoHistory().of(1).undo.size(), 100u);
}

TEST_F(UndoMemory, TheBudgetTakesTheOldestStepsOfTheLongestHistory) {
  // Three levels of a hundred big steps each are more than the budget.
  for (int slot = 1; slot <= 3; ++slot) rewriteWholeLevel(slot, 100, 1000);
  EXPECT_LE(s.undoHistory().bytes(), UndoHistory::kByteBudget);
  EXPECT_LT(s.undoHistory().of(1).undo.size(), 100u);
  EXPECT_GE(s.undoHistory().of(3).undo.size(), 1u);
  // What is left still undoes: the latest step of level 2 comes off.
  s.selectLevel(2);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.map.at(5, 5), 1000);
}

}  // namespace
}  // namespace pyrovel
