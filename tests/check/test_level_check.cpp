// The level checker: each rule fires on a small level built to break it and
// is quiet on the same level mended; the real sets of the shared corpus
// give no error on a level whose every cell converted.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "check/level_check.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "model/object_properties.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

// One character per object of a picture row.
int objectOf(char c) {
  static const std::map<char, int> kObjects{
      {' ', 0},  {'.', 1},  {'P', 2},  {'r', 3},   {'d', 4},   {'b', 5},  {'#', 6},
      {'E', 7},  {'B', 9},  {'a', 11}, {'n', 12},  {'e', 13},  {'y', 14}, {'?', 15},
      {'M', 16}, {'w', 17}, {'s', 70}, {'g', 52},  {'k', 57},  {'Q', 237}, {'R', 55},
  };
  return kObjects.at(c);
}

// Slot 1 drawn from rows of characters; the player's position and the level
// time set as a level of the game has them.
void drawLevel(Levelmap& map, const std::vector<std::string>& rows, int needed = 0, int slot = 1) {
  LevelHeader& h = map.header(slot);
  h.setWidth(static_cast<int>(rows.front().size()));
  h.setHeight(static_cast<int>(rows.size()));
  h.setLevelTime(120);
  h.setDiamondsToCollect(needed);
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      map.cell(kGameLayer, slot, x, y) = static_cast<Cell>(objectOf(rows[y][x]));
      if (rows[y][x] == 'P') {
        h.setPlayerX(x);
        h.setPlayerY(y);
      }
    }
  }
}

std::vector<std::string> rulesOf(const std::vector<Problem>& problems) {
  std::vector<std::string> out;
  for (const Problem& p : problems) out.push_back(p.rule);
  return out;
}

bool fires(const std::vector<Problem>& problems, const std::string& rule) {
  return std::any_of(problems.begin(), problems.end(),
                     [&](const Problem& p) { return p.rule == rule; });
}

int errorCount(const std::vector<Problem>& problems) {
  return static_cast<int>(std::count_if(problems.begin(), problems.end(), [](const Problem& p) {
    return p.severity == Severity::Error;
  }));
}

struct RuleCase {
  const char* rule;
  std::vector<std::string> broken;
  std::vector<std::string> mended;
  int needed = 0;
};

TEST(LevelCheck, EachRuleFiresOnItsBrokenLevelAndIsQuietOnTheMendedOne) {
  const std::vector<RuleCase> cases{
      {"no-player", {"#####", "#.eE#", "#####"}, {"#####", "#PeE#", "#####"}},
      {"several-players", {"######", "#PPeE#", "######"}, {"######", "#PQeE#", "######"}},
      {"no-exit", {"#####", "#Pe.#", "#####"}, {"#####", "#PeE#", "#####"}},
      // Two emeralds and a diamond are worth five at most; a nut adds one.
      {"too-few-gems", {"########", "#Pede.E#", "########"}, {"########", "#PedenE#", "########"}, 6},
      // A bug explodes into gems, so it makes up for the missing ones.
      {"too-few-gems", {"#######", "#Pe..E#", "#######"}, {"#######", "#Pe.bE#", "#######"}, 3},
      {"exit-sealed", {"#######", "#P.#.E#", "#######"}, {"#######", "#P...E#", "#######"}},
      {"gems-sealed",
       {"#######", "#PE#ee#", "#######"},
       {"#######", "#PEwee#", "#######"},
       2},
      {"exit-behind-walls",
       {"#######", "#P.w.E#", "#######"},
       {"#######", "#PBw.E#", "#######"}},
      {"door-without-key", {"#######", "#P.g.E#", "#######"}, {"#######", "#Pkg.E#", "#######"}},
      {"key-without-door", {"#######", "#P.k.E#", "#######"}, {"#######", "#Pgk.E#", "#######"}},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.rule);
    Levelmap broken;
    drawLevel(broken, c.broken, c.needed);
    const auto found = checkLevel(broken, 1, {});
    EXPECT_TRUE(fires(found, c.rule)) << ::testing::PrintToString(rulesOf(found));
    Levelmap mended;
    drawLevel(mended, c.mended, c.needed);
    const auto after = checkLevel(mended, 1, {});
    EXPECT_TRUE(after.empty()) << ::testing::PrintToString(rulesOf(after));
  }
}

