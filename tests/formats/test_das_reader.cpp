#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "formats/das_reader.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "support/levelset_calls.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class DasReaderTest : public ::testing::Test {
 protected:
  // Reads the lines as a DAS file (LF line ends unless the lines carry CRs).
  void read(const std::vector<std::string>& lines, bool append = false) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    const std::string path = dir.path("in.das");
    testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    readWith(session, readDasLevels, path, append);
  }
  // One level: "level", its number, the key lines, then "level" "1".
  void readLevel(std::vector<std::string> keys) {
    keys.insert(keys.begin(), {"level", "1"});
    keys.insert(keys.end(), {"level", "1"});
    read(keys);
  }
  int cell(int x, int y, int slot = 1) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot = 1) const { return session.map.header(slot); }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

TEST_F(DasReaderTest, DefaultsFrameADirtLevel) {
  readLevel({});
  EXPECT_EQ(header().title(), "Cave1");
  EXPECT_EQ(header().width(), 40);
  EXPECT_EQ(header().height(), 22);
  EXPECT_EQ(header().hatchTime(), 24);
  EXPECT_EQ(header().amoebaGrowth(), 24);
  EXPECT_EQ(cell(0, 5), 6);
  EXPECT_EQ(cell(39, 5), 6);
  EXPECT_EQ(cell(5, 21), 6);
  EXPECT_EQ(cell(1, 1), 1);
  EXPECT_EQ(cell(38, 20), 1);
  EXPECT_EQ(cell(40, 5), 0);
  EXPECT_TRUE(session.messages.empty());
  EXPECT_EQ(session.readerNote.rfind("Imported with Dash Dimensions importfilter V0.2 beta. "
                                     "Editor version:",
                                     0),
            0u);
}

