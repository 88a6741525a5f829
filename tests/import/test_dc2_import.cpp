// Diamond Caves II levels: the descrambling worked by hand, and a level
// laid out as plain words and scrambled the way the game stores it.
#include <gtest/gtest.h>

#include "import/dc2_level_import.h"
#include "import/import_test_support.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t wordAt(const Bytes& b, std::size_t i) {
  return static_cast<std::uint16_t>(b[2 * i] | (b[2 * i + 1] << 8));
}

TEST(Dc2Descramble, WorkedByHand) {
  // Words 10, 20, 25: 10 - 0 - (-1) = 11, 20 - 10 - 0 = 10, 25 - 20 - 1 = 4.
  const Bytes out = descrambleDc2(Bytes{10, 0, 20, 0, 25, 0, 7});
  ASSERT_EQ(out.size(), 6u);  // the odd byte is dropped
  EXPECT_EQ(wordAt(out, 0), 11);
  EXPECT_EQ(wordAt(out, 1), 10);
  EXPECT_EQ(wordAt(out, 2), 4);

  // All-zero words show the counter: -1, 0, 1, ..., 30, then 0 again.
  const Bytes zeros = descrambleDc2(Bytes(2 * 40, 0));
  EXPECT_EQ(wordAt(zeros, 0), 1);
  EXPECT_EQ(wordAt(zeros, 1), 0);
  EXPECT_EQ(wordAt(zeros, 2), 65535);
  EXPECT_EQ(wordAt(zeros, 31), 65536 - 30);
  EXPECT_EQ(wordAt(zeros, 32), 0);
  EXPECT_EQ(wordAt(zeros, 33), 65535);
}

// The inverse of the descrambling, for building files.
Bytes scramble(const std::vector<std::uint16_t>& plain) {
  Bytes out;
  std::uint16_t prev = 0;
  int k = -1;
  for (std::uint16_t p : plain) {
    const auto w = static_cast<std::uint16_t>(p + prev + k);
    out.push_back(static_cast<std::uint8_t>(w));
    out.push_back(static_cast<std::uint8_t>(w >> 8));
    prev = w;
    if (++k > 30) k = 0;
  }
  return out;
}

// A level as plain words: header, yam patterns, map.
struct Dc2Level {
  std::vector<std::uint16_t> words = std::vector<std::uint16_t>(344 / 2, 0);
  int width, height;
  Dc2Level(int w, int h, int patterns) : width(w), height(h) {
    set(6, static_cast<std::uint16_t>(w));
    set(8, static_cast<std::uint16_t>(h));
    set(60, static_cast<std::uint16_t>(patterns));
    words.resize(
        words.size() + 9 * static_cast<std::size_t>(patterns) + static_cast<std::size_t>(w * h),
        5500);  // Dirt
  }
  void set(std::size_t byteOffset, std::uint16_t v) { words[byteOffset / 2] = v; }
  void setByte(std::size_t byteOffset, std::uint8_t v) {
    std::uint16_t& w = words[byteOffset / 2];
    w = byteOffset % 2 ? static_cast<std::uint16_t>((w & 0x00FF) | (v << 8))
                       : static_cast<std::uint16_t>((w & 0xFF00) | v);
  }
  void text(std::size_t lengthAt, const std::string& s) {
    setByte(lengthAt, static_cast<std::uint8_t>(s.size()));
    for (std::size_t i = 0; i < s.size(); ++i)
      setByte(lengthAt + 1 + i, static_cast<std::uint8_t>(s[i]));
  }
  std::uint16_t& yam(int k, int j) {
    return words[172 + 9 * static_cast<std::size_t>(k) + static_cast<std::size_t>(j)];
  }
  std::uint16_t& cell(int patterns, int x, int y) {
    return words[172 + 9 * static_cast<std::size_t>(patterns) +
                 static_cast<std::size_t>(y * width + x)];
  }
};

using Dc2Import = testing::ImportFixture;

