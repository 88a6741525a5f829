// Amiga GAM / BoulderRush game files laid out byte by byte: the head, the
// 292-byte level header with its big-endian words, the zero bytes before
// the cells, run-length coded cells, and files that end early.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/levelmap_files.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "support/levelset_calls.h"
#include "support/read_errors.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Bytes8 = std::vector<std::uint8_t>;

// One level's header with the fields the reader takes.
struct GamHeader {
  std::string name = "Cave";
  int width = 0, height = 0, slime = 0, magic = 0, time = 0, diamonds = 0, score = 0;

  Bytes8 bytes() const {
    Bytes8 h(292, 0);
    std::copy(name.begin(), name.end(), h.begin());
    auto word = [&h](std::size_t off, int v) {
      h[off] = static_cast<std::uint8_t>(v >> 8);
      h[off + 1] = static_cast<std::uint8_t>(v);
    };
    word(44, width);
    word(46, height);
    word(52, slime);
    word(54, magic);
    word(56, time);
    word(62, diamonds);
    word(66, score);
    return h;
  }
};

// A level: header, `zeros` zero bytes, the cell bytes, and (unless told
// otherwise) the end pair.
Bytes8 gamLevel(const GamHeader& h, const Bytes8& cells, int zeros = 2, bool endPair = true) {
  Bytes8 out = h.bytes();
  out.insert(out.end(), static_cast<std::size_t>(zeros), 0);
  out.insert(out.end(), cells.begin(), cells.end());
  if (endPair) out.insert(out.end(), {255, 255});
  return out;
}

Bytes8 gamFile(const std::vector<Bytes8>& levels) {
  Bytes8 out(84, 0xAA);  // the head is not read
  for (const Bytes8& l : levels) out.insert(out.end(), l.begin(), l.end());
  return out;
}

// A 3 x 2 level of the given cells.
Bytes8 smallLevel(const Bytes8& cells, const std::string& name = "Cave") {
  GamHeader h;
  h.name = name;
  h.width = 3;
  h.height = 2;
  return gamLevel(h, cells);
}

class GamReaderTest : public ::testing::Test {
 protected:
  void read(const Bytes8& file, bool append = false) {
    testing::writeAll(path, file);
    readWith(session, readRushLevels, path, append);
  }
  // Reads a file that must fail, and returns the error.
  LevelError readFailing(const Bytes8& file) {
    return testing::errorOf([&] { read(file); });
  }
  int cell(int x, int y, int slot = 1) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot = 1) const { return session.map.header(slot); }

  testing::TempDir dir;
  std::string path = dir.path("game.gam");
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

TEST_F(GamReaderTest, HeaderFieldsAndFixedValues) {
  GamHeader g;
  g.name = std::string("A twenty-two byte nm") + std::string(14, '\0');
  g.width = 0;          // 40
  g.height = 0;         // 22
  g.slime = 0x0102;     // 258 / 5 = 51
  g.magic = 0x1234;     // brake 0x34, time 0x48D0
  g.time = 0x03E8;      // 1000 / 5 = 200
  g.diamonds = 0x0123;  // 291
  g.score = 0x0A0F;     // low byte 15
  read(gamFile({gamLevel(g, {1})}));
  const LevelHeader& h = header();
  EXPECT_EQ(h.title(), "A twenty-two byte nm");
  EXPECT_EQ(h.width(), 40);
  EXPECT_EQ(h.height(), 22);
  EXPECT_EQ(h.slimePermeability(), 51);
  EXPECT_EQ(h.amoebaBrake(), 0x34);
  EXPECT_EQ(h.magicTime(), 0x48D0);
  EXPECT_EQ(h.levelTime(), 200);
  EXPECT_EQ(h.diamondsNeeded(), 291);
  EXPECT_EQ(h.diamondScore(), 15);
  EXPECT_EQ(h.hatchTime(), 24);
  EXPECT_EQ(h.maxAmoeba(), 22);
  EXPECT_EQ(h.amoebaGrowth(), 24);
  EXPECT_EQ(h.convertTrappedAmoeba(), 255);
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(session.readerNote, "imported with Amiga Gam (& BoulderRush) importfilter V0.04");
}

TEST_F(GamReaderTest, TitleEndsAtTheNamePaddingAndIntermissionIsFoundAnywhere) {
  // "ntermis" past the title's 20 bytes still counts; either case of the I.
  GamHeader a, b, c;
  a.name = std::string("Bonus", 5) + std::string(20, '\0') + "Intermis";
  b.name = "intermission 2";
  c.name = "INTERMISSION";  // upper case letters after the I: not found
  read(gamFile({gamLevel(a, {}), gamLevel(b, {}), gamLevel(c, {})}));
  EXPECT_EQ(header(1).title(), "Bonus");
  EXPECT_EQ(header(1).intermission(), 255);
  EXPECT_EQ(header(2).title(), "intermission 2");
  EXPECT_EQ(header(2).intermission(), 255);
  EXPECT_EQ(header(3).intermission(), 0);
}