TEST(LevelCheck, LevelWideProblemsHiddenCellsAndTime) {
  Levelmap map;
  drawLevel(map, {"#####", "#PeE#", "#####"});
  map.header(1).setLevelTime(0);
  map.cell(kGameLayer, 1, 7, 1) = 3;  // beyond the width: kept, never shown
  map.cell(kBackgroundLayer, 1, 2, 3) = 1;
  map.cell(kBackgroundLayer, 1, 2, 4) = 1;
  const auto found = checkLevel(map, 1, {});
  EXPECT_EQ(rulesOf(found),
            (std::vector<std::string>{"hidden-cells", "hidden-cells", "no-time"}));
  EXPECT_EQ(found[0].x, 7);
  EXPECT_EQ(found[0].y, 1);
  EXPECT_NE(found[1].message.find("2 cells of the background layer"), std::string::npos);
  EXPECT_EQ(errorCount(found), 0);

  map.cell(kGameLayer, 1, 7, 1) = 0;
  map.cell(kBackgroundLayer, 1, 2, 3) = 0;
  map.cell(kBackgroundLayer, 1, 2, 4) = 0;
  map.header(1).setLevelTime(90);
  EXPECT_TRUE(checkLevel(map, 1, {}).empty());
  // An empty slot is never checked; a slot of zeros has no content.
  EXPECT_TRUE(checkLevel(map, 2, {}).empty());
  map.header(3).setWidth(4);
  map.header(3).setHeight(4);
  map.header(3).setLevelTime(10);
  EXPECT_TRUE(checkLevel(map, 3, {}).empty());
}

TEST(LevelCheck, UnboundedSourcesAndUnsureObjectsKeepTheGemRulesQuiet) {
  // Amoeba grows into gems; a magic wall turns rocks into gems; Grover is a
  // failed conversion nobody knows the worth of.
  for (const char* row : {"#Pa...E#", "#PMr..E#", "#P?...E#"}) {
    SCOPED_TRACE(row);
    Levelmap map;
    drawLevel(map, {"########", row, "########"}, 50);
    EXPECT_FALSE(fires(checkLevel(map, 1, {}), "too-few-gems"));
  }
  // A magic wall with nothing to feed it makes nothing.
  Levelmap starved;
  drawLevel(starved, {"########", "#PM...E#", "########"}, 50);
  EXPECT_TRUE(fires(checkLevel(starved, 1, {}), "too-few-gems"));
  // A sealed-off amoeba gives the player nothing.
  Levelmap boxed;
  drawLevel(boxed, {"########", "#PE.#a.#", "########"}, 5);
  const auto found = checkLevel(boxed, 1, {});
  EXPECT_FALSE(fires(found, "too-few-gems"));
  EXPECT_TRUE(fires(found, "gems-sealed"));
}

TEST(LevelCheck, YamPatternsCountTheirRichestContents) {
  Levelmap map;
  drawLevel(map, {"#######", "#Py..E#", "#######"}, 10);
  EXPECT_TRUE(fires(checkLevel(map, 1, {}), "too-few-gems"));  // empty patterns
  for (int x = 0; x < 3; ++x) map.header(1).setYam(2, x, 0, 4);  // three diamonds: nine
  EXPECT_TRUE(fires(checkLevel(map, 1, {}), "too-few-gems"));
  map.header(1).setYam(2, 1, 1, 13);  // an emerald more: ten
  EXPECT_FALSE(fires(checkLevel(map, 1, {}), "too-few-gems"));
  map.header(1).setDiamondsToCollect(500);
  map.header(1).setYam(5, 0, 0, 14);  // a yam leaving a yam: no end
  EXPECT_FALSE(fires(checkLevel(map, 1, {}), "too-few-gems"));
  // A key in a yam's pattern is a key the player can get.
  Levelmap door;
  drawLevel(door, {"#######", "#Pyg.E#", "#######"});
  EXPECT_TRUE(fires(checkLevel(door, 1, {}), "door-without-key"));
  door.header(1).setYam(0, 0, 0, 57);
  EXPECT_FALSE(fires(checkLevel(door, 1, {}), "door-without-key"));
}