TEST_F(Dc2Import, HeaderYamsAndMapFillTheLevel) {
  Dc2Level l(10, 5, 2);
  l.set(10, 3);
  l.set(12, 2);  // player at column 2, row 1 (stored from 1)
  l.set(18, 300);
  l.set(20, 0x0105);  // single-byte fields take the low byte
  l.set(22, 7);
  l.set(28, 8);
  l.set(30, 9);
  l.set(32, 10);
  l.set(34, 11);
  l.set(36, 12);
  l.set(38, 13);
  l.set(40, 14);
  l.set(42, 16);
  l.set(44, 0x0199);
  l.set(46, 120);
  l.set(52, 500);
  l.set(54, 1000);
  l.set(56, 17);
  l.set(58, 18);
  l.text(251, std::string(45, 'T'));  // a length past 40 reads 40
  l.text(292, "Velma");
  l.yam(0, 1) = 1777;  // code 1 of a pattern: row 1, column 0
  l.yam(1, 8) = 0;     // row 2, column 2: rock
  l.cell(2, 4, 2) = 1956;
  l.cell(2, 7, 3) = 9999;  // unknown
  l.cell(2, 8, 3) = 5495;  // Empty Space meant as such
  at(3);
  header(3).setDiamondsNeededHigh(1);
  header(3).setIntermission(255);
  importDc2Level(session, file("level.dc2", scramble(l.words)));

  const LevelHeader& h = header(3);
  EXPECT_EQ(h.width(), 10);
  EXPECT_EQ(h.height(), 5);
  EXPECT_EQ(h.playerX(), 2);
  EXPECT_EQ(h.playerY(), 1);
  EXPECT_EQ(h.diamondsToCollect(), 300);
  EXPECT_EQ(h.emeraldScore(), 5);
  EXPECT_EQ(h.diamondScore(), 7);
  EXPECT_EQ(h.nutScore(), 8);
  EXPECT_EQ(h.robotScore(), 9);
  EXPECT_EQ(h.shipScore(), 10);
  EXPECT_EQ(h.bugScore(), 11);
  EXPECT_EQ(h.yamScore(), 12);
  EXPECT_EQ(h.dynamiteScore(), 13);
  EXPECT_EQ(h.keyScore(), 14);
  EXPECT_EQ(h.timeScore(), 16);
  EXPECT_EQ(h.levelTime(), 0x99);
  EXPECT_EQ(h.amoebaGrowth(), 10);
  EXPECT_EQ(h.wheelTime(), 500);
  EXPECT_EQ(h.magicTime(), 1000);
  EXPECT_EQ(h.extraTime(), 17);
  EXPECT_EQ(h.forcefieldTime(), 18);
  EXPECT_EQ(h.title(), std::string(20, 'T'));
  EXPECT_EQ(h.author(), "Velma");
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(h.yam(0, 0, 1), 12);
  EXPECT_EQ(h.yam(1, 2, 2), 3);
  EXPECT_EQ(h.yam(0, 0, 0), 1);

  EXPECT_EQ(cell(3, 0, 0), 1);
  EXPECT_EQ(cell(3, 4, 2), 170);
  EXPECT_EQ(cell(3, 7, 3), 138);
  EXPECT_EQ(cell(3, 8, 3), 0);
  EXPECT_EQ(cell(3, 2, 1), 2);
  EXPECT_EQ(ui.panelLines,
            std::vector<std::string>{"Unknown object at level 2, position 7,3: 9999"});
  EXPECT_EQ(session.map.currentLevel, 4);
  EXPECT_EQ(session.readerNote.rfind("Imported with Diamond Caves II importfilter", 0), 0u);
}

TEST_F(Dc2Import, PlayersOutsideTheLevelAreNotPlaced) {
  Dc2Level l(4, 4, 0);
  l.set(10, 0);  // no position: 0 - 1 is 255
  l.set(14, 3);
  l.set(16, 4);  // second player at column 2, row 3
  at(1);
  importDc2Level(session, file("two.dc2", scramble(l.words)));
  EXPECT_EQ(header(1).playerX(), 255);
  EXPECT_EQ(cell(1, 2, 3), 237);
  EXPECT_EQ(cell(1, 0, 0), 1);
}

TEST_F(Dc2Import, MoreThanEightPatternsKeepTheMapInStep) {
  Dc2Level l(3, 3, 10);
  l.yam(7, 0) = 0;
  l.yam(9, 0) = 0;
  l.cell(10, 1, 1) = 3794;
  at(1);
  importDc2Level(session, file("yams.dc2", scramble(l.words)));
  EXPECT_EQ(header(1).yam(7, 0, 0), 3);
  EXPECT_EQ(cell(1, 1, 1), 8);
  EXPECT_EQ(cell(1, 0, 0), 1);
  // A ninth pattern would land on the times that follow the eighth.
  EXPECT_EQ(header(1).levelTime(), 0);
  EXPECT_EQ(header(1).magicTime(), 0);
}

TEST_F(Dc2Import, OversizedLevelIsRefusedBeforeAnyChange) {
  Dc2Level l(3, 3, 0);
  l.set(6, 200);
  at(2);
  header(2).setWidth(30);
  try {
    importDc2Level(session, file("huge.dc2", scramble(l.words)));
    FAIL() << "a 200-wide level was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 6u);
    EXPECT_EQ(e.level(), 1);
  }
  EXPECT_EQ(header(2).width(), 30);
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(session.map.currentLevel, 2);
}

TEST_F(Dc2Import, CutFilesEndWithAnErrorKeepingTheCellsRead) {
  at(1);
  EXPECT_THROW(importDc2Level(session, file("head.dc2", Bytes(300, 0))), LevelError);
  EXPECT_FALSE(session.map.modified);

  Dc2Level l(5, 5, 1);
  l.cell(1, 0, 0) = 0;  // rock
  std::vector<std::uint16_t> cut(l.words.begin(), l.words.end() - 12);
  try {
    importDc2Level(session, file("cut.dc2", scramble(cut)));
    FAIL() << "a cut map was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 2 * cut.size());
  }
  EXPECT_EQ(cell(1, 0, 0), 3);
  EXPECT_EQ(session.map.currentLevel, 1);
  EXPECT_TRUE(session.map.modified);
}

}  // namespace
}  // namespace pyrovel
