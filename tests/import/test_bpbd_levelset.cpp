// BPBD levelsets: the 256-byte head, 2304-byte records with their map and
// yam patterns, the question for unknown codes, and where reading stops.
#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "import/bpbd_levelset.h"
#include "import/import_test_support.h"
#include "model/errors.h"
#include "support/levelset_calls.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kHead = 256, kRecord = 2304, kMap = 112, kYams = 2160;

struct BpbdFile {
  Bytes bytes;
  explicit BpbdFile(int records) : bytes(kHead + kRecord * static_cast<std::size_t>(records), 1) {
    const std::string magic = "BPBD";
    std::copy(magic.begin(), magic.end(), bytes.begin());
  }
  std::uint8_t& record(int level, std::size_t offset) {
    return bytes[kHead + kRecord * static_cast<std::size_t>(level - 1) + offset];
  }
  std::uint8_t& cell(int level, int x, int y) {
    return record(level, kMap + static_cast<std::size_t>(64 * y + x));
  }
  // Yam pattern k, row r, column c.
  std::uint8_t& yam(int level, int k, int r, int c) {
    return record(level, kYams + static_cast<std::size_t>(9 * k + 3 * r + c));
  }
};

using BpbdLevelset = testing::ImportFixture;

TEST_F(BpbdLevelset, RecordsFillLevelsFromTheFirst) {
  BpbdFile f(2);
  f.record(1, 12) = 9;
  f.record(1, 14) = 120;
  f.record(1, 16) = 77;  // not read: the count is always 0
  f.cell(1, 0, 0) = 2;
  f.cell(1, 5, 3) = 3;
  f.cell(1, 63, 31) = 101;
  f.cell(1, 10, 10) = 60;  // letters: 49..85 give 99..135
  f.yam(1, 0, 0, 2) = 102;
  f.yam(1, 3, 2, 1) = 208;
  f.record(2, 14) = 55;
  header(1).setDiamondsNeededHigh(3);
  header(50).setWidth(0);
  session.map.currentLevel = 7;

  const std::string path = file("brel.map", f.bytes);
  ASSERT_TRUE(readLevelmap(session, path));  // the dispatcher takes "BPBD" .map files

  const LevelHeader& h = header(1);
  EXPECT_EQ(h.width(), 64);
  EXPECT_EQ(h.height(), 32);
  EXPECT_EQ(h.amoebaGrowth(), 9);
  EXPECT_EQ(h.levelTime(), 120);
  EXPECT_EQ(h.diamondsToCollect(), 0);
  EXPECT_EQ(h.emeraldScore(), 3);
  EXPECT_EQ(cell(1, 0, 0), 6);
  EXPECT_EQ(cell(1, 5, 3), 2);
  EXPECT_EQ(cell(1, 63, 31), 4);
  EXPECT_EQ(cell(1, 10, 10), 110);
  EXPECT_EQ(cell(1, 1, 0), 1);
  EXPECT_EQ(h.playerX(), 5);
  EXPECT_EQ(h.playerY(), 3);
  EXPECT_EQ(h.yam(0, 2, 0), 13);  // column 2, row 0
  EXPECT_EQ(h.yam(3, 1, 2), 14);
  EXPECT_EQ(h.yam(0, 0, 0), 1);
  EXPECT_EQ(header(2).levelTime(), 55);

  // The level after the last record gets its size; others keep theirs, and
  // no size stays 0.
  EXPECT_EQ(header(3).width(), 64);
  EXPECT_EQ(header(3).height(), 32);
  EXPECT_EQ(header(4).width(), 1);
  EXPECT_EQ(header(50).width(), 1);
  EXPECT_EQ(ui.lastMax, 0);  // the gauge is hidden again
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(BpbdLevelset, OnlyEightyLevelsAreRead) {
  BpbdFile f(81);
  f.record(80, 14) = 80;
  f.record(81, 14) = 81;
  readWith(session, readBpbdLevelset, file("big.map", f.bytes));
  EXPECT_EQ(header(80).levelTime(), 80);
  EXPECT_EQ(header(81).width(), 1);
  EXPECT_EQ(header(81).levelTime(), 0);
}

TEST_F(BpbdLevelset, UnknownCodeAskedOnceAndNoGoesOn) {
  BpbdFile f(2);
  f.cell(1, 4, 0) = 12;
  f.cell(1, 6, 2) = 250;
  f.yam(1, 1, 0, 0) = 99;
  f.cell(2, 0, 0) = 12;
  ui.answers = {Answer::No};
  readWith(session, readBpbdLevelset, file("odd.map", f.bytes));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Unknown character 12 in the file. Stop reading?");
  // Never the table's -1: Grover, with a memo line for the status bar.
  EXPECT_EQ(cell(1, 4, 0), 15);
  EXPECT_EQ(cell(1, 6, 2), 15);
  EXPECT_EQ(header(1).yam(1, 0, 0), 15);
  EXPECT_EQ(cell(2, 0, 0), 15);
  EXPECT_EQ(session.messages,
            (std::vector<std::string>{
                "Unsupported at level 0:4,0 :12", "Unsupported at level 0:6,2 :250",
                "Unsupported at level 0, yam pattern 1 :99", "Unsupported at level 1:0,0 :12"}));
}

TEST_F(BpbdLevelset, YesStopsReadingAtOnce) {
  BpbdFile f(2);
  f.cell(1, 4, 1) = 12;
  f.record(2, 14) = 99;
  ui.answers = {Answer::Yes};
  readWith(session, readBpbdLevelset, file("stop.map", f.bytes));
  EXPECT_EQ(cell(1, 3, 1), 1);
  EXPECT_EQ(cell(1, 5, 1), 0);  // the rest of the row is abandoned
  EXPECT_EQ(header(2).levelTime(), 0);
  EXPECT_EQ(header(2).width(), 1);
  EXPECT_EQ(ui.lastMax, 0);
}

TEST_F(BpbdLevelset, RecordCutShortEndsWithTheLevelAndOffset) {
  BpbdFile f(2);
  f.record(1, 14) = 42;
  f.bytes.resize(kHead + kRecord + 1000);
  try {
    readWith(session, readBpbdLevelset, file("cut.map", f.bytes));
    FAIL() << "a cut record was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 1);
    EXPECT_EQ(e.offset(), kHead + kRecord);
  }
  EXPECT_NE(header(1).levelTime(), 42);  // all or nothing: no level of the file is taken
  EXPECT_EQ(ui.lastMax, 0);
}

TEST_F(BpbdLevelset, HeadWithoutRecordsGivesOneSizedLevel) {
  readWith(session, readBpbdLevelset,
           file("head.map", Bytes{'B', 'P', 'B', 'D', 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(header(1).width(), 64);
  EXPECT_EQ(header(2).width(), 1);
}

}  // namespace
}  // namespace pyrovel
