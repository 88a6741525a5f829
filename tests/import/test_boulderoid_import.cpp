// Boulderoid text maps: the key lines counted by characters, the map rows,
// the values after them, and the files that end or go wrong on the way.
#include <gtest/gtest.h>

#include "import/boulderoid_level_import.h"
#include "import/import_test_support.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using BoulderoidImport = testing::ImportFixture;

// The values after the map: two lines (or three with "noscroll"), then
// time (key of 5), diamonds (8), diamond value (8), time score (7), a skipped
// line, amoeba (8) and three ignored lines.
std::string values(bool noscroll = false) {
  return std::string("view=1\n") + (noscroll ? "noscroll\nextra\n" : "scroll\n") +
         "time=160\n"
         "diamond=12\n"
         "dvalue =15\n"
         "tscore=3\n"
         "skipped\n"
         "amoeba =80\n"
         "a\nb\nc\n";
}

const std::string kMap =
    "# Boulderoid map\n"
    "version 1\n"
    "name=anything\n"
    "width=5\n"
    "height=3\n"
    "map:\n"
    "WWWWW\n"
    "WP.dr\n"
    "Wwqxyz\n";  // one character more than the width

TEST_F(BoulderoidImport, MapAndValuesFillTheLevel) {
  at(4);
  header(4).setDiamondsNeededHigh(1);
  importBoulderoidLevel(session, textFile("cave.map", kMap + values()));
  const LevelHeader& h = header(4);
  EXPECT_EQ(h.title(), "cave.map");
  EXPECT_EQ(h.width(), 5);
  EXPECT_EQ(h.height(), 3);
  EXPECT_EQ(cell(4, 0, 0), 6);
  EXPECT_EQ(cell(4, 1, 1), 2);
  EXPECT_EQ(cell(4, 2, 1), 1);
  EXPECT_EQ(cell(4, 3, 1), 4);
  EXPECT_EQ(cell(4, 4, 1), 3);
  EXPECT_EQ(cell(4, 1, 2), 17);
  EXPECT_EQ(cell(4, 2, 2), 87);
  EXPECT_EQ(cell(4, 3, 2), 155);
  EXPECT_EQ(cell(4, 5, 2), 0);  // past the width, unknown character: still written
  EXPECT_EQ(h.playerX(), 1);
  EXPECT_EQ(h.playerY(), 1);
  EXPECT_EQ(h.levelTime(), 160 / 8 + 1);
  EXPECT_EQ(h.diamondsToCollect(), 12);
  EXPECT_EQ(h.diamondScore(), 15);
  EXPECT_EQ(h.timeScore(), 3);
  EXPECT_EQ(h.amoebaGrowth(), 10);
  EXPECT_EQ(session.map.currentLevel, 5);
  EXPECT_TRUE(session.map.modified);
}

TEST_F(BoulderoidImport, NoscrollTakesOneLineMoreAndCrLfLinesRead) {
  std::string text = kMap + values(true);
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  at(1);
  importBoulderoidLevel(session, textFile("x.map", crlf));
  EXPECT_EQ(header(1).levelTime(), 21);
  EXPECT_EQ(header(1).amoebaGrowth(), 10);
  EXPECT_EQ(cell(1, 4, 1), 3);
}

TEST_F(BoulderoidImport, TimeWrapsAtAByteAndLooseValuesStopAtTheFirstNonDigit) {
  std::string text = kMap + "v\nscroll\ntime=300\ndiamond=7x\ndvalue =\ntscore=-2\ns\namoeba =9\n";
  at(1);
  importBoulderoidLevel(session, textFile("x.map", text));
  EXPECT_EQ(header(1).levelTime(), (300 % 256) / 8 + 1);
  EXPECT_EQ(header(1).diamondsNeeded(), 7);
  EXPECT_EQ(header(1).diamondScore(), 0);
  EXPECT_EQ(header(1).timeScore(), 254);
  EXPECT_EQ(header(1).amoebaGrowth(), 1);
}

TEST_F(BoulderoidImport, WithoutWidthLineNothingComesIn) {
  // A file without a size (an empty one included) holds no level: the
  // import ends with an error and the level stays as it was, title and all.
  for (const std::string& text : {std::string("# Boulderoid\nno map here\n"), std::string()}) {
    at(2);
    header(2).setWidth(30);
    header(2).setTitle("Mine");
    session.map.cell(kGameLayer, 2, 0, 0) = 13;
    try {
      importBoulderoidLevel(session, textFile("empty.map", text));
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const LevelError& e) {
      EXPECT_NE(e.detail().find("no \"width\" line"), std::string::npos) << e.what();
      EXPECT_EQ(e.offset(), text.size());
    }
    EXPECT_EQ(header(2).title(), "Mine");
    EXPECT_EQ(header(2).width(), 30);
    EXPECT_EQ(cell(2, 0, 0), 13);
    EXPECT_EQ(session.map.currentLevel, 2);
  }
}

TEST_F(BoulderoidImport, BadSizesEndTheImportNamingTheLine) {
  struct Case {
    std::string text, words, line;
  };
  const Case cases[] = {
      {"# Boulderoid\nx\nwidth=1a\nheight=3\n", "'1a' is not a whole number", "width"},
      {"# Boulderoid\nx\nwidth=200\nheight=3\n", "200 is outside 0..128", "width"},
      {"# Boulderoid\nx\nwidth=5\nheight=-1\n", "-1 is outside 0..128", "height"},
      {"# Boulderoid\nx\nwidth=\n", "'' is not a whole number", "width"},
  };
  for (const Case& c : cases) {
    at(7);
    try {
      importBoulderoidLevel(session, textFile("bad.map", c.text));
      ADD_FAILURE() << c.text;
    } catch (const LevelError& e) {
      EXPECT_NE(e.detail().find(c.words), std::string::npos) << e.what();
      EXPECT_EQ(e.level(), 6);
      EXPECT_EQ(e.offset(), c.text.find(c.line)) << c.text;
    }
    EXPECT_EQ(session.map.currentLevel, 7);
  }
}

TEST_F(BoulderoidImport, FileEndingInsideTheMapKeepsTheRowsRead) {
  at(3);
  const std::string text = "# Boulderoid\nx\nwidth=4\nheight=3\nmap\nrrrr\ndddd\n";
  try {
    importBoulderoidLevel(session, textFile("cut.map", text));
    FAIL() << "a cut map was taken";
  } catch (const LevelError& e) {
    EXPECT_NE(e.detail().find("row 2 of the map"), std::string::npos) << e.what();
    EXPECT_EQ(e.offset(), text.size());
  }
  EXPECT_EQ(cell(3, 3, 0), 3);
  EXPECT_EQ(cell(3, 3, 1), 4);
  EXPECT_EQ(header(3).width(), 4);
  EXPECT_EQ(session.map.currentLevel, 3);
  EXPECT_TRUE(session.map.modified);

  // Ending before the last value counts as cut short too.
  EXPECT_THROW(importBoulderoidLevel(session, textFile("cut2.map", kMap + "v\nscroll\ntime=1\n")),
               LevelError);
}

TEST_F(BoulderoidImport, RowsLongerThanTheGridStopAtItsEdge) {
  at(1);
  header(1).setPlayerX(0);
  const std::string text =
      "# Boulderoid\nx\nwidth=128\nheight=1\nmap\n" + std::string(200, 'r') + "P\n" + values();
  importBoulderoidLevel(session, textFile("wide.map", text));
  EXPECT_EQ(cell(1, 128, 0), 3);
  EXPECT_EQ(header(1).playerX(), 0);  // the player past the edge is not taken
}

}  // namespace
}  // namespace pyrovel
