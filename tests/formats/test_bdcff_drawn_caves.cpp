// BDCFF caves drawn by [objects] and random fill, the file's own
// [mapcodes], the notes of what did not convert, and the round trips.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/levelmap_files.h"
#include "formats/bdcff.h"
#include "formats/bdcff_random.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "support/levelset_calls.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class BdcffDrawnCaveTest : public ::testing::Test {
 protected:
  void import(const std::string& text, bool append = false) {
    const std::string path = dir.path("in.bd");
    testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    readWith(session, readBdcff, path, append);
  }
  int cell(int slot, int x, int y) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot) const { return session.map.header(slot); }
  // The one note that contains `text`, or an empty string.
  std::string noteWith(const std::string& text) const {
    std::string found;
    for (const std::string& m : session.messages) {
      if (m.find(text) != std::string::npos) {
        EXPECT_TRUE(found.empty()) << "two notes with " << text;
        found = m;
      }
    }
    return found;
  }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

constexpr int kSpace = 0, kDirt = 1, kPlayer = 2, kRock = 3, kSteel = 6, kExit = 7, kEmerald = 13,
              kGrover = 15;

TEST_F(BdcffDrawnCaveTest, FillRandomFillBorderThenObjectsInOrder) {
  import(
      "[BDCFF]\n[game]\n[cave]\nName=Drawn\nSize=10 6\nInitialFill=SPACE\nRandSeed=10 99 99 99 99\n"
      "RandomFill=BOULDER 90 DIAMOND 20\n[objects]\nLine=1 1 8 1 DIRT\nPoint=2 1 INBOX\n"
      "Point=9 3 OUTBOX\n[/objects]\n[/cave]\n[/game]\n[/BDCFF]\n");
  EXPECT_TRUE(session.messages.empty()) << session.messages.front();
  const LevelHeader& h = header(1);
  EXPECT_EQ(h.width(), 10);
  EXPECT_EQ(h.height(), 6);
  EXPECT_EQ(h.playerX(), 2);
  EXPECT_EQ(h.playerY(), 1);
  // The generator runs over rows 1..4, all ten columns, the first level's seed.
  C64Random random(10);
  for (int y = 1; y <= 4; ++y) {
    for (int x = 0; x < 10; ++x) {
      const int value = random.next();
      if (x == 0 || x == 9 || y == 1) continue;  // border and the line drawn over it
      const int expected = value < 20 ? kEmerald : value < 90 ? kRock : kSpace;
      EXPECT_EQ(cell(1, x, y), expected) << x << "," << y;
    }
  }
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(cell(1, x, 0), kSteel);
    EXPECT_EQ(cell(1, x, 5), kSteel);
  }
  EXPECT_EQ(cell(1, 0, 3), kSteel);
  EXPECT_EQ(cell(1, 9, 3), kExit);  // drawn over the border
  EXPECT_EQ(cell(1, 1, 1), kDirt);
  EXPECT_EQ(cell(1, 2, 1), kPlayer);
  // The lines the cave was drawn from are in its map now.
  EXPECT_EQ(session.map.bdcffMemo[1].lines(), std::vector<std::string>{"Size=10 6"});
}

// Caves with random fills are filled two at a time: each must still come
// out as the generator gives it alone, whatever the sizes of its neighbour,
// and a cave whose fill names an element without an object (filled on its
// own, its Grover cells counted) must not upset the pairs around it.
// Of several inboxes the player stands on the lowest, and of those on the
// rightmost, in a short cave and in one taller than 64 rows alike.
TEST_F(BdcffDrawnCaveTest, ThePlayerIsTheLastInboxRowByRow) {
  import(
      "[BDCFF]\n[game]\n[cave]\nSize=12 8\n[objects]\nPoint=9 2 INBOX\nPoint=2 5 INBOX\n"
      "Point=7 5 INBOX\nPoint=4 3 INBOX\n[/objects]\n[/cave]\n"
      "[cave]\nSize=6 100\n[objects]\nPoint=4 30 INBOX\nPoint=1 70 INBOX\nPoint=2 70 INBOX\n"
      "Point=3 69 INBOX\n[/objects]\n[/cave]\n"
      "[cave]\nSize=6 6\n[/cave]\n[/game]\n[/BDCFF]\n");
  EXPECT_EQ(header(1).playerX(), 7);
  EXPECT_EQ(header(1).playerY(), 5);
  EXPECT_EQ(header(2).playerX(), 2);
  EXPECT_EQ(header(2).playerY(), 70);
  // No inbox: the record keeps the player where a new level has it.
  EXPECT_EQ(header(3).playerX(), LevelHeader{}.playerX());
  EXPECT_EQ(header(3).playerY(), LevelHeader{}.playerY());
}