TEST_F(DasReaderTest, HeaderKeys) {
  readLevel({"ammax",  "8",  "amspeed", "30",         "amtime", "5",
             "bonus",  "7",  "filter",  "300",        "need",   "1000",
             "slimed", "4",  "time",    "99",         "name",   "A name longer than twenty",
             "size",   "30", "18",      "filtertype", "3",      "Palette",
             "1",      "2",  "delay",   "9"});
  const LevelHeader& h = header();
  EXPECT_EQ(h.maxAmoeba(), 110);
  EXPECT_EQ(h.amoebaGrowth(), 30);
  EXPECT_EQ(h.amoebaBrake(), 5);
  EXPECT_EQ(h.diamondScore(), 7);
  EXPECT_EQ(h.magicTime(), 300);
  EXPECT_EQ(h.diamondsNeeded(), 1000);
  EXPECT_EQ(h.slimePermeability(), 5);
  EXPECT_EQ(h.levelTime(), 24);
  EXPECT_EQ(h.title(), "A name longer than t");
  EXPECT_EQ(h.width(), 30);
  EXPECT_EQ(h.height(), 18);
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(DasReaderTest, AmmaxZeroAndCavetype) {
  readLevel({"ammax", "0", "vor", "3", "cavetype", "1"});
  EXPECT_EQ(header().maxAmoeba(), 0);
  EXPECT_EQ(header().diamondScore(), 3);
  EXPECT_EQ(header().intermission(), 255);
  EXPECT_EQ(header().width(), 20);
  EXPECT_EQ(header().height(), 12);
  EXPECT_EQ(cell(39, 5), 6);  // the frame was drawn for 40 x 22
}

TEST_F(DasReaderTest, ANameThatIsAKeyActsAsThatKey) {
  readLevel({"name", "time", "99"});
  EXPECT_EQ(header().title(), "time");
  EXPECT_EQ(header().levelTime(), 24);
}

TEST_F(DasReaderTest, SetBoxAndBoxp) {
  readLevel({"set", "37", "3", "4",                    // player
             "box", "56", "10", "2", "4", "3",         // wall outline
             "boxp", "3", "20", "2", "4", "4", "0"});  // magic wall around space
  EXPECT_EQ(cell(3, 4), 2);
  EXPECT_EQ(header().playerX(), 3);
  EXPECT_EQ(header().playerY(), 4);
  for (int x = 10; x <= 13; ++x) {
    EXPECT_EQ(cell(x, 2), 6);
    EXPECT_EQ(cell(x, 4), 6);
  }
  EXPECT_EQ(cell(10, 3), 6);
  EXPECT_EQ(cell(13, 3), 6);
  EXPECT_EQ(cell(11, 3), 1);  // inside the outline
  EXPECT_EQ(cell(14, 3), 1);
  EXPECT_EQ(cell(20, 2), 16);
  EXPECT_EQ(cell(23, 5), 16);
  EXPECT_EQ(cell(21, 3), 0);
  EXPECT_EQ(cell(22, 4), 0);
  EXPECT_EQ(cell(24, 3), 1);
}

TEST_F(DasReaderTest, BoxbFillsRowByRow) {
  readLevel({"boxb", "2", "3", "4", "5", "0", "2", "3", "37"});
  EXPECT_EQ(cell(2, 3), 0);
  EXPECT_EQ(cell(3, 3), 17);
  EXPECT_EQ(cell(2, 4), 16);
  EXPECT_EQ(cell(3, 4), 2);
  EXPECT_EQ(cell(4, 3), 1);
  EXPECT_EQ(header().playerX(), 3);
  EXPECT_EQ(header().playerY(), 4);
}

TEST_F(DasReaderTest, LineDirections) {
  readLevel({"line", "0", "5",  "5",  "3", "4",    // down
             "line", "0", "20", "10", "3", "1",    // up and right
             "line", "0", "30", "15", "2", "6",    // left
             "line", "0", "10", "15", "2", "7"});  // up and left
  EXPECT_EQ(cell(5, 5), 0);
  EXPECT_EQ(cell(5, 6), 0);
  EXPECT_EQ(cell(5, 7), 0);
  EXPECT_EQ(cell(5, 8), 1);
  EXPECT_EQ(cell(5, 4), 1);
  EXPECT_EQ(cell(20, 10), 0);
  EXPECT_EQ(cell(21, 9), 0);
  EXPECT_EQ(cell(22, 8), 0);
  EXPECT_EQ(cell(23, 7), 1);
  EXPECT_EQ(cell(30, 15), 0);
  EXPECT_EQ(cell(29, 15), 0);
  EXPECT_EQ(cell(28, 15), 1);
  EXPECT_EQ(cell(10, 15), 0);
  EXPECT_EQ(cell(9, 14), 0);
  EXPECT_EQ(cell(8, 13), 1);
}

TEST_F(DasReaderTest, CommandsNeverWriteOutsideTheGrid) {
  readLevel({"set",  "0",    "-1",          "5",           "set",        "0",          "200",
             "3",    "set",  "37",          "128",         "0",          "line",       "0",
             "-5",   "3",    "1000000000",  "2",  // runs into and across the grid
             "box",  "0",    "-2000000000", "-2000000000", "2100000000", "2100000000", "boxb",
             "126",  "0",    "130",         "1",           "0",          "0",          "0",
             "0",    "line", "0",           "0",           "0",          "5",          "9",
             "size", "300",  "-2"});
  EXPECT_EQ(cell(0, 3), 0);
  EXPECT_EQ(cell(127, 3), 0);
  EXPECT_EQ(cell(128, 3), 0);  // the spare column of the grid
  EXPECT_EQ(cell(126, 0), 0);
  EXPECT_EQ(header().playerX(), 0);            // the player outside was skipped
  EXPECT_EQ(session.map.cell(0, 2, 0, 0), 0);  // the next slot's first cell
  EXPECT_EQ(header().width(), 128);
  EXPECT_EQ(header().height(), 1);  // 0, then raised to 1 after the read
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_EQ(session.messages[0], "Unsupported at level 0 :size 300 -2");
}

TEST_F(DasReaderTest, UnsupportedLines) {
  readLevel({"slimetype", "3", "filterzeit", "12", "filtertype", "2", "Box", "17"});
  const std::vector<std::string> expected = {
      "Unsupported at level 0 :slimetype", "Unsupported at level 0 :filterzeit",
      "Unsupported at level 0 :filtertype", "Unsupported at level 0 :Box"};
  EXPECT_EQ(session.messages, expected);
  EXPECT_TRUE(ui.changes & kMessages);
}

TEST_F(DasReaderTest, LevelsUntilTheNumberOne) {
  read({"header text", "level", "1", "name", "One", "level", "2", "name", "Two", "level", "3",
        "name", "Three", "level", "1", "name", "Never"});
  EXPECT_EQ(header(1).title(), "One");
  EXPECT_EQ(header(2).title(), "Two");
  EXPECT_EQ(header(3).title(), "Three");
  EXPECT_EQ(header(4).width(), 1);
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(DasReaderTest, AppendStartsAtTheCurrentLevel) {
  session.map.currentLevel = 5;
  read({"level", "1", "name", "Appended", "level", "2", "level", "1"}, true);
  EXPECT_EQ(header(5).title(), "Appended");
  EXPECT_EQ(header(6).title(), "Cave6");
  EXPECT_EQ(header(1).width(), 1);
}

TEST_F(DasReaderTest, SlotHundredIsNeverFilled) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 120; ++n) lines.insert(lines.end(), {"level", std::to_string(n + 1)});
  read(lines);
  EXPECT_EQ(header(99).title(), "Cave99");
  EXPECT_EQ(header(100).width(), 1);
}