TEST(LevelCheck, SealingIsOnlySolidWallAndTheEdgeAndBlastsReachDiagonally) {
  // The exit touches the player's room only at a corner: an explosion
  // there reaches it, so the error is not certain.
  Levelmap corner;
  drawLevel(corner, {"#####", "#P###", "##E.#", "#####"});
  EXPECT_FALSE(fires(checkLevel(corner, 1, {}), "exit-sealed"));
  // Another game's steel read as a patterned wall is not counted as steel.
  Levelmap pattern;
  drawLevel(pattern, {"#####", "#P.E#", "#####"});
  pattern.cell(kGameLayer, 1, 2, 1) = 22;
  EXPECT_FALSE(fires(checkLevel(pattern, 1, {}), "exit-sealed"));
  // The edges join, as caves that wrap around have them: a wall column
  // seals only with another one beside the edge.
  Levelmap wrapped;
  drawLevel(wrapped, {"P#E.", ".#..", ".#.."});
  EXPECT_FALSE(fires(checkLevel(wrapped, 1, {}), "exit-sealed"));
  wrapped.cell(kGameLayer, 1, 3, 0) = 6;
  wrapped.cell(kGameLayer, 1, 3, 1) = 6;
  wrapped.cell(kGameLayer, 1, 3, 2) = 6;
  // The top and bottom edges join the same way.
  Levelmap rows;
  drawLevel(rows, {"P....", "#####", "..E..", "....."});
  EXPECT_FALSE(fires(checkLevel(rows, 1, {}), "exit-sealed"));
  for (int x = 0; x < 5; ++x) rows.cell(kGameLayer, 1, x, 3) = 6;
  EXPECT_TRUE(fires(checkLevel(rows, 1, {}), "exit-sealed"));

  const auto found = checkLevel(wrapped, 1, {});
  ASSERT_TRUE(fires(found, "exit-sealed"));
  const Problem& p = *std::find_if(found.begin(), found.end(),
                                   [](const Problem& q) { return q.rule == "exit-sealed"; });
  EXPECT_EQ(p.x, 2);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.severity, Severity::Error);
}

TEST(LevelCheck, PlayerCountAndCaveEffects) {
  Levelmap map;
  drawLevel(map, {"######", "#PQeE#", "######"});
  map.fileHeader[270] = 1;  // saved as a one-player levelmap
  EXPECT_TRUE(fires(checkLevel(map, 1, {}), "too-many-players"));
  map.fileHeader[270] = 2;
  EXPECT_TRUE(checkLevel(map, 1, {}).empty());
  // A cave whose bombs explode into diamonds has no bound on its gems.
  Levelmap bombs;
  drawLevel(bombs, {"######", "#PBeE#", "######"}, 20);
  EXPECT_TRUE(fires(checkLevel(bombs, 1, {}), "too-few-gems"));
  bombs.bdcffMemo[1].append("Effect=BOMBEXPLOSIONeffect DIAMOND");
  EXPECT_TRUE(checkLevel(bombs, 1, {}).empty());
}

