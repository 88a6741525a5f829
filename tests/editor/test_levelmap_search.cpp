#include <gtest/gtest.h>

#include "editor/levelmap_search.h"
#include "model/editor_session.h"
#include "model/text_case.h"
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

TEST_F(LevelmapSearch, FindsEveryCellByNameOrNumberAndStepsAcrossLevels) {
  // A name finds every object holding it, a number just that object.
  const std::vector<int> doors = objectsMatching(s.catalogue, "  DOOR ");
  ASSERT_GT(doors.size(), 1u);
  for (int n : doors) {
    EXPECT_NE(asciiLower(s.catalogue.item(n)).find("door"), std::string::npos) << n;
  }
  EXPECT_EQ(objectsMatching(s.catalogue, "4"), std::vector<int>{obj::Diamond});
  EXPECT_TRUE(objectsMatching(s.catalogue, "256").empty());
  EXPECT_TRUE(objectsMatching(s.catalogue, " ").empty());

  level(1, 5, 5, obj::Dirt);
  level(2, 5, 5, obj::Dirt);
  level(4, 5, 5, obj::Dirt);
  s.map.cell(kGameLayer, 1, 3, 0) = obj::Diamond;
  s.map.cell(kGameLayer, 1, 1, 2) = obj::Diamond;
  s.map.cell(kGameLayer, 1, 6, 6) = obj::Diamond;  // beyond the level's size
  s.map.cell(kGameLayer, 4, 0, 4) = obj::Diamond;
  s.map.cell(kBackgroundLayer, 2, 0, 0) = obj::Diamond;  // the background is not searched
  const auto found = findCells(s.map, {obj::Diamond});
  const std::vector<FoundCell> expected{{1, 3, 0}, {1, 1, 2}, {4, 0, 4}};
  ASSERT_EQ(found, expected);

  // Forward from level 2 reaches level 4, then wraps to the first; backward mirrors it.
  EXPECT_EQ(stepFound(found, {2, -1, -1}, +1), 2u);
  EXPECT_EQ(stepFound(found, found[2], +1), 0u);
  EXPECT_EQ(stepFound(found, found[0], +1), 1u);
  EXPECT_EQ(stepFound(found, found[0], -1), 2u);
  EXPECT_EQ(stepFound(found, {2, -1, -1}, -1), 1u);
  EXPECT_FALSE(stepFound(findCells(s.map, {obj::Fellow2}), {1, 0, 0}, +1));
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

  // The window hands over UTF-8; the record holds Latin-1, one byte a
  // letter, so twenty accented letters fit whole.
  EXPECT_TRUE(replaceAuthorRange(s, "Ren\u00E9 M\u00FCller", 99));
  EXPECT_EQ(s.map.header(100).author(), "Ren\xE9 M\xFCller");
  std::string accented;
  for (int i = 0; i < 11; ++i) accented += "\u00E9";
  EXPECT_TRUE(replaceAuthorRange(s, std::string(10, 'a') + accented, 99));
  EXPECT_EQ(s.map.header(100).author(), std::string(10, 'a') + std::string(10, '\xE9'));
  // A character Latin-1 lacks is refused with a message; nothing changes.
  s.map.modified = false;
  ui.messages.clear();
  EXPECT_FALSE(replaceAuthorRange(s, "Jan \u0160imek", 0));
  EXPECT_EQ(s.map.header(1).author(), "All");
  EXPECT_FALSE(s.map.modified);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("Jan \u0160imek"), std::string::npos);
}

TEST_F(LevelmapSearch, AmoebaFlagForAllLevelsAndClearingMessages) {
  convertamoebaAll(s, true);
  EXPECT_EQ(s.map.header(1).convertTrappedAmoeba(), 255);
  EXPECT_EQ(s.map.header(100).convertTrappedAmoeba(), 255);
  convertamoebaAll(s, false);
  EXPECT_EQ(s.map.header(50).convertTrappedAmoeba(), 0);
  s.messages = {"Unsupported at level 0:1,1 :99"};
  clearMessageMemo(s);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_TRUE(ui.changes & kMessages);
}

}  // namespace
}  // namespace pyrovel