TEST_F(DasReaderTest, KeysStartAfterTwoHundredLinesWithoutLevel) {
  std::vector<std::string> lines(200, "junk");
  lines.insert(lines.end(), {"name", "Late", "level", "1"});
  read(lines);
  EXPECT_EQ(header().title(), "Late");
}

TEST_F(DasReaderTest, CrLfLineEndsAreAccepted) {
  read({"level\r", "1\r", "name\r", "Windows\r", "level\r", "1\r"});
  EXPECT_EQ(header().title(), "Windows");
}

TEST_F(DasReaderTest, TruncatedEmptyAndGarbageFiles) {
  read({"level", "1", "name", "Cut", "box", "56", "1"});
  EXPECT_EQ(header().title(), "Cut");
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("end of file in level 0"), std::string::npos);

  session.messages.clear();
  session.map.header(1).setTitle("Kept");
  EXPECT_THROW(read({}), LevelError);
  EXPECT_EQ(header().title(), "Kept");

  std::string garbage;
  for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 131) % 256);
  EXPECT_NO_THROW(read({"level", "1", garbage, "set", garbage, garbage, garbage, "level", "1"}));
}

// The generator by hand, seed 0: R1 runs 0, 9, 220, 56, 94 over columns 0..4
// of row 1. Codes 2, 3, 4, 5 with thresholds 100, 60, 10, 0: the last code
// whose threshold lies above R1 wins, 1 when none does.
TEST_F(DasReaderTest, RandomFillFollowsTheGenerator) {
  readLevel({"wurf", "0", "2", "3", "4", "5", "100", "60", "10", "0"});
  EXPECT_EQ(cell(0, 1), 6);   // column 0 is not written
  EXPECT_EQ(cell(1, 1), 7);   // R1 = 9: code 4
  EXPECT_EQ(cell(2, 1), 1);   // R1 = 220: code 1
  EXPECT_EQ(cell(3, 1), 16);  // R1 = 56: code 3
  EXPECT_EQ(cell(4, 1), 17);  // R1 = 94: code 2
  EXPECT_EQ(cell(5, 0), 6);   // row 0 is not filled
  EXPECT_EQ(cell(39, 20), 6);
}

TEST_F(DasReaderTest, ShuffelSeedIsOneByte) {
  Levelmap a, b;
  shuffel(a, 1, 7, {2, 3, 4, 5}, {200, 150, 100, 50});
  shuffel(b, 1, 256 + 7, {2, 3, 4, 5}, {200, 150, 100, 50});
  EXPECT_EQ(a.grid(0, 1), b.grid(0, 1));
}

TEST_F(DasReaderTest, DispatcherReadsDasFiles) {
  const std::string path = dir.path("set.das");
  const std::string text = "level\n1\nname\nOpened\nlevel\n1\n";
  testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  readLevelmap(session, path);
  EXPECT_EQ(header().title(), "Opened");
}

}  // namespace
}  // namespace pyrovel