TEST_F(GamReaderTest, SingleBytesAndRunsFillRowByRow) {
  GamHeader g;
  g.width = 4;
  g.height = 4;
  // 4 (wall), run of ten 1 (dirt), 134 (player), run of zero cells, 0.
  read(gamFile({gamLevel(g, {4, 255, 1, 10, 134, 255, 5, 0, 0})}));
  EXPECT_EQ(cell(0, 0), 6);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(cell(k % 4, k / 4), 1) << k;
  EXPECT_EQ(cell(3, 2), 2);
  EXPECT_EQ(header().playerX(), 3);
  EXPECT_EQ(header().playerY(), 2);
  EXPECT_EQ(cell(0, 3), 0);
  EXPECT_TRUE(session.messages.empty());
  // A run 255, 4, 10 on a level of the default size: ten walls.
  read(gamFile({gamLevel(GamHeader(), {255, 4, 10, 1})}));
  for (int x = 0; x < 10; ++x) EXPECT_EQ(cell(x, 0), 6) << x;
  EXPECT_EQ(cell(10, 0), 1);
}

TEST_F(GamReaderTest, ZeroBytesBeforeTheCells) {
  // Six zeros then a byte: the lost-thread message, once per file; with
  // seven zeros the seventh is the first cell (Empty Space).
  session.map.cell(0, 1, 0, 0) = 9;
  session.map.cell(0, 2, 0, 0) = 9;
  GamHeader g;
  g.width = 3;
  g.height = 2;
  read(gamFile({gamLevel(g, {0, 1}, 6), gamLevel(g, {1}, 6), gamLevel(g, {1}, 5)}));
  EXPECT_EQ(cell(0, 0, 1), 0);
  EXPECT_EQ(cell(1, 0, 1), 1);
  EXPECT_EQ(cell(0, 0, 2), 1);
  EXPECT_EQ(cell(0, 0, 3), 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0],
      "Oh oh, I lost my thread .... probably this game file won`t be converted correctly ...");
}

TEST_F(GamReaderTest, UnknownCodesBecomeGroversWithMemoLines) {
  read(gamFile({smallLevel({1, 1}), smallLevel({1, 7, 255, 9, 2})}));
  EXPECT_EQ(cell(1, 0, 2), 15);
  EXPECT_EQ(cell(2, 0, 2), 15);
  EXPECT_EQ(cell(0, 1, 2), 15);
  const std::vector<std::string> want = {"Unsupported at level 1:1,0 :7",
                                         "Unsupported at level 1:2,0 :9",
                                         "Unsupported at level 1:0,1 :9"};
  EXPECT_EQ(session.messages, want);
  EXPECT_TRUE(ui.changes & kMessages);
}

TEST_F(GamReaderTest, TwentyLevelsAtMostThenTheCurrentLevelFollows) {
  std::vector<Bytes8> levels;
  for (int i = 0; i < 21; ++i) levels.push_back(smallLevel({1}, "L" + std::to_string(i)));
  session.map.currentLevel = 50;
  read(gamFile(levels));
  EXPECT_EQ(header(1).title(), "L0");
  EXPECT_EQ(header(20).title(), "L19");
  EXPECT_TRUE(session.map.isEmptyLevel(21));
  EXPECT_EQ(session.map.currentLevel, 21);
}

TEST_F(GamReaderTest, AFileEndingAfterALevelHoldsFewerLevels) {
  read(gamFile({smallLevel({1}, "one"), smallLevel({1}, "two")}));
  EXPECT_EQ(header(2).title(), "two");
  EXPECT_TRUE(session.map.isEmptyLevel(3));
  EXPECT_EQ(session.map.currentLevel, 3);
  // The last level may also end with its last cell instead of the end pair.
  GamHeader g;
  g.width = 2;
  g.height = 1;
  read(gamFile({gamLevel(g, {4, 4}, 2, false)}));
  EXPECT_EQ(cell(1, 0), 6);
}

TEST_F(GamReaderTest, AppendStartsAtTheCurrentLevelAndStopsAtTheLast) {
  std::vector<Bytes8> levels;
  for (int i = 0; i < 20; ++i) levels.push_back(smallLevel({1}, "L" + std::to_string(i)));
  session.map.currentLevel = 91;
  session.map.header(1).setTitle("kept");
  read(gamFile(levels), true);
  EXPECT_EQ(header(1).title(), "kept");
  EXPECT_EQ(header(91).title(), "L0");
  EXPECT_EQ(header(100).title(), "L9");
  EXPECT_EQ(session.map.currentLevel, 100);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("not read"), std::string::npos);
}