TEST(LevelCheck, TargetFormatsAndSwitchedOffRules) {
  Levelmap map;
  std::vector<std::string> rows(3, std::string(70, '.'));
  rows[1][1] = 'P';
  rows[1][68] = 'E';
  drawLevel(map, rows);
  map.header(1).setPlayerX(3);  // where the Emerald Mine records start the player
  EXPECT_TRUE(checkLevel(map, 1, {}).empty());
  CheckOptions bd4;
  bd4.target = CheckTarget::Bd4;
  const auto found = checkLevel(map, 1, bd4);
  ASSERT_GE(found.size(), 2u);
  EXPECT_EQ(found[0].severity, Severity::Warning);
  EXPECT_NE(found[0].message.find("70 x 3 cells; BD4 holds 64 x 32"), std::string::npos);
  EXPECT_EQ(found[1].message, "bd4 cannot hold it: the player is not at (3, 1), where the file "
                               "starts the player.");
  CheckOptions bdcff;
  bdcff.target = CheckTarget::Bdcff;
  EXPECT_TRUE(checkLevel(map, 1, bdcff).empty());
  map.cell(kBackgroundLayer, 1, 0, 0) = 1;  // BDCFF holds one layer
  EXPECT_TRUE(fires(checkLevel(map, 1, bdcff), "target-format"));

  Levelmap broken;
  drawLevel(broken, {"#####", "#.eE#", "#####"});
  CheckOptions quiet;
  quiet.disabled.insert("no-player");
  EXPECT_TRUE(checkLevel(broken, 1, quiet).empty());
}

TEST(LevelCheck, LinesAndJsonNameFileLevelAndCell) {
  Levelmap map;
  drawLevel(map, {"#####", "#P#E#", "#####"}, 0, 4);
  const auto found = checkLevelmap(map, {});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(problemLine("a.map", found[0]),
            "a.map: level 3 (3,1): error exit-sealed: the exit is sealed off from the player by "
            "solid wall");
  EXPECT_EQ(problemJson("a.map", found[0]).substr(0, 60),
            "{\"file\":\"a.map\",\"level\":3,\"x\":3,\"y\":1,\"severity\":\"error\",\"ru");
  Problem levelWide{"no-time", Severity::Warning, 1, -1, -1, "the level time is 0"};
  EXPECT_EQ(problemLine("b.bd", levelWide), "b.bd: level 0: warning no-time: the level time is 0");
  EXPECT_NE(problemJson("b.bd", levelWide).find("\"x\":null"), std::string::npos);
}

TEST(LevelCheck, EveryObjectHasAReasonAndSteelIsTheOnlyIndestructible) {
  for (int n = 0; n <= 256; ++n) {
    const ObjectProperties& p = objectProperties(n);
    EXPECT_NE(std::string(p.reason), "") << n;
    EXPECT_EQ(p.has(kIndestructible), n == 6) << n;
  }
  EXPECT_EQ(objectProperties(15).yield, GemYield::Unknown);  // Grover
  EXPECT_EQ(objectProperties(300).yield, GemYield::Unknown);
}

// The published sets are playable: no error on a level without Grover cells.
TEST(LevelCheck, RealSetsGiveNoErrorOnLevelsThatConverted) {
  const std::vector<std::string> files{"bdcff/Tutorial.bd", "bdcff/Dustin_s_Boulder_Dash_1.bd",
                                       "supaplex/LEVELS.DAT"};
  int checked = 0;
  for (const std::string& name : files) {
    const std::string path = testing::corpusPath(name);
    if (path.empty()) continue;
    testing::ScriptedFrontend ui;
    EditorSession session(ui);
    ASSERT_TRUE(readLevelmap(session, path)) << name;
    const Levelmap& map = session.map;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
      const LevelHeader& h = map.header(slot);
      bool converted = true;
      for (int x = 0; x < std::min<int>(h.width(), kGridSide); ++x)
        for (int y = 0; y < std::min<int>(h.height(), kGridSide); ++y)
          converted = converted && map.cell(kGameLayer, slot, x, y) != 15;
      if (!converted || map.isEmptyLevel(slot)) continue;
      ++checked;
      for (const Problem& p : checkLevel(map, slot, {})) {
        EXPECT_NE(p.severity, Severity::Error) << problemLine(name, p);
      }
    }
  }
  if (checked == 0) GTEST_SKIP() << "the shared corpus is not here";
}

}  // namespace
}  // namespace pyrovel
