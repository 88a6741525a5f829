#include <gtest/gtest.h>

#include "editor/levelmap_search.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class LevelmapSearch : public ::testing::Test {
 protected:
  testing::ScriptedFrontend ui;
  EditorSession s{ui};
  void level(int slot, int w, int h, int fill) {
    s.map.header(slot).setWidth(w);
    s.map.header(slot).setHeight(h);
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < h; ++y) s.map.cell(kGameLayer, slot, x, y) = fill;
  }
};

TEST_F(LevelmapSearch, FindsTheFirstLevelHoldingTheObjectInsideItsSize) {
  level(1, 5, 5, obj::Dirt);
  level(2, 5, 5, obj::Dirt);
  level(3, 5, 5, obj::Dirt);
  s.map.cell(kGameLayer, 1, 7, 7) = obj::Diamond;  // beyond level 0's size
  s.map.cell(kGameLayer, 3, 4, 4) = obj::Diamond;
  s.map.cell(kBackgroundLayer, 2, 0, 0) = obj::Diamond;  // the background is not searched
  s.selectLevel(1);
  EXPECT_TRUE(findObject(s, obj::Diamond));
  EXPECT_EQ(s.map.currentLevel, 3);
  EXPECT_TRUE(findObject(s, obj::Diamond));  // always from the first level
  EXPECT_EQ(s.map.currentLevel, 3);
  s.selectLevel(2);
  EXPECT_FALSE(findObject(s, obj::Fellow2));
  EXPECT_EQ(s.map.currentLevel, 2);
}

TEST_F(LevelmapSearch, ReplaceAuthorFromAStartLevelOn) {
  replaceAuthorRange(s, "An author with a very long name", 98);
  EXPECT_EQ(s.map.header(98).author(), "");
  EXPECT_EQ(s.map.header(99).author(), "An author with a ver");
  EXPECT_EQ(s.map.header(100).author(), "An author with a ver");
  EXPECT_TRUE(s.map.modified);
  s.map.modified = false;
  replaceAuthorRange(s, "Nobody", 100);
  EXPECT_EQ(s.map.header(100).author(), "An author with a ver");
  EXPECT_FALSE(s.map.modified);
  replaceAuthorRange(s, "All", 0);
  EXPECT_EQ(s.map.header(1).author(), "All");
}

TEST_F(LevelmapSearch, AmoebaFlagForAllLevelsAndClearingMessages) {
  convertamoebaAll(s, true);
  EXPECT_EQ(s.map.header(1).convertTrappedAmoeba(), 255);
  EXPECT_EQ(s.map.header(100).convertTrappedAmoeba(), 255);
  convertamoebaAll(s, false);
  EXPECT_EQ(s.map.header(50).convertTrappedAmoeba(), 0);
  s.messages = {"Unsupported at level 0:1,1 :99"};
  replaceAuthor(s);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_TRUE(ui.changes & kMessages);
}

}  // namespace
}  // namespace pyrovel