TEST_F(GamReaderTest, WideLevelsAreCutToTheGrid) {
  // 200 x 2: rows keep their length in the file; columns past 127 are dropped.
  GamHeader g;
  g.width = 200;
  g.height = 2;
  Bytes8 cells = {255, 4, 200, 255, 1, 127, 2, 255, 4, 72};
  read(gamFile({gamLevel(g, cells), smallLevel({4})}));
  EXPECT_EQ(header().width(), 128);
  EXPECT_EQ(header().height(), 2);
  EXPECT_EQ(cell(127, 0), 6);
  EXPECT_EQ(cell(0, 1), 1);
  EXPECT_EQ(cell(126, 1), 1);
  EXPECT_EQ(cell(127, 1), 195);  // code 2
  EXPECT_EQ(cell(128, 1), 0);    // never written
  EXPECT_EQ(header(2).width(), 3);
  EXPECT_EQ(cell(0, 0, 2), 6);
  ASSERT_FALSE(session.messages.empty());
  EXPECT_NE(session.messages[0].find("cut to 128 x 2"), std::string::npos);
}

TEST_F(GamReaderTest, WidthWordWithAZeroLowByteIsNoDivisionByZero) {
  GamHeader g;
  g.width = 256;
  g.height = 1;
  read(gamFile({gamLevel(g, {4, 4, 4})}));
  EXPECT_EQ(header().width(), 128);
  EXPECT_EQ(cell(2, 0), 6);
}

TEST_F(GamReaderTest, CellsPastTheLevelStayUntouchedAndRunawayDataStops) {
  // A 3 x 1 level whose data never ends: decoding stops past 880 cells and
  // the next header is read where it stopped; nothing beyond the level changes.
  GamHeader g;
  g.width = 3;
  g.height = 1;
  Bytes8 cells;
  for (int i = 0; i < 3; ++i) cells.insert(cells.end(), {255, 4, 255});  // 765 cells
  cells.insert(cells.end(), {255, 1, 116});                              // 881 cells
  Bytes8 file = gamFile({gamLevel(g, cells, 2, false)});
  const Bytes8 second = smallLevel({5}, "next");
  file.insert(file.end(), second.begin(), second.end());
  read(file);
  EXPECT_EQ(cell(2, 0), 6);
  EXPECT_EQ(cell(0, 1), 0);  // below the one-row level
  EXPECT_EQ(header(2).title(), "next");
  EXPECT_EQ(cell(0, 0, 2), 17);
}

TEST_F(GamReaderTest, TruncatedFilesAreErrorsThatChangeNothing) {
  session.map.header(1).setTitle("before");
  const Bytes8 whole = gamFile({smallLevel({1, 1, 1, 1, 1, 1}, "first"), smallLevel({4})});
  // The second header cut short.
  const std::size_t secondHeader = 84 + 292 + 2 + 6 + 2;
  LevelError e = readFailing(Bytes8(whole.begin(), whole.begin() + secondHeader + 100));
  EXPECT_EQ(e.file(), path);
  EXPECT_EQ(e.level(), 1);
  EXPECT_EQ(e.offset(), secondHeader);
  EXPECT_EQ(header(1).title(), "before");

  // Cells cut inside a run, and inside the zero bytes.
  e = readFailing(Bytes8(whole.begin(), whole.begin() + 84 + 292 + 2 + 1));
  EXPECT_EQ(e.level(), 0);
  EXPECT_EQ(e.offset(), 84u + 292 + 2 + 1);
  EXPECT_NE(std::string(e.what()).find("1 of 6 cells"), std::string::npos);
  GamHeader g;
  g.width = 3;
  g.height = 2;
  e = readFailing(gamFile({gamLevel(g, {255, 4}, 2, false)}));
  EXPECT_EQ(e.offset(), 84u + 292 + 2 + 2);
  e = readFailing(gamFile({gamLevel(g, {}, 3, false)}));
  EXPECT_EQ(e.offset(), 84u + 292 + 3);

  // Shorter than the head, and no level at all.
  EXPECT_THROW(read(Bytes8(40, 0)), LevelError);
  EXPECT_THROW(read(Bytes8(84, 0)), LevelError);
  EXPECT_THROW(readWith(session, readRushLevels, dir.path("missing.gam")), LevelError);
}

TEST_F(GamReaderTest, OpenedThroughTheDispatcher) {
  testing::writeAll(path, gamFile({smallLevel({134, 4}, "via open")}));
  EXPECT_TRUE(readLevelmap(session, path));
  EXPECT_EQ(header(1).title(), "via open");
  EXPECT_EQ(cell(1, 0), 6);
  EXPECT_EQ(session.readerNote, "imported with Amiga Gam (& BoulderRush) importfilter V0.04");
}

}  // namespace
}  // namespace pyrovel