TEST_F(BdcffDrawnCaveTest, EveryRandomCaveOfAFileIsFilledAsIfAlone) {
  struct Cave {
    int width, height, seed;
    const char* fill;
  };
  const Cave caves[] = {{40, 22, 0, "BOULDER 90 DIAMOND 20"},
                        {7, 30, 200, "BOULDER 90 DIAMOND 20"},
                        {12, 5, 33, "BOULDER 90 CLOCK 20"},
                        {128, 128, 77, "BOULDER 90 DIAMOND 20"},
                        {3, 3, 5, "BOULDER 90 DIAMOND 20"}};
  std::string text = "[BDCFF]\n[game]\n";
  for (const Cave& c : caves) {
    text += "[cave]\nSize=" + std::to_string(c.width) + " " + std::to_string(c.height) +
            "\nInitialFill=SPACE\nRandSeed=" + std::to_string(c.seed) + "\nRandomFill=" + c.fill +
            "\n[/cave]\n";
  }
  import(text + "[/game]\n[/BDCFF]\n");
  EXPECT_NE(noteWith("element CLOCK has no object"), "");
  for (int slot = 1; slot <= 5; ++slot) {
    const Cave& c = caves[slot - 1];
    const int clockOrDiamond = slot == 3 ? kGrover : kEmerald;
    C64Random random(c.seed);
    for (int y = 1; y < c.height - 1; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const int value = random.next();
        if (x == 0 || x == c.width - 1) continue;
        const int expected = value < 20 ? clockOrDiamond : value < 90 ? kRock : kSpace;
        ASSERT_EQ(cell(slot, x, y), expected) << "cave " << slot << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(BdcffDrawnCaveTest, SizesDefaultsAndTheVisibleArea) {
  import(
      "[game]\nCaveSize=30 15\n[/game]\n[cave]\n[/cave]\n[cave]\nIntermission=true\n[/cave]\n"
      "[cave]\nSize=40 22 0 0 19 11\nIntermission=true\n[/cave]\n[cave]\nSize=200 5\n[/cave]\n");
  EXPECT_EQ(header(1).width(), 30);
  EXPECT_EQ(header(1).height(), 15);
  EXPECT_EQ(cell(1, 5, 5), kDirt);
  EXPECT_EQ(cell(1, 29, 5), kSteel);
  EXPECT_EQ(header(2).width(), 20);
  EXPECT_EQ(header(2).height(), 12);
  EXPECT_EQ(header(2).intermission(), 255);
  EXPECT_EQ(header(3).width(), 40);  // an intermission in a whole cave, seen through 20 x 12
  EXPECT_EQ(header(3).height(), 22);
  EXPECT_EQ(session.map.bdcffMemo[3].lines(), std::vector<std::string>{"Size=40 22 0 0 19 11"});
  EXPECT_EQ(header(4).width(), 128);
  EXPECT_EQ(header(4).height(), 5);
  EXPECT_NE(noteWith("larger than a level").find("Level 3 (cave 4, "), std::string::npos);
}

TEST_F(BdcffDrawnCaveTest, FirstLevelValuesAndTheRecordsKeys) {
  import(
      "[game]\nAuthor=Game Author\n[cave]\nName=Keys\nDiamondsRequired=5 6 7 8 9\nCaveTime=99 98\n"
      "MagicWallTime=300 1\nDiamondValue=15 25\nAmoebaTime=40 41\nAmoebaThreshold=0.0568 0.5\n"
      "SlimePermeabilityC64=31 0\nIntermission=false\nColors=Black Orange\n[/cave]\n"
      "[cave]\nAuthor=Cave Author\nSlimePermeability=0.125\nDiamondsRequired=-2\n[objects]\n"
      "Raster=1 1 3 1 2 1 DIAMOND\n[/objects]\n[/cave]\n");
  const LevelHeader& a = header(1);
  EXPECT_EQ(a.title(), "Keys");
  EXPECT_EQ(a.author(), "Game Author");
  EXPECT_EQ(a.diamondsNeeded(), 5);
  EXPECT_EQ(a.levelTime(), 99);
  EXPECT_EQ(a.magicTime(), 300);
  EXPECT_EQ(a.emeraldScore(), 15);
  EXPECT_EQ(a.diamondScore(), 25);
  EXPECT_EQ(a.amoebaBrake(), 40);
  EXPECT_EQ(a.maxAmoeba(), 6);
  EXPECT_EQ(a.slimePermeability(), 31);
  EXPECT_EQ(a.intermission(), 0);
  // The record holds the first level's values; the lines that say more
  // stay for the writer, the others (DiamondValue) are written from it.
  EXPECT_EQ(session.map.bdcffMemo[1].lines(),
            (std::vector<std::string>{"DiamondsRequired=5 6 7 8 9", "CaveTime=99 98",
                                      "MagicWallTime=300 1", "AmoebaTime=40 41",
                                      "AmoebaThreshold=0.0568 0.5", "SlimePermeabilityC64=31 0",
                                      "Intermission=false", "Colors=Black Orange"}));
  const LevelHeader& b = header(2);
  EXPECT_EQ(b.author(), "Cave Author");
  EXPECT_EQ(b.slimePermeability(), 7);  // one time in eight
  EXPECT_EQ(b.diamondsNeeded(), 1);     // all three diamonds but two
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(BdcffDrawnCaveTest, ObjectsOfOtherDifficultyLevelsAreLeftOut) {
  import(
      "[cave]\nSize=6 4\n[objects]\n[Level=2,3,4,5]\nPoint=1 1 BOULDER\n[/Level]\n"
      "[Level=1,2]\nPoint=2 1 BOULDER\n[/Level]\nPoint=3 1 BOULDER\n[/objects]\n[/cave]\n");
  EXPECT_EQ(cell(1, 1, 1), kDirt);
  EXPECT_EQ(cell(1, 2, 1), kRock);
  EXPECT_EQ(cell(1, 3, 1), kRock);
  // The group of the other levels only is kept for them, to be written back
  // over level 1's map.
  EXPECT_EQ(session.map.bdcffMemo[1].lines(),
            (std::vector<std::string>{"Size=6 4", "[objects]", "[Level=2,3,4,5]",
                                      "Point=1 1 BOULDER", "[/Level]", "[/objects]"}));
  // Appended caves join the game the levelmap has.
  session.map.bdcffGame = {"[game]", "Name=Mine"};
  import("[game]\nName=Theirs\n[cave]\nSize=6 4\n[/cave]\n", true);
  EXPECT_EQ(session.map.bdcffGame.lines(), (std::vector<std::string>{"[game]", "Name=Mine"}));
}

TEST_F(BdcffDrawnCaveTest, WhatDidNotConvertIsNotedWithCaveAndLine) {
  import(
      "[cave]\nName=Bad\nSize=6 4\nRandomFill=GHOST 255\n[objects]\nPoint=9 9 BOULDER\n"
      "Spiral=1 1 SPACE\nLine=1 1 4 1 CLOCK\nPoint=1 x DIRT\n[/objects]\n[/cave]\n");
  EXPECT_EQ(noteWith("Point=9 9 BOULDER"),
            "Level 0 (cave 1 \"Bad\", " + dir.path("in.bd") +
                " line 6): Point=9 9 BOULDER: off the cave, nothing drawn");
  EXPECT_NE(noteWith("unknown drawing command Spiral").find("line 7)"), std::string::npos);
  EXPECT_NE(noteWith("Point=1 x DIRT").find("cannot be read"), std::string::npos);
  // Once per element and cave, with the cells it left.
  EXPECT_NE(noteWith("element CLOCK")
                .find("line 8): element CLOCK has no object in the game: "
                      "4 cells became Grover"),
            std::string::npos);
  EXPECT_NE(noteWith("element GHOST")
                .find("line 4): element GHOST has no object in the game: "
                      "4 cells became Grover"),
            std::string::npos);  // rows 1 and 2 inside the border, less the four clocks
  EXPECT_EQ(cell(1, 2, 1), kGrover);
  EXPECT_EQ(session.messages.size(), 5u);
}

TEST_F(BdcffDrawnCaveTest, CavesCutOffByTheEndOfTheFile) {
  // Whole objects without [/cave]: kept, with a note.
  import("[cave]\nName=Open\nSize=5 5\n[objects]\nPoint=2 2 BOULDER\n[/objects]\n");
  EXPECT_EQ(header(1).title(), "Open");
  EXPECT_EQ(cell(1, 2, 2), kRock);
  EXPECT_NE(noteWith("not closed by [/cave]").find("Level 0 (cave 1 \"Open\""), std::string::npos);

  // Objects that never end: left out, and nothing of the cave is stored.
  session.messages.clear();
  session.map.header(2).setTitle("Before");
  import("[cave]\nName=Whole\n[/cave]\n[cave]\nName=Cut\n[objects]\nPoint=2 2 BOULDER\n");
  EXPECT_EQ(header(1).title(), "Whole");
  EXPECT_EQ(header(2).title(), "Cave2");  // the slot after the last cave read
  EXPECT_EQ(noteWith("left out"),
            "Cave 2 \"Cut\" (" + dir.path("in.bd") +
                " line 4): its [objects] (from line 6) are cut off by the end of the file, so "
                "the cave is left out");
}

TEST_F(BdcffDrawnCaveTest, MoreThanAHundredCavesTakeTheFirstHundredAndSaySo) {
  std::string text;
  for (int i = 1; i <= 103; ++i) {
    text += "[cave]\nName=C" + std::to_string(i) +
            "\nSize=4 4\n[objects]\nPoint=1 1 INBOX\n"
            "[/objects]\n[/cave]\n";
  }
  import(text);
  EXPECT_EQ(header(100).title(), "C100");
  EXPECT_EQ(header(100).playerX(), 1);
  EXPECT_EQ(session.messages.size(), 1u);
  EXPECT_NE(noteWith("103 caves; the first 100 were read into levels 0 to 99, 3 more did not fit"),
            "");
}

TEST_F(BdcffDrawnCaveTest, AppendingFillsFromTheCurrentLevelOn) {
  session.map.currentLevel = 99;
  session.map.header(1).setTitle("Untouched");
  import("[cave]\nName=One\n[/cave]\n[cave]\nName=Two\n[/cave]\n[cave]\nName=Three\n[/cave]\n",
         true);
  EXPECT_EQ(header(1).title(), "Untouched");
  EXPECT_EQ(header(99).title(), "One");
  EXPECT_EQ(header(100).title(), "Two");
  EXPECT_NE(noteWith("3 caves; the first 2 were read into levels 98 to 99, 1 more did not fit"),
            "");
}

TEST_F(BdcffDrawnCaveTest, TheFilesOwnMapCodesOverrideTheBuiltInOnes) {
  import(
      "[BDCFF]\n[mapcodes]\nLength=1\nd=BOULDER\n$=BLADDERSPENDER\n2=ACID\n[/mapcodes]\n[game]\n"
      "[cave]\nName=Codes\n[map]\nWWWWW\nWd2$W\nWg$PW\nWWWWW\n[/map]\n[/cave]\n[/game]\n");
  EXPECT_EQ(cell(1, 1, 1), kRock);  // "d" is the file's boulder, not the built-in diamond
  EXPECT_EQ(cell(1, 2, 1), 62);
  EXPECT_EQ(cell(1, 3, 1), kGrover);
  EXPECT_EQ(cell(1, 1, 2), kGrover);
  EXPECT_EQ(cell(1, 3, 2), kPlayer);
  EXPECT_NE(noteWith("map code '$' (BLADDERSPENDER)")
                .find("line 13): map code '$' "
                      "(BLADDERSPENDER) has no object in the "
                      "game: 2 cells became Grover"),
            std::string::npos);
  EXPECT_NE(noteWith("map code 'g' has no object in the game: 1 cell became Grover"), "");
  EXPECT_EQ(session.messages.size(), 2u);

  session.messages.clear();
  import(
      "[mapcodes]\nLength=2\nzz=AMOEBA\nWs=SPACE\n[/mapcodes]\n[cave]\n[map]\n"
      "WsWsWs\nWszzP1\n[/map]\n[/cave]\n");
  EXPECT_EQ(header(1).width(), 3);
  EXPECT_EQ(cell(1, 0, 0), kSpace);
  EXPECT_EQ(cell(1, 1, 1), 11);
  EXPECT_EQ(cell(1, 2, 1), kPlayer);
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(BdcffDrawnCaveTest, ADrawnCaveIsWrittenBackAsAMapWithItsOtherKeys) {
  import(
      "[cave]\nName=Back\nSize=5 4 0 0 4 3\nColors=Black\nRandSeed=3\nRandomFill=BOULDER 100\n"
      "DiamondValue=7 8\nIntermission=true\n[objects]\nPoint=1 1 INBOX\n[/objects]\n[/cave]\n");
  const std::string text = bdcffLevelsetText(session.map);
  EXPECT_EQ(text.find("[objects]"), std::string::npos);
  EXPECT_EQ(text.find("RandomFill"), std::string::npos);
  EXPECT_NE(
      text.find("[cave]\r\nName=Back\r\nDiamondsRequired=0\r\nCaveTime=0\r\nMagicWallTime=0\r\n"
                "DiamondValue=7 8\r\nIntermission=true\r\nSize=5 4 0 0 4 3\r\nColors=Black\r\n"
                "[map]\r\nWWWWW\r\nWP"),
      std::string::npos)
      << text;
  // A size changed in the editor changes the kept Size line with it.
  session.map.header(1).setWidth(4);
  EXPECT_NE(bdcffLevelsetText(session.map).find("Size=4 4 0 0 3 3\r\n"), std::string::npos);
}

// The drawing commands of real files that used to be refused, read as a
// user opens them: each draws, and what is not the file's program's own
// (RandomFill's generator) and what has no object is noted.
TEST_F(BdcffDrawnCaveTest, FillsCopiesAndRandomRectanglesAreDrawn) {
  import(
      "[cave]\nName=Tools\nSize=12 8\nInitialFill=DIRT\n[objects]\n"
      "Rectangle=1 1 5 5 WALL\n"        // line 6
      "BoundaryFill=3 3 SPACE WALL\n"   // line 7: the inside of the box
      "FloodFill=8 2 BOULDER DIRT\n"    // line 8: all Dirt outside the box
      "CopyPaste=1 1 3 3 8 3 mirror\n"  // line 9: a corner of the box, mirrored
      "RandomFillC64=2 2 4 4 7 SPACE DIAMOND 40\n"
      "RandomFill=6 6 7 6 7 SPACE DIAMOND 255\n"  // line 11
      "Raster=10 6 -2 1 2 0 OUTBOX\n"
      "Line=0 0 5 0 CLOCK\nLine=6 0 11 0 GHOST\nAdd=0 1 GHOST NUT\n"
      "[/objects]\n[/cave]\n");
  constexpr int kWall = 17, kNut = 12;
  EXPECT_EQ(cell(1, 1, 1), kWall);
  EXPECT_EQ(cell(1, 1, 6), kRock);  // the Dirt around the box, flooded
  EXPECT_EQ(cell(1, 10, 2), kRock);
  EXPECT_EQ(cell(1, 0, 6), kSteel);  // the border is no Dirt
  // The copy: columns 1..3 of rows 1..3 mirrored to columns 10..8.
  EXPECT_EQ(cell(1, 10, 3), kWall);
  EXPECT_EQ(cell(1, 8, 3), kWall);
  EXPECT_EQ(cell(1, 9, 4), kSpace);
  EXPECT_EQ(cell(1, 8, 5), kSpace);
  C64Random random(7);
  for (int y = 2; y <= 4; ++y) {
    for (int x = 2; x <= 4; ++x) {
      EXPECT_EQ(cell(1, x, y), random.next() < 40 ? kEmerald : kSpace) << x << "," << y;
    }
  }
  C64Random again(7);
  EXPECT_EQ(cell(1, 6, 6), again.next() < 255 ? kEmerald : kSpace);
  EXPECT_EQ(cell(1, 7, 6), again.next() < 255 ? kEmerald : kSpace);
  EXPECT_EQ(cell(1, 10, 6), kExit);
  EXPECT_EQ(cell(1, 8, 6), kExit);
  // Add finds the ghosts only, though the clocks became Grover too.
  EXPECT_EQ(cell(1, 3, 1), kWall);
  EXPECT_EQ(cell(1, 7, 1), kNut);
  EXPECT_NE(noteWith("element CLOCK").find("6 cells became Grover"), std::string::npos);
  EXPECT_NE(noteWith("element GHOST").find("6 cells became Grover"), std::string::npos);
  EXPECT_NE(noteWith("RandomFill=6 6").find("line 11): "), std::string::npos);
  EXPECT_EQ(noteWith("unknown drawing command"), "");
  EXPECT_EQ(session.messages.size(), 3u);
}

// Names of the format with a counterpart in the game come in as it; only
// the names without one are Grover with a note.
TEST_F(BdcffDrawnCaveTest, ElementsWithACounterpartInTheGame) {
  const std::vector<std::pair<std::string, int>> named = {
      {"NUT", 12},
      {"OUTBOXopen", 8},
      {"HIDDENOUTBOXopen", 30},
      {"HIDDENOUTBOX", 30},
      {"BOULDERf", kRock},
      {"DIAMONDf", kEmerald},
      {"FLYINGDIAMONDf", kEmerald},
      {"EXPLOSION1", 10},
      {"BOMBEXPLOSION1", 10},
      {"DIAMONDBIRTH3", kEmerald},
      {"BOULDERBIRTH1", 78},
      {"DIRTLOOSE", kDirt},
      {"DIRTSLOPEDUPLEFT", kDirt},
      {"WALLSLOPEDDOWNRIGHT", 17},
      {"STEELWALLSLOPEDUPRIGHT", kSteel},
      {"CONVEYORLEFT", 188},
      {"CLOCK", kGrover},
  };
  std::string text = "[cave]\nSize=20 4\nInitialFill=SPACE\n[objects]\n";
  for (std::size_t i = 0; i < named.size(); ++i) {
    text += "Point=" + std::to_string(i + 1) + " 1 " + named[i].first + "\n";
  }
  import(text + "[/objects]\n[/cave]\n");
  for (std::size_t i = 0; i < named.size(); ++i) {
    EXPECT_EQ(cell(1, static_cast<int>(i) + 1, 1), named[i].second) << named[i].first;
  }
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(noteWith("element CLOCK").find("1 cell became Grover"), std::string::npos);
}

// The shared corpus's real file: 20 caves drawn by objects.
class DustinCorpusTest : public BdcffDrawnCaveTest {
 protected:
  void SetUp() override {
    path = testing::corpusPath("bdcff/Dustin_s_Boulder_Dash_1.bd");
    if (path.empty()) GTEST_SKIP() << "corpus not present";
    readWith(session, readBdcff, path);
  }
  std::string path;
};

TEST_F(DustinCorpusTest, TwentyCavesOfTheirSizeInASteelBorder) {
  const std::vector<int> intermissions = {5, 10, 15, 20};
  for (int slot = 1; slot <= 20; ++slot) {
    const bool intermission =
        std::find(intermissions.begin(), intermissions.end(), slot) != intermissions.end();
    const LevelHeader& h = header(slot);
    SCOPED_TRACE("slot " + std::to_string(slot) + " " + h.title());
    EXPECT_EQ(h.width(), intermission ? 20 : 40);  // "Size=20 12 0 0 19 11" / "Size=40 22 ..."
    EXPECT_EQ(h.height(), intermission ? 12 : 22);
    EXPECT_EQ(h.intermission(), intermission ? 255 : 0);
    EXPECT_EQ(h.title(), intermission ? std::string("BONUS LIFE")
                                      : std::string(1, "ABCD EFGH IJKL MNOP "[slot - 1]));
    EXPECT_EQ(h.author(), "Dustin");
    // Steel all round, but where the cave puts its inbox or exit into the border.
    for (int x = 0; x < h.width(); ++x) {
      for (int y = 0; y < h.height(); ++y) {
        if (x != 0 && y != 0 && x != h.width() - 1 && y != h.height() - 1) continue;
        const int c = cell(slot, x, y);
        EXPECT_TRUE(c == kSteel || c == kExit || c == kPlayer) << x << "," << y << ": " << c;
      }
    }
    EXPECT_EQ(cell(slot, h.playerX(), h.playerY()), kPlayer);
  }
  EXPECT_EQ(header(21).title(), "Cave21");
  // Cave A: Raster=5 20 6 1 6 2 DIAMOND, Point=20 5 OUTBOX, Point=1 20 INBOX.
  EXPECT_EQ(cell(1, 5, 20), kEmerald);
  EXPECT_EQ(cell(1, 35, 20), kEmerald);
  EXPECT_EQ(cell(1, 20, 5), kExit);
  EXPECT_EQ(header(1).playerX(), 1);
  EXPECT_EQ(header(1).playerY(), 20);
  EXPECT_EQ(header(1).diamondsNeeded(), 3);
  EXPECT_EQ(header(1).emeraldScore(), 40);
  // Cave O: an exit in the right border.
  EXPECT_EQ(cell(18, 39, 3), kExit);
  // The kept lines: the cave's keys without the ones now in its map.
  const std::vector<std::string> memo = session.map.bdcffMemo[1].lines();
  EXPECT_NE(std::find(memo.begin(), memo.end(), "Colors=Black Black Orange Red White White White"),
            memo.end());
  EXPECT_EQ(std::find(memo.begin(), memo.end(), "Rectangle=1 1 38 20 DIRT"), memo.end());
  // What did not convert: two cave times over 255 and the maze of cave E.
  ASSERT_EQ(session.messages.size(), 3u);
  EXPECT_EQ(session.messages[0].rfind("Level 2 (cave 3 \"C\", " + path +
                                          " line 71): CaveTime 300 "
                                          "does not fit the level record (0..255): 44 kept",
                                      0),
            0u)
      << session.messages[0];
  EXPECT_NE(session.messages[1].find("Level 5 (cave 6 \"E\""), std::string::npos);
  EXPECT_NE(session.messages[1].find("Maze=7 1 38 20"), std::string::npos);
  EXPECT_NE(session.messages[2].find("Level 8 (cave 9 \"H\""), std::string::npos);
}

// .bd -> .map -> .bd -> .map gives the same cells for every cave.
TEST_F(DustinCorpusTest, RoundTripThroughTheGamesFormatAndBdcffKeepsEveryCell) {
  saveWith(session, "map", dir.path("one.map"));
  EditorSession first(ui);
  ASSERT_TRUE(readLevelmap(first, dir.path("one.map")));
  saveWith(first, "bdcff", dir.path("two.bd"));
  EditorSession bd(ui);
  ASSERT_TRUE(readLevelmap(bd, dir.path("two.bd")));
  saveWith(bd, "map", dir.path("three.map"));
  EditorSession second(ui);
  ASSERT_TRUE(readLevelmap(second, dir.path("three.map")));
  for (int slot = 1; slot <= 20; ++slot) {
    const LevelHeader& a = first.map.header(slot);
    const LevelHeader& b = second.map.header(slot);
    ASSERT_EQ(b.width(), a.width()) << slot;
    ASSERT_EQ(b.height(), a.height()) << slot;
    EXPECT_EQ(b.title(), a.title());
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) {
        ASSERT_EQ(second.map.cell(0, slot, x, y), first.map.cell(0, slot, x, y))
            << "slot " << slot << " at " << x << "," << y;
        EXPECT_EQ(first.map.cell(0, slot, x, y), cell(slot, x, y));
      }
    }
  }
}

}  // namespace
}  // namespace pyrovel
